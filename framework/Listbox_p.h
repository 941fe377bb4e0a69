#pragma once
// Framework-internal: the Qt side of a Listbox.

#include <QLineEdit>
#include <QPointer>
#include <QStyledItemDelegate>
#include <QTableView>

#include <string>
#include <vector>

#include "framework/Listbox.h"
#include "framework/ListboxModel_p.h"

// Creates the cell editors and sees every key typed into them before the table does.
class ListboxDelegate : public QStyledItemDelegate {
 public:
  explicit ListboxDelegate(Listbox::Impl& d) : d_(d) {}
  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override;
  void destroyEditor(QWidget* editor, const QModelIndex& index) const override;
  // Commits the open editor's text and closes it.
  void Finish(QWidget* editor);

 protected:
  bool eventFilter(QObject* object, QEvent* event) override;

 private:
  Listbox::Impl& d_;
};

struct Listbox::Impl {
  Impl(Listbox& owner, QTableView& view, std::vector<std::string> headings);
  // The view is the control's widget and outlives this, so it lets go of the delegate and the
  // model first.
  ~Impl();
  // Commits and closes the open editor, if any.
  void FinishEdit();

  Listbox& list;
  QTableView& table;
  ListboxModel model;
  ListboxDelegate delegate;
  QPointer<QLineEdit> editor;
  int editRow = -1;
  int editColumn = -1;
  // Where the last press on the table's viewport was, for the position a click reports.
  QPoint pressAt;
};
