#pragma once

namespace ui {

// The look of every window: the system's own, or one of the program's two palettes.
enum class Style { None, Light, Dark };

}  // namespace ui
