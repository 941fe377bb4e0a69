#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <typeindex>
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

  // Builds the window from its layout: the window's properties, then each control in
  // layout order, then the controls' Open events, then the window's Open event. A window
  // whose layout makes it visible goes on screen when the event loop is back, unless Show or
  // Close comes first. The shared-instance accessor calls it; a window is built once.
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
  virtual bool Event_MouseDown(Int32 x, Int32 y) {
    (void)x;
    (void)y;
    return false;
  }
  virtual void Event_MouseDrag(Int32 x, Int32 y) {
    (void)x;
    (void)y;
  }
  virtual void Event_MouseUp(Int32 x, Int32 y) {
    (void)x;
    (void)y;
  }

  // The control of that name and control-array index (-1 for none); null when missing.
  Control* Find(std::string_view name, Int32 index = -1) const;
  // As Find, typed; raises NilObjectException when missing or of another class.
  template <class T>
  T& Get(std::string_view name, Int32 index = -1) const {
    T* c = dynamic_cast<T*>(Find(name, index));
    if (!c)
      throw NilObjectException("no control " + std::string(name) + "(" + std::to_string(index) +
                               ") in " + layout_.title);
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
  // Binds the control's events to the window's handlers; runs right after the control is
  // made.
  virtual void BindControl(Control& control) { (void)control; }

 private:
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
