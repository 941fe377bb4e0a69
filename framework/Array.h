#pragma once

#include <string>
#include <utility>
#include <vector>

#include "framework/Exceptions.h"
#include "framework/Types.h"

// A one-dimensional array indexed from 0 to Ubound(). A new array has upper bound 0 and
// one default entry. Indexing outside the bounds raises OutOfBoundsException.
template <class T>
class Array {
 public:
  Array() : items_(1) {}
  explicit Array(Int32 ubound) { Redim(ubound); }

  Int32 Ubound() const { return static_cast<Int32>(items_.size()) - 1; }

  // Keeps the entries that stay in range; new entries take the default value.
  // An upper bound of -1 empties the array.
  void Redim(Int32 ubound) {
    if (ubound < -1) throw OutOfBoundsException("negative upper bound");
    items_.resize(static_cast<std::size_t>(ubound + 1));
  }

  T& operator()(Int32 i) { return items_[Checked(i)]; }
  const T& operator()(Int32 i) const { return items_[Checked(i)]; }

  void Append(T value) { items_.push_back(std::move(value)); }

  // Inserts at index i (0..Ubound()+1); the entries from i on move up one place.
  void Insert(Int32 i, T value) {
    if (i < 0 || i > Ubound() + 1) throw OutOfBoundsException("insert at " + std::to_string(i));
    items_.insert(items_.begin() + i, std::move(value));
  }

  // Removes entry i; the entries after it move down one place, keeping their order.
  void Remove(Int32 i) { items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(Checked(i))); }

 private:
  std::size_t Checked(Int32 i) const {
    if (i < 0 || i > Ubound()) throw OutOfBoundsException("index " + std::to_string(i));
    return static_cast<std::size_t>(i);
  }
  std::vector<T> items_;
};
