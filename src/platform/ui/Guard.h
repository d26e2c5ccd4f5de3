#pragma once

#include <utility>

namespace ui {

// Runs an event handler's body and discards any failure: the window keeps the state it had
// reached, and no failure crosses into the message loop.
template <class Body>
void Guard(Body&& body) noexcept {
  try {
    std::forward<Body>(body)();
  } catch (...) {
  }
}

// The handler to bind to an event: `handler` run under Guard with the event's arguments.
template <class Handler>
auto Guarded(Handler handler) {
  return [handler = std::move(handler)](auto&&... args) noexcept {
    Guard([&] { handler(std::forward<decltype(args)>(args)...); });
  };
}

}  // namespace ui
