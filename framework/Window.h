#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <typeindex>
#include <utility>
#include <vector>

#include "framework/Control.h"
#include "framework/Exceptions.h"
#include "framework/Layout.h"

class QWidget;
class MenuBar;

// A window built from a declarative layout. Coordinates are those of the layout's content
// area, below any menu bar.
class Window {
 public:
  explicit Window(const WindowLayout& layout);
  virtual ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  // Builds the window from its layout: the window's properties, then each control in layout
  // order, then BindControls, then the controls' Open events, then the window's Open event. A
  // window whose layout makes it visible goes on screen when the event loop is back, unless
  // Show or Close comes first. The shared-instance accessor calls it; a window is built once.
  void Build();

  // Brings the window to the front (and shows it). A modal dialog does not block the caller.
  void Show();
  // Raises the Close event, then takes the window off the screen and releases it; the
  // shared-instance accessor then makes a new window. Closing a closed window does nothing.
  void Close();
  bool IsClosed() const { return closed_; }
  // Open and shown, or about to be shown once the event loop is back.
  bool IsOnScreen() const;
  // Gives the window itself the keyboard focus.
  void SetFocus();
  bool HasFocus() const;

  // Screen position of the window's frame.
  Int32 Left() const;
  void Left(Int32 v);
  Int32 Top() const;
  void Top(Int32 v);
  Int32 Width() const;
  Int32 Height() const;
  std::string Title() const { return layout_.title; }
  const WindowLayout& Layout() const { return layout_; }

  // Events, in window coordinates. MouseDown returns True when that press's MouseDrag and
  // MouseUp are wanted.
  virtual void Event_Open() {}
  virtual void Event_Close() {}
  virtual void Event_Activate() {}
  virtual bool Event_MouseDown(Int32 /*x*/, Int32 /*y*/) { return false; }
  virtual void Event_MouseDrag(Int32 /*x*/, Int32 /*y*/) {}
  virtual void Event_MouseUp(Int32 /*x*/, Int32 /*y*/) {}

  // The control of that name and control-array index (-1 for none); null when missing.
  Control* Find(std::string_view name, Int32 index = -1) const;
  // As Find, typed; raises NilObjectException, naming the control, when it is missing or of
  // another class. This is how the program reaches a control, also to bind its events: a
  // misspelt name or a control whose class changed fails here, loudly, and never leaves a
  // button silently dead.
  template <class T>
  T& Get(std::string_view name, Int32 index = -1) const {
    Control* found = Find(name, index);
    T* c = dynamic_cast<T*>(found);
    if (!c) throw NilObjectException(NoSuchControl(name, index, found != nullptr));
    return *c;
  }
  const std::vector<std::unique_ptr<Control>>& Controls() const { return controls_; }

  // Framework use.
  QWidget* Widget() const { return frame_; }
  QWidget* Content() const { return content_; }
  void DeliverMouseDown(Int32 x, Int32 y);
  void DeliverMouseDrag(Int32 x, Int32 y);
  void DeliverMouseUp(Int32 x, Int32 y);
  bool PressDefaultButton();
  void SetSharedKey(std::type_index key) { sharedKey_ = key; }

 protected:
  // Makes the control of one layout entry; a window whose layout names its own control
  // classes overrides this and falls back to it.
  virtual std::unique_ptr<Control> MakeControl(const ControlSpec& desc);
  // Runs once every control of the layout exists, before their Open events: binds the
  // window's handlers to its controls' events with On, each control reached with Get. A
  // window also gives its controls here what a layout cannot hold (a picture, an address
  // found at run time).
  virtual void BindControls() {}

  // Binds one of this window's member functions to a control's event (one of its `on...`
  // members, such as PushButton::onAction); the handler takes the event's parameters and
  // returns its result. Raises NilObjectException when the window is not a W.
  template <class W, class R, class... A>
  void On(std::function<R(A...)>& event, R (W::*handler)(A...)) {
    W* self = dynamic_cast<W*>(this);
    if (!self) throw NilObjectException("a handler of another window class in " + layout_.title);
    event = [self, handler](A... args) -> R { return (self->*handler)(std::forward<A>(args)...); };
  }

 private:
  std::string NoSuchControl(std::string_view name, Int32 index, bool otherClass) const;
  void MakeFrame();
  void AddShortcuts();
  void MakeContentArea();
  void MakeControls();
  void ShowOnceBuilt();
  void AdoptFloatingWindows();
  void Place();
  WindowLayout layout_;
  std::vector<std::unique_ptr<Control>> controls_;
  QWidget* frame_ = nullptr;
  QWidget* content_ = nullptr;
  bool built_ = false;
  bool closed_ = false;
  bool showPending_ = false;
  bool tracking_ = false;
  std::type_index sharedKey_ = typeid(void);
};

// All windows that are open, back to front.
std::vector<Window*> OpenWindows();
// The frontmost open window, or null.
Window* FrontWindow();
