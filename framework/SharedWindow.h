#pragma once

#include <memory>
#include <typeindex>

#include "framework/Window.h"

namespace shared_window_detail {
Window* Find(std::type_index key);
void Register(std::type_index key, std::shared_ptr<Window> window);
void Release(Window& window);
}  // namespace shared_window_detail

// The shared instance of a window class: the open one, or a new one built from its layout.
// After Close the next call makes a new window, also within the same handler.
template <class W>
W& SharedWindow() {
  const std::type_index key(typeid(W));
  if (Window* w = shared_window_detail::Find(key)) return static_cast<W&>(*w);
  auto window = std::make_shared<W>();
  window->SetSharedKey(key);
  shared_window_detail::Register(key, window);
  // A window that cannot be built (a control its code binds is missing) is not kept: the
  // next call tries afresh.
  try {
    window->Build();
  } catch (...) {
    shared_window_detail::Release(*window);
    throw;
  }
  return *window;
}
