#include "framework/SharedWindow.h"

#include <QCoreApplication>
#include <QTimer>

#include <map>

namespace {
std::map<std::type_index, std::shared_ptr<Window>>& Instances() {
  static std::map<std::type_index, std::shared_ptr<Window>> instances;
  return instances;
}
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
      std::shared_ptr<Window> keep = std::move(it->second);
      Instances().erase(it);
      QTimer::singleShot(0, QCoreApplication::instance(), [keep] {});
      return;
    }
  }
}

void ReleaseAll() {
  Instances().clear();
}
}  // namespace shared_window_detail
