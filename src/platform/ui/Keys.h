#pragma once

namespace ui {

// The keys the program gives a meaning of its own; every other key is Other.
enum class Key { Other, Enter, Backspace, Up, F1, F5, F10 };

struct KeyStroke {
  Key key = Key::Other;
  bool alt = false;
  bool ctrl = false;
  bool shift = false;
};

}  // namespace ui
