#include "framework/Window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPalette>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>
#include <QWindow>

#include <algorithm>

#include "framework/Application.h"
#include "framework/Canvas.h"
#include "framework/EditField.h"
#include "framework/Line.h"
#include "framework/Listbox.h"
#include "framework/PopupMenu.h"
#include "framework/PushButton.h"
#include "framework/QtSupport_p.h"
#include "framework/RadioButton.h"
#include "framework/Rectangle.h"
#include "framework/Runtime.h"
#include "framework/SharedWindow.h"
#include "framework/SpriteSurface.h"
#include "framework/StaticText.h"
#include "framework/Timer.h"

namespace runtime_detail {
void ScheduleLastWindowCheck();
}

namespace {
// Never destroyed, so that a window torn down as the process ends can still leave it.
std::vector<Window*>& Stack() {
  static auto* stack = new std::vector<Window*>;
  return *stack;
}

void BringToFront(Window* w) {
  auto& s = Stack();
  s.erase(std::remove(s.begin(), s.end(), w), s.end());
  s.push_back(w);
}

Window* FrontDocumentWindow(const Window* except) {
  const auto& s = Stack();
  for (auto it = s.rbegin(); it != s.rend(); ++it) {
    if (*it != except && (*it)->Layout().frame == WindowFrame::Document) return *it;
  }
  return nullptr;
}

class ContentWidget : public QWidget {
 public:
  explicit ContentWidget(Window& w) : window_(w) { setFocusPolicy(Qt::StrongFocus); }
  // The frame is sized from this, so that the layout's size is that of the content area
  // whether or not a menu bar sits above it.
  QSize sizeHint() const override { return QSize(window_.Layout().width, window_.Layout().height); }

 protected:
  void mousePressEvent(QMouseEvent* e) override {
    if (e->button() != Qt::LeftButton) return;
    const QPoint p = e->position().toPoint();
    Runtime::Dispatch([&] { window_.DeliverMouseDown(p.x(), p.y()); });
  }
  void mouseMoveEvent(QMouseEvent* e) override {
    if (!(e->buttons() & Qt::LeftButton)) return;
    const QPoint p = e->position().toPoint();
    Runtime::Dispatch([&] { window_.DeliverMouseDrag(p.x(), p.y()); });
  }
  void mouseReleaseEvent(QMouseEvent* e) override {
    if (e->button() != Qt::LeftButton) return;
    const QPoint p = e->position().toPoint();
    Runtime::Dispatch([&] { window_.DeliverMouseUp(p.x(), p.y()); });
  }

 private:
  Window& window_;
};

class FrameWidget : public QWidget {
 public:
  explicit FrameWidget(Window& w) : window_(w) {}

 protected:
  void closeEvent(QCloseEvent* e) override {
    e->ignore();
    if (!window_.IsClosed()) Runtime::Dispatch([this] { window_.Close(); });
  }
  bool event(QEvent* e) override {
    if (e->type() == QEvent::WindowActivate && !window_.IsClosed()) {
      BringToFront(&window_);
      Runtime::Dispatch([this] { window_.Event_Activate(); });
    }
    // Some window managers minimise a dialog whatever its buttons say; a modal dialog out of
    // sight would leave every other window blocked, so it comes straight back.
    if (e->type() == QEvent::WindowStateChange &&
        window_.Layout().frame == WindowFrame::ModalDialog && isMinimized()) {
      QTimer::singleShot(0, this, [this] {
        if (window_.IsClosed()) return;
        showNormal();
        raise();
        activateWindow();
      });
    }
    return QWidget::event(e);
  }
  void keyPressEvent(QKeyEvent* e) override {
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
      bool pressed = false;
      Runtime::Dispatch([&] { pressed = window_.PressDefaultButton(); });
      if (pressed) return;
    }
    QWidget::keyPressEvent(e);
  }

 private:
  Window& window_;
};
}  // namespace

Window::Window(const WindowLayout& layout) : layout_(layout) {}

Window::~Window() {
  auto& s = Stack();
  s.erase(std::remove(s.begin(), s.end(), this), s.end());
  controls_.clear();
  delete frame_;
}

void Window::Build() {
  if (built_) return;
  built_ = true;
  MakeFrame();
  MakeContentArea();
  MakeControls();
  BindControls();
  BringToFront(this);
  Place();
  if (layout_.frame == WindowFrame::Document) AdoptFloatingWindows();
  for (auto& c : controls_) {
    if (c->onOpen) c->onOpen();
  }
  Event_Open();
  if (layout_.visible && !closed_) ShowOnceBuilt();
}

