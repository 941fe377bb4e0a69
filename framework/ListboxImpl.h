#pragma once
// Framework-internal: the Qt side of a Listbox.

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QStyledItemDelegate>
#include <QTableWidget>

#include <string>
#include <vector>

#include "framework/Listbox.h"

// Creates the cell editors and sees every key typed into them before the table does.
class ListboxDelegate : public QStyledItemDelegate {
 public:
  explicit ListboxDelegate(Listbox& list) : list_(list) {}
  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override;
  void destroyEditor(QWidget* editor, const QModelIndex& index) const override;
  // An edit's text goes into the list's own copy of the cells as well as into the table.
  void setModelData(QWidget* editor, QAbstractItemModel* model,
                    const QModelIndex& index) const override;
  // Commits the open editor's text and closes it.
  void Finish(QWidget* editor);

 protected:
  bool eventFilter(QObject* object, QEvent* event) override;

 private:
  Listbox& list_;
};

struct Listbox::Impl {
  QTableWidget* table = nullptr;
  ListboxDelegate* delegate = nullptr;
  QPointer<QLineEdit> editor;
  // The cells' texts row by row, as the table shows them: reading a long table from one
  // block is several times faster than asking the table's items.
  std::vector<std::string> cells;
  // The copy of one cell's text; null outside the table. The copy follows rows added at the
  // end and deleted all at once, the only changes the list makes to its rows; should the
  // table ever hold other rows, it is null too and the table is read instead.
  std::string* CellCopy(int row, int column) {
    const int rows = table->rowCount(), columns = table->columnCount();
    if (row < 0 || column < 0 || row >= rows || column >= columns) return nullptr;
    if (cells.size() != static_cast<std::size_t>(rows) * static_cast<std::size_t>(columns))
      return nullptr;
    return &cells[static_cast<std::size_t>(row) * static_cast<std::size_t>(columns) +
                  static_cast<std::size_t>(column)];
  }
  int editRow = -1;
  int editColumn = -1;
  // Where the last press on the table's viewport was, for the position a click reports.
  QPoint pressAt;
};
