#include "framework/Listbox.h"

#include <QFontMetrics>
#include <QMouseEvent>

#include "framework/ListboxImpl.h"
#include "framework/QtSupport.h"
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
  Listbox::Impl& d = *list_.impl_for_delegate();
  d.editor = editor;
  d.editRow = index.row();
  d.editColumn = index.column();
  return editor;
}

void ListboxDelegate::destroyEditor(QWidget* editor, const QModelIndex& index) const {
  Listbox::Impl& d = *list_.impl_for_delegate();
  if (d.editor == editor) {
    d.editor = nullptr;
    d.editRow = d.editColumn = -1;
  }
  QStyledItemDelegate::destroyEditor(editor, index);
}

void ListboxDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                   const QModelIndex& index) const {
  if (auto* line = qobject_cast<QLineEdit*>(editor)) {
    if (std::string* cell = list_.impl_for_delegate()->CellCopy(index.row(), index.column()))
      *cell = FromQ(line->text());
  }
  QStyledItemDelegate::setModelData(editor, model, index);
}

void ListboxDelegate::Finish(QWidget* editor) {
  emit commitData(editor);
  emit closeEditor(editor, QAbstractItemDelegate::NoHint);
}

bool ListboxDelegate::eventFilter(QObject* object, QEvent* event) {
  Listbox::Impl& d = *list_.impl_for_delegate();
  if (event->type() == QEvent::MouseButtonPress && object == d.table->viewport()) {
    d.pressAt = static_cast<QMouseEvent*>(event)->position().toPoint();
    return false;
  }
  if (event->type() == QEvent::KeyPress && object == d.editor) {
    const std::string key = KeyText(*static_cast<QKeyEvent*>(event));
    if (!key.empty() && list_.onCellKeyDown) {
      bool handled = false;
      const int row = d.editRow, column = d.editColumn;
      Runtime::Dispatch([&] { handled = list_.onCellKeyDown(row, column, key); });
      if (handled) return true;
    }
    // The table would swallow Return; it ends the edit and, as anywhere in the window, presses
    // the default button.
    if (key == "\r") {
      Finish(static_cast<QWidget*>(object));
      if (Window* window = list_.OwnerWindow()) {
        Runtime::Dispatch([window] { window->PressDefaultButton(); });
      }
      return true;
    }
  }
  return QStyledItemDelegate::eventFilter(object, event);
}

Listbox::Listbox(const ControlSpec& desc) : RectControl(desc, new QTableWidget), impl_(new Impl) {
  impl_->table = static_cast<QTableWidget*>(Widget());
  QTableWidget* t = impl_->table;
  QFont font = t->font();
  font.setPixelSize(desc.textSize > 0 ? desc.textSize : 12);
  t->setFont(font);
  const int columns = desc.rows.empty() ? 1 : static_cast<int>(desc.rows.size());
  t->setColumnCount(columns);
  QStringList headings;
  for (const auto& h : desc.rows) headings << ToQ(h);
  t->setHorizontalHeaderLabels(headings);
  t->verticalHeader()->hide();
  t->verticalHeader()->setDefaultSectionSize(QFontMetrics(font).height() + 4);
  t->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  t->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  t->setSelectionMode(QAbstractItemView::SingleSelection);
  t->setGridStyle(Qt::DotLine);
  // Editing starts only through EditCell, which the click handler calls.
  t->setEditTriggers(QAbstractItemView::NoEditTriggers);
  impl_->delegate = new ListboxDelegate(*this);
  t->setItemDelegate(impl_->delegate);
  t->viewport()->installEventFilter(impl_->delegate);
  QObject::connect(t, &QTableWidget::cellClicked, [this](int row, int column) {
    Runtime::Dispatch([&] {
      if (!onCellClick) return;
      const QRect r = impl_->table->visualRect(impl_->table->model()->index(row, column));
      const QPoint p = impl_->pressAt - r.topLeft();
      onCellClick(row, column, p.x(), p.y());
    });
  });
}

Listbox::~Listbox() {
  impl_->table->setItemDelegate(nullptr);
  delete impl_->delegate;
  delete impl_;
}

Listbox::Impl* Listbox::impl_for_delegate() const {
  return impl_;
}

Int32 Listbox::ListCount() const {
  return impl_->table->rowCount();
}
Int32 Listbox::ColumnCount() const {
  return impl_->table->columnCount();
}

std::string Listbox::Heading(Int32 column) const {
  QTableWidgetItem* item = impl_->table->horizontalHeaderItem(column);
  return item ? FromQ(item->text()) : std::string();
}

void Listbox::AddRow(const std::string& text) {
  QTableWidget* t = impl_->table;
  const int row = t->rowCount();
  t->insertRow(row);
  for (int c = 0; c < t->columnCount(); ++c) t->setItem(row, c, new QTableWidgetItem(QString()));
  t->item(row, 0)->setText(ToQ(text));
  impl_->cells.push_back(text);
  impl_->cells.resize(impl_->cells.size() + static_cast<std::size_t>(t->columnCount() - 1));
}

void Listbox::DeleteAllRows() {
  if (impl_->editor) impl_->delegate->Finish(impl_->editor);
  impl_->table->setRowCount(0);
  impl_->cells.clear();
}

std::string Listbox::Cell(Int32 row, Int32 column) const {
  if (impl_->editor && row == impl_->editRow && column == impl_->editColumn)
    return FromQ(impl_->editor->text());
  if (const std::string* cell = impl_->CellCopy(row, column)) return *cell;
  QTableWidgetItem* item = impl_->table->item(row, column);
  return item ? FromQ(item->text()) : std::string();
}

void Listbox::Cell(Int32 row, Int32 column, const std::string& text) {
  QTableWidgetItem* item = impl_->table->item(row, column);
  if (!item) return;
  item->setText(ToQ(text));
  if (std::string* cell = impl_->CellCopy(row, column)) *cell = text;
  if (impl_->editor && row == impl_->editRow && column == impl_->editColumn)
    impl_->editor->setText(ToQ(text));
}

void Listbox::EditCell(Int32 row, Int32 column) {
  QTableWidget* t = impl_->table;
  if (row < 0 || column < 0 || row >= t->rowCount() || column >= t->columnCount()) return;
  if (impl_->editor) impl_->delegate->Finish(impl_->editor);
  const QModelIndex index = t->model()->index(row, column);
  t->setCurrentIndex(index);
  t->edit(index);
  if (impl_->editor) impl_->editor->setFocus();
}

Int32 Listbox::EditRow() const {
  return impl_->editor ? impl_->editRow : -1;
}
Int32 Listbox::EditColumn() const {
  return impl_->editor ? impl_->editColumn : -1;
}