// The window buttons follow the layout. A dialog offers neither minimise nor maximise, and a
// floating tool window no minimise: on this desktop such windows go with the window they
// serve, and a minimised modal dialog would leave the program blocked with nothing to show.
void Window::MakeFrame() {
  frame_ = new FrameWidget(*this);
  frame_->setWindowTitle(ToQ(layout_.title));
  Qt::WindowFlags flags = Qt::Window;
  if (layout_.frame == WindowFrame::ModalDialog) flags = Qt::Dialog;
  if (layout_.frame == WindowFrame::Floating) flags = Qt::Tool;
  flags |= Qt::WindowTitleHint | Qt::CustomizeWindowHint;
  if (layout_.closeBox) flags |= Qt::WindowCloseButtonHint;
  if (layout_.frame == WindowFrame::Document && layout_.minimizeButton)
    flags |= Qt::WindowMinimizeButtonHint;
  if (layout_.frame != WindowFrame::ModalDialog && layout_.maximizeButton && layout_.resizable)
    flags |= Qt::WindowMaximizeButtonHint;
  frame_->setWindowFlags(flags);
  if (layout_.frame == WindowFrame::ModalDialog) frame_->setWindowModality(Qt::ApplicationModal);
  AddShortcuts();
}

// The application's shortcuts work from every window, also from those without a menu bar; a
// modal dialog takes only those of the commands that still make sense behind it.
void Window::AddShortcuts() {
  Application* app = Application::Instance();
  if (!app || !app->MenuBar()) return;
  for (QAction* action : app->MenuBar()->ShortcutActions(layout_.frame == WindowFrame::ModalDialog))
    frame_->addAction(action);
}

void Window::MakeContentArea() {
  auto* box = new QVBoxLayout(frame_);
  box->setContentsMargins(0, 0, 0, 0);
  box->setSpacing(0);
  Application* app = Application::Instance();
  if (layout_.frame == WindowFrame::Document && layout_.menuBarVisible && app && app->MenuBar()) {
    box->setMenuBar(app->MenuBar()->MakeBarWidget());
  }
  content_ = new ContentWidget(*this);
  if (layout_.resizable) {
    content_->setMinimumSize(std::max(layout_.minWidth, 1), std::max(layout_.minHeight, 1));
    content_->setMaximumSize(layout_.maxWidth, layout_.maxHeight);
    content_->resize(layout_.width, layout_.height);
  } else {
    content_->setFixedSize(layout_.width, layout_.height);
    // The frame follows: a window without resizing can be neither dragged larger nor
    // maximised.
    box->setSizeConstraint(QLayout::SetFixedSize);
  }
  if (layout_.hasBackColor) {
    QPalette pal = content_->palette();
    pal.setColor(QPalette::Window, ToQ(layout_.backColor));
    content_->setPalette(pal);
    content_->setAutoFillBackground(true);
  }
  box->addWidget(content_);
  frame_->resize(frame_->sizeHint());
  // Laid out now, so that a fixed size is among the hints the desktop reads when the window
  // first appears, and the content area has its size before the window is shown.
  box->activate();
}

// Each control joins the Tab order after the last control before it that takes the focus.
void Window::MakeControls() {
  QWidget* lastInTabOrder = nullptr;
  for (const ControlSpec& desc : layout_.controls) {
    std::unique_ptr<Control> c = MakeControl(desc);
    c->AttachToWindow(*this);
    if (auto* rc = dynamic_cast<RectControl*>(c.get());
        rc && rc->Widget()->focusPolicy() != Qt::NoFocus) {
      if (lastInTabOrder) QWidget::setTabOrder(lastInTabOrder, rc->Widget());
      lastInTabOrder = rc->Widget();
    }
    controls_.push_back(std::move(c));
  }
}

// A new window goes on screen once the event loop is back, unless it was closed or shown
// before then: a window made and closed again in one handler (the first half of a
// close-then-show pair) never flashes up.
void Window::ShowOnceBuilt() {
  showPending_ = true;
  QMetaObject::invokeMethod(
      frame_,
      [this] {
        Runtime::Dispatch([this] {
          if (showPending_) Show();
        });
      },
      Qt::QueuedConnection);
}

bool Window::IsOnScreen() const {
  return !closed_ && frame_ && (showPending_ || frame_->isVisible());
}

// A window manager frames a window only once it is on screen, which grows its frame geometry
// by the title bar. Centring on the frame's top-left corner, where a window was asked to
// stand, and on the inside size gives the same place whether or not the parent has been
// framed yet; the title bars of the two windows then offset each other.
void Window::Place() {
  Window* parent = FrontDocumentWindow(this);
  if (layout_.frame == WindowFrame::Floating && parent && parent->frame_) {
    frame_->winId();
    parent->frame_->winId();
    frame_->windowHandle()->setTransientParent(parent->frame_->windowHandle());
  }
  QScreen* screen = QGuiApplication::primaryScreen();
  QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
  if (layout_.placement == WindowPlacement::ParentScreen && parent && parent->frame_->screen()) {
    area = parent->frame_->screen()->availableGeometry();
  } else if (layout_.placement != WindowPlacement::MainScreen && parent) {
    // The default place of a window: centred over the frontmost document window.
    area = QRect(parent->frame_->frameGeometry().topLeft(), parent->frame_->size());
  }
  QRect own(QPoint(0, 0), frame_->size());
  own.moveCenter(area.center());
  frame_->move(std::max(own.left(), 0), std::max(own.top(), 0));
}

