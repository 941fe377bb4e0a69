#include "app/WindowAbout.h"

#include "app/Pictures.h"
#include "app/ProgramPage.h"
#include "framework/Dialogs.h"
#include "framework/SharedWindow.h"
#include "resources/layouts/Layouts.h"

WindowAbout::WindowAbout() : Window(WindowAboutLayout()) {}

void WindowAbout::BindControls() {
  CanvasCover().Backdrop(CoverPicture());
  LabelWebAddress().Text(ProgramPageAddress());
  On(PushButtonClose().onAction, &WindowAbout::PushButtonClose_Action);
  On(PushButtonGoThere().onAction, &WindowAbout::PushButtonGoThere_Action);
}

void WindowAbout::PushButtonClose_Action() {
  Close();
}

void WindowAbout::PushButtonGoThere_Action() {
  SharedWindow<WindowAbout>().Close();
  const std::string address = ProgramPageAddress();
  // Without a browser the page would fail to open in silence; the user can still open it.
  if (!ShowURL(address))
    MsgBox("The page could not be opened in a web browser. It is at:\r\r" + address);
}

bool WindowAbout::Event_MouseDown(Int32 /*x*/, Int32 /*y*/) {
  return true;
}

void WindowAbout::Event_MouseUp(Int32 /*x*/, Int32 /*y*/) {
  Close();
}
