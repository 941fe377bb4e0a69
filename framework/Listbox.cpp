#include "framework/Listbox.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

#include <utility>

#include "framework/Listbox_p.h"
#include "framework/QtSupport_p.h"
#include "framework/Runtime.h"
#include "framework/Window.h"

namespace {
// The text of a typed key as the list's key handler sees it; empty for keys that type
// nothing (arrows, modifiers).
std::string KeyText(const QKeyEvent& e) {
  switch (e.key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return "\t";
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return "\r";
    default:
      return FromQ(e.text());
  }
}
}  // namespace

QWidget* ListboxDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                       const QModelIndex& index) const {
  auto* editor = new QLineEdit(parent);
  editor->setFrame(false);
  d_.editor = editor;
  d_.editRow = index.row();
  d_.editColumn = index.column();
  return editor;
}

void ListboxDelegate::destroyEditor(QWidget* editor, const QModelIndex& index) const {
  if (d_.editor == editor) {
    d_.editor = nullptr;
    d_.editRow = d_.editColumn = -1;
  }
  QStyledItemDelegate::destroyEditor(editor, index);
}

void ListboxDelegate::Finish(QWidget* editor) {
  emit commitData(editor);
  emit closeEditor(editor, QAbstractItemDelegate::NoHint);
}

bool ListboxDelegate::eventFilter(QObject* object, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress && object == d_.table.viewport()) {
    d_.pressAt = static_cast<QMouseEvent*>(event)->position().toPoint();
    return false;
  }
  if (event->type() == QEvent::KeyPress && object == d_.editor) {
    const std::string key = KeyText(*static_cast<QKeyEvent*>(event));
    Listbox& list = d_.list;
    if (!key.empty() && list.onCellKeyDown) {
      bool handled = false;
      const int row = d_.editRow, column = d_.editColumn;
      Runtime::Dispatch([&] { handled = list.onCellKeyDown(row, column, key); });
      if (handled) return true;
    }
    // The table would swallow Return; it ends the edit and, as anywhere in the window, presses
    // the default button.
    if (key == "\r") {
      Finish(static_cast<QWidget*>(object));
      if (Window* window = list.OwnerWindow()) {
        Runtime::Dispatch([window] { window->PressDefaultButton(); });
      }
      return true;
    }
  }
  return QStyledItemDelegate::eventFilter(object, event);
}

Listbox::Impl::Impl(Listbox& owner, QTableView& view, std::vector<std::string> headings)
    : list(owner), table(view), model(std::move(headings)), delegate(*this) {}

Listbox::Impl::~Impl() {
  table.setItemDelegate(nullptr);
  table.setModel(nullptr);
}

void Listbox::Impl::FinishEdit() {
  if (editor) delegate.Finish(editor);
}

Listbox::Listbox(const ControlSpec& desc)
    : RectControl(desc, new QTableView),
      impl_(std::make_unique<Impl>(*this, *static_cast<QTableView*>(Widget()), desc.rows)) {
  QTableView& t = impl_->table;
  t.setModel(&impl_->model);
  QFont font = t.font();
  font.setPixelSize(desc.textSize > 0 ? desc.textSize : 12);
  t.setFont(font);
  t.verticalHeader()->hide();
  t.verticalHeader()->setDefaultSectionSize(QFontMetrics(font).height() + 4);
  t.horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  t.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  t.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  t.setSelectionMode(QAbstractItemView::SingleSelection);
  t.setGridStyle(Qt::DotLine);
  // Editing starts only through EditCell, which the click handler calls.
  t.setEditTriggers(QAbstractItemView::NoEditTriggers);
  t.setItemDelegate(&impl_->delegate);
  t.viewport()->installEventFilter(&impl_->delegate);
  QObject::connect(&t, &QAbstractItemView::clicked, [this](const QModelIndex& index) {
    Runtime::Dispatch([&] {
      if (!onCellClick) return;
      const QPoint p = impl_->pressAt - impl_->table.visualRect(index).topLeft();
      onCellClick(index.row(), index.column(), p.x(), p.y());
    });
  });
}

Listbox::~Listbox() = default;

Int32 Listbox::ListCount() const {
  return impl_->model.Rows();
}
Int32 Listbox::ColumnCount() const {
  return impl_->model.Columns();
}

std::string Listbox::Heading(Int32 column) const {
  return impl_->model.Heading(column);
}

void Listbox::AddRow(const std::string& text) {
  impl_->model.AppendRow(text);
}

void Listbox::DeleteAllRows() {
  impl_->FinishEdit();
  impl_->model.RemoveAllRows();
}

std::string Listbox::Cell(Int32 row, Int32 column) const {
  if (impl_->editor && row == impl_->editRow && column == impl_->editColumn)
    return FromQ(impl_->editor->text());
  const std::string* text = impl_->model.Text(row, column);
  return text ? *text : std::string();
}

// The view puts the new text into an open editor of the cell, where Cell reads it.
void Listbox::Cell(Int32 row, Int32 column, const std::string& text) {
  impl_->model.SetText(row, column, text);
}

void Listbox::EditCell(Int32 row, Int32 column) {
  if (!impl_->model.Contains(row, column)) return;
  impl_->FinishEdit();
  QTableView& t = impl_->table;
  const QModelIndex index = impl_->model.index(row, column);
  t.setCurrentIndex(index);
  t.edit(index);
  if (impl_->editor) impl_->editor->setFocus();
}

Int32 Listbox::EditRow() const {
  return impl_->editor ? impl_->editRow : -1;
}
Int32 Listbox::EditColumn() const {
  return impl_->editor ? impl_->editColumn : -1;
}
