#include "framework/SharedWindow.h"

#include <QObject>

#include <map>

namespace {
// Never destroyed: a window still registered when the process ends is not torn down after
// the window stack it would take itself off.
std::map<std::type_index, std::shared_ptr<Window>>& Instances() {
  static auto* instances = new std::map<std::type_index, std::shared_ptr<Window>>;
  return *instances;
}

// Holds a closed window until the event loop deletes the holder: deferred deletion waits for
// the loop that was running when the window closed, so a nested loop (a message box shown
// by the handler that closed it) does not free the window under that handler.
class ClosedWindow : public QObject {
 public:
  explicit ClosedWindow(std::shared_ptr<Window> window) : window_(std::move(window)) {}

 private:
  std::shared_ptr<Window> window_;
};
}  // namespace

namespace shared_window_detail {
Window* Find(std::type_index key) {
  auto it = Instances().find(key);
  return it == Instances().end() ? nullptr : it->second.get();
}

void Register(std::type_index key, std::shared_ptr<Window> window) {
  Instances()[key] = std::move(window);
}

// A closed shared window leaves the table at once, so that the accessor makes a new one;
// the object itself lives until the event loop is back, since its handler may still run.
void Release(Window& window) {
  for (auto it = Instances().begin(); it != Instances().end(); ++it) {
    if (it->second.get() == &window) {
      auto* held = new ClosedWindow(std::move(it->second));
      Instances().erase(it);
      held->deleteLater();
      return;
    }
  }
}

void ReleaseAll() {
  Instances().clear();
}
}  // namespace shared_window_detail
