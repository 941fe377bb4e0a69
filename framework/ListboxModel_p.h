#pragma once
// Framework-internal: the cells of a Listbox, the one place they are kept.

#include <QAbstractTableModel>

#include <cstddef>
#include <string>
#include <vector>

// A table of texts for a view to show and edit. The cells lie row by row in one block as the
// framework's UTF-8 strings, so that the list reads a long table straight from it; the view's
// QStrings are made only for the cells it paints or edits. The columns are fixed when it is
// made; rows are added at the end and removed all at once.
class ListboxModel : public QAbstractTableModel {
 public:
  // One column a heading, and one column when there are none.
  explicit ListboxModel(std::vector<std::string> headings);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

  int Rows() const { return static_cast<int>(cells_.size() / columns_); }
  int Columns() const { return static_cast<int>(columns_); }
  bool Contains(int row, int column) const;
  // Empty for a column without a heading.
  std::string Heading(int column) const;
  // The cell's text; null outside the table.
  const std::string* Text(int row, int column) const;
  // False, and nothing changes, outside the table.
  bool SetText(int row, int column, std::string text);
  // A row whose first cell holds the text and whose other cells are empty.
  void AppendRow(std::string first);
  void RemoveAllRows();

 private:
  // Where a cell inside the table lies in the block.
  std::size_t Offset(int row, int column) const {
    return static_cast<std::size_t>(row) * columns_ + static_cast<std::size_t>(column);
  }

  std::vector<std::string> headings_;
  std::size_t columns_;
  std::vector<std::string> cells_;
};
