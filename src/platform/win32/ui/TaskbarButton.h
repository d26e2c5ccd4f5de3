#pragma once

#include <windows.h>

#include "platform/ui/Controls.h"

struct ITaskbarList3;

namespace platform::win32 {

// The progress on a window's taskbar button.
class TaskbarButton {
 public:
  TaskbarButton() = default;
  ~TaskbarButton();
  TaskbarButton(const TaskbarButton&) = delete;
  TaskbarButton& operator=(const TaskbarButton&) = delete;

  // Shows `progress` on the button of `window`; nothing where the shell has no taskbar.
  void Show(HWND window, const ui::TaskbarProgress& progress);

 private:
  ITaskbarList3* list_ = nullptr;
  bool tried_ = false;
};

}  // namespace platform::win32
