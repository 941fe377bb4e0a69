#include "framework/Runtime.h"

#include <QApplication>
#include <QCoreApplication>
#include <QTimer>
#include <QWidget>

#include <cxxabi.h>

#include <cstdlib>
#include <memory>
#include <typeinfo>

#include "framework/Application.h"
#include "framework/Dialogs.h"
#include "framework/Exceptions.h"
#include "framework/QtSupport_p.h"
#include "framework/Window.h"

namespace runtime_detail {
bool& LoopRunning() {
  static bool running = false;
  return running;
}

// The program ends when, once a window has closed, no window is left on screen: otherwise
// the process would stay alive with no window and no way to quit it. A window that is open
// but hidden offers no way either.
void ScheduleLastWindowCheck() {
  if (!LoopRunning()) return;
  QTimer::singleShot(0, QCoreApplication::instance(), [] {
    if (!LoopRunning() || !Application::Instance()) return;
    for (Window* w : OpenWindows()) {
      if (w->IsOnScreen()) return;
    }
    Application::Instance()->Quit();
  });
}
}  // namespace runtime_detail

namespace {
// The source name of a class, as "std::runtime_error" rather than the compiler's mangled name.
std::string ClassName(const std::type_info& type) {
  int status = 0;
  std::unique_ptr<char, decltype(&std::free)> name(
      abi::__cxa_demangle(type.name(), nullptr, nullptr, &status), &std::free);
  return status == 0 && name ? std::string(name.get()) : std::string(type.name());
}

std::function<void(const std::string&, const std::string&)>& Reporter() {
  static std::function<void(const std::string&, const std::string&)> reporter;
  return reporter;
}

// True while the report of an unhandled exception is on screen: the program is going down,
// so no further handler runs behind the report (no timer ticks on, no second report).
bool& Reporting() {
  static bool reporting = false;
  return reporting;
}

void Report(const std::string& className, const std::string& message) {
  Reporting() = true;
  struct Done {
    ~Done() { Reporting() = false; }
  } done;
  if (Reporter()) {
    Reporter()(className, message);
  } else {
    MsgBox("An exception of class " + className +
           " was not handled. The application must shut down.\r\r" + message);
  }
  if (Application::Instance()) Application::Instance()->Quit();
}
}  // namespace

namespace Runtime {
void Init(int& argc, char** argv) {
  if (QCoreApplication::instance()) return;
  static QApplication* app = new QApplication(argc, argv);
  app->setQuitOnLastWindowClosed(false);
}

void ProgramName(const std::string& name) {
  QCoreApplication::setApplicationName(ToQ(name));
}

void Dispatch(const std::function<void()>& handler) {
  if (Reporting()) return;
  try {
    handler();
  } catch (const RuntimeException& e) {
    Report(e.ClassName(), e.what());
  } catch (const std::exception& e) {
    Report(ClassName(typeid(e)), e.what());
  } catch (...) {
    Report("unknown", "");
  }
}

void OnUnhandledException(std::function<void(const std::string&, const std::string&)> reporter) {
  Reporter() = std::move(reporter);
}

void ProcessEvents() {
  for (int i = 0; i < 3; ++i) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents(QEventLoop::AllEvents);
  }
}
}  // namespace Runtime
