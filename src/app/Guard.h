#pragma once

// Runs an event handler's body and discards any failure: the window keeps the state it
// had reached, and no failure crosses into the message loop.
template <class Body>
void Guard(Body&& body) noexcept {
  try {
    body();
  } catch (...) {
  }
}
