#pragma once

#include <string>

#include "platform/Dispatcher.h"
#include "platform/Registry.h"
#include "platform/ui/Form.h"

// What the theme commands do once one of them is chosen: they pick a style and let the
// windows repaint in it. They never touch a window themselves.
class ThemeChoice {
 public:
  ThemeChoice(platform::Registry& registry, ui::FormHost& forms, platform::Dispatcher& dispatcher)
      : registry_(registry), forms_(forms), dispatcher_(dispatcher) {}

  // The style of the system's choice of apps. The system is asked twice, once for dark and
  // once for light, so a switch between the two questions still ends in one of the styles.
  void FollowSystem();
  void Apply(const std::wstring& styleName);

 private:
  platform::Registry& registry_;
  ui::FormHost& forms_;
  platform::Dispatcher& dispatcher_;
};