// Floating windows left without a document window (it was closed) float above this one.
void Window::AdoptFloatingWindows() {
  for (Window* w : Stack()) {
    if (w == this || w->layout_.frame != WindowFrame::Floating || !w->frame_) continue;
    QWindow* handle = w->frame_->windowHandle();
    if (!handle || handle->transientParent()) continue;
    frame_->winId();
    handle->setTransientParent(frame_->windowHandle());
  }
}

void Window::Show() {
  if (closed_ || !frame_) return;
  showPending_ = false;
  BringToFront(this);
  frame_->show();
  frame_->raise();
  frame_->activateWindow();
}

void Window::Close() {
  if (closed_ || !frame_) return;
  closed_ = true;
  showPending_ = false;
  Event_Close();
  // A closed window's timers never fire again, though the object outlives this handler.
  for (auto& c : controls_) {
    if (auto* t = dynamic_cast<Timer*>(c.get())) t->Mode(TimerMode::Off);
  }
  auto& s = Stack();
  s.erase(std::remove(s.begin(), s.end(), this), s.end());
  if (layout_.frame == WindowFrame::Document && frame_->windowHandle()) {
    for (Window* w : s) {
      if (w->frame_ && w->frame_->windowHandle() &&
          w->frame_->windowHandle()->transientParent() == frame_->windowHandle())
        w->frame_->windowHandle()->setTransientParent(nullptr);
    }
  }
  frame_->hide();
  shared_window_detail::Release(*this);
  runtime_detail::ScheduleLastWindowCheck();
}

void Window::SetFocus() {
  if (content_) content_->setFocus(Qt::OtherFocusReason);
}

bool Window::HasFocus() const {
  return content_ && content_->hasFocus();
}

// Left and Top are those of the window itself, inside any frame the desktop draws round it:
// that place is known before the window is first shown, so a position read from one window
// and given to the next puts it exactly where the first one stood.
Int32 Window::Left() const {
  return frame_ ? frame_->geometry().x() : 0;
}
void Window::Left(Int32 v) {
  if (!frame_) return;
  QRect g = frame_->geometry();
  g.moveLeft(v);
  frame_->setGeometry(g);
}
Int32 Window::Top() const {
  return frame_ ? frame_->geometry().y() : 0;
}
void Window::Top(Int32 v) {
  if (!frame_) return;
  QRect g = frame_->geometry();
  g.moveTop(v);
  frame_->setGeometry(g);
}
Int32 Window::Width() const {
  return content_ ? content_->width() : layout_.width;
}
Int32 Window::Height() const {
  return content_ ? content_->height() : layout_.height;
}

std::string Window::NoSuchControl(std::string_view name, Int32 index, bool otherClass) const {
  std::string text = otherClass ? "the control " : "no control ";
  text.append(name);
  if (index >= 0) text.append("(").append(std::to_string(index)).append(")");
  if (!layout_.title.empty()) text.append(" in the window \"").append(layout_.title).append("\"");
  if (otherClass) text.append(" is of another class");
  return text;
}

Control* Window::Find(std::string_view name, Int32 index) const {
  for (const auto& c : controls_) {
    if (c->Name() == name && c->Index() == index) return c.get();
  }
  return nullptr;
}

void Window::DeliverMouseDown(Int32 x, Int32 y) {
  tracking_ = false;
  tracking_ = Event_MouseDown(x, y);
}
void Window::DeliverMouseDrag(Int32 x, Int32 y) {
  if (tracking_) Event_MouseDrag(x, y);
}
void Window::DeliverMouseUp(Int32 x, Int32 y) {
  if (!tracking_) return;
  tracking_ = false;
  Event_MouseUp(x, y);
}

bool Window::PressDefaultButton() {
  for (const auto& c : controls_) {
    auto* b = dynamic_cast<PushButton*>(c.get());
    if (b && b->IsDefault() && b->Enabled() && b->Visible()) {
      b->Push();
      return true;
    }
  }
  return false;
}

std::unique_ptr<Control> Window::MakeControl(const ControlSpec& desc) {
  switch (desc.kind) {
    case ControlKind::StaticText:
      return std::make_unique<StaticText>(desc);
    case ControlKind::PushButton:
      return std::make_unique<PushButton>(desc);
    case ControlKind::EditField:
      return std::make_unique<EditField>(desc);
    case ControlKind::RadioButton:
      return std::make_unique<RadioButton>(desc);
    case ControlKind::PopupMenu:
      return std::make_unique<PopupMenu>(desc);
    case ControlKind::Listbox:
      return std::make_unique<Listbox>(desc);
    case ControlKind::Canvas:
      return std::make_unique<Canvas>(desc);
    case ControlKind::Rectangle:
      return std::make_unique<Rectangle>(desc);
    case ControlKind::Line:
      return std::make_unique<Line>(desc);
    case ControlKind::SpriteSurface:
      return std::make_unique<SpriteSurface>(desc);
    case ControlKind::Timer:
      return std::make_unique<Timer>(desc);
  }
  throw NilObjectException("unknown control kind");
}

std::vector<Window*> OpenWindows() {
  return Stack();
}

Window* FrontWindow() {
  return Stack().empty() ? nullptr : Stack().back();
}
