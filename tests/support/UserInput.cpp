#include "tests/support/UserInput.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>
#include <QKeySequence>
#include <QLineEdit>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include "framework/Listbox.h"
#include "framework/PopupMenu.h"
#include "framework/PushButton.h"
#include "framework/QtSupport_p.h"
#include "framework/RectControl.h"
#include "framework/StaticText.h"
#include "framework/Window.h"

namespace {
void Settle() {
  QCoreApplication::processEvents();
}

// Mouse events enter at the top-level window, so that the toolkit picks the widget under the
// pointer just as it does for a real pointer.
QWindow* NativeWindow(Window& window) {
  QWidget* frame = window.Widget();
  frame->winId();
  return frame->windowHandle();
}

QPoint FramePoint(Window& window, Int32 x, Int32 y) {
  return window.Content()->mapTo(window.Widget(), QPoint(x, y));
}

QWidget* KeyTarget(Window& window) {
  if (QWidget* focus = window.Widget()->focusWidget()) return focus;
  return window.Content();
}

QAbstractItemView& TableOf(Listbox& list) {
  return *static_cast<QAbstractItemView*>(list.Widget());
}

QWidget* OpenEditor(Listbox& list) {
  if (list.EditRow() < 0) return nullptr;
  QAbstractItemView& table = TableOf(list);
  return table.indexWidget(table.model()->index(list.EditRow(), list.EditColumn()));
}

void SendKey(QWidget* target, const std::string& name) {
  const QString text = ToQ(name);
  if (text.size() == 1) {
    QTest::keyClick(target, text.at(0).toLatin1());
    return;
  }
  const QKeySequence sequence = QKeySequence::fromString(text, QKeySequence::PortableText);
  if (sequence.isEmpty()) return;
  Qt::Key key = sequence[0].key();
  const Qt::KeyboardModifiers modifiers = sequence[0].keyboardModifiers();
  // A keyboard reports Shift+Tab as Backtab.
  if (key == Qt::Key_Tab && (modifiers & Qt::ShiftModifier)) key = Qt::Key_Backtab;
  QTest::keyClick(target, key, modifiers);
}

PicturePtr PictureOf(const QImage& image) {
  auto picture = NewPicture(image.width(), image.height(), 32);
  picture->impl().image = image.convertToFormat(QImage::Format_RGB32);
  picture->Touch();
  return picture;
}
}  // namespace

namespace UserInput {
void MouseDown(Window& window, Int32 x, Int32 y) {
  QTest::mousePress(NativeWindow(window), Qt::LeftButton, {}, FramePoint(window, x, y));
  Settle();
}

void MouseMove(Window& window, Int32 x, Int32 y) {
  QTest::mouseMove(NativeWindow(window), FramePoint(window, x, y));
  Settle();
}

void MouseUp(Window& window, Int32 x, Int32 y) {
  QTest::mouseRelease(NativeWindow(window), Qt::LeftButton, {}, FramePoint(window, x, y));
  Settle();
}

void Click(Window& window, Int32 x, Int32 y) {
  MouseDown(window, x, y);
  MouseUp(window, x, y);
}

void Click(PushButton& button) {
  QTest::mouseClick(button.Widget(), Qt::LeftButton);
  Settle();
}

void CloseBox(Window& window) {
  window.Widget()->close();
  Settle();
}

void ClickCell(Listbox& list, Int32 row, Int32 column, Int32 x, Int32 y) {
  Window* window = list.OwnerWindow();
  if (!window) return;
  QAbstractItemView& table = TableOf(list);
  const QRect cell = table.visualRect(table.model()->index(row, column));
  const QPoint at = table.viewport()->mapTo(window->Content(), cell.topLeft() + QPoint(x, y));
  Click(*window, at.x(), at.y());
}

void PressKey(Window& window, const std::string& key) {
  SendKey(KeyTarget(window), key);
  Settle();
}

void PressKey(Listbox& list, const std::string& key) {
  if (QWidget* editor = OpenEditor(list)) SendKey(editor, key);
  Settle();
}

void TypeText(Window& window, const std::string& text) {
  QTest::keyClicks(KeyTarget(window), ToQ(text));
  Settle();
}

void TypeText(Listbox& list, const std::string& text) {
  if (QWidget* editor = OpenEditor(list)) QTest::keyClicks(editor, ToQ(text));
  Settle();
}

void ChoosePopupRow(PopupMenu& popup, Int32 row) {
  auto* combo = static_cast<QComboBox*>(popup.Widget());
  if (row < 0 || row >= combo->count()) return;
  combo->showPopup();
  QAbstractItemView* view = combo->view();
  const QRect cell = view->visualRect(view->model()->index(row, combo->modelColumn()));
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell.center());
  Settle();
}

PicturePtr Grab(RectControl& control) {
  return PictureOf(control.Widget()->grab().toImage());
}

PicturePtr Grab(Window& window) {
  return PictureOf(window.Content()->grab().toImage());
}

Int32 TextWidth(const StaticText& label, const std::string& text) {
  return label.Widget()->fontMetrics().horizontalAdvance(ToQ(text));
}
}  // namespace UserInput
