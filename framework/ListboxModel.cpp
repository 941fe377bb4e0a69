#include "framework/ListboxModel_p.h"

#include <algorithm>
#include <utility>

#include "framework/QtSupport_p.h"

ListboxModel::ListboxModel(std::vector<std::string> headings)
    : headings_(std::move(headings)), columns_(std::max<std::size_t>(1, headings_.size())) {}

int ListboxModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : Rows();
}

int ListboxModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : Columns();
}

QVariant ListboxModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole && role != Qt::EditRole) return QVariant();
  const std::string* text = Text(index.row(), index.column());
  return text ? QVariant(ToQ(*text)) : QVariant();
}

bool ListboxModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (role != Qt::EditRole) return false;
  return SetText(index.row(), index.column(), FromQ(value.toString()));
}

QVariant ListboxModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
      static_cast<std::size_t>(section) < headings_.size())
    return ToQ(headings_[static_cast<std::size_t>(section)]);
  return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags ListboxModel::flags(const QModelIndex& index) const {
  if (!Contains(index.row(), index.column())) return Qt::NoItemFlags;
  return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable;
}

std::string ListboxModel::Heading(int column) const {
  if (column < 0 || static_cast<std::size_t>(column) >= headings_.size()) return std::string();
  return headings_[static_cast<std::size_t>(column)];
}

bool ListboxModel::Contains(int row, int column) const {
  return row >= 0 && column >= 0 && row < Rows() && column < Columns();
}

const std::string* ListboxModel::Text(int row, int column) const {
  if (!Contains(row, column)) return nullptr;
  return &cells_[Offset(row, column)];
}

bool ListboxModel::SetText(int row, int column, std::string text) {
  if (!Contains(row, column)) return false;
  cells_[Offset(row, column)] = std::move(text);
  const QModelIndex changed = index(row, column);
  emit dataChanged(changed, changed, {Qt::DisplayRole, Qt::EditRole});
  return true;
}

void ListboxModel::AppendRow(std::string first) {
  const int row = Rows();
  beginInsertRows(QModelIndex(), row, row);
  cells_.push_back(std::move(first));
  cells_.resize(cells_.size() + columns_ - 1);
  endInsertRows();
}

void ListboxModel::RemoveAllRows() {
  if (cells_.empty()) return;
  beginRemoveRows(QModelIndex(), 0, Rows() - 1);
  cells_.clear();
  endRemoveRows();
}
