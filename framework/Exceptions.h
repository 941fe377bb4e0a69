#pragma once

#include <stdexcept>
#include <string>

// Base of the runtime errors the framework raises; ClassName() names the error in the
// report of an unhandled exception.
class RuntimeException : public std::runtime_error {
 public:
  explicit RuntimeException(const std::string& what) : std::runtime_error(what) {}
  virtual const char* ClassName() const { return "RuntimeException"; }
};

// Raised when code uses an object that is not there (a missing control, menu item, window).
class NilObjectException : public RuntimeException {
 public:
  explicit NilObjectException(const std::string& what = "nil object") : RuntimeException(what) {}
  const char* ClassName() const override { return "NilObjectException"; }
};

// Raised by Array for an index outside 0..Ubound().
class OutOfBoundsException : public RuntimeException {
 public:
  explicit OutOfBoundsException(const std::string& what = "index out of bounds")
      : RuntimeException(what) {}
  const char* ClassName() const override { return "OutOfBoundsException"; }
};
