#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace platform::win32 {

// Answers WM_GETOBJECT for a window that is called `name` while its own text says something
// else (a field's text is its value, a list has none): the system's object for the window,
// named `name`. nullopt leaves the message to the window: another object is asked for, no
// name is given, or the window's text already says it.
std::optional<LRESULT> AnswerWithName(HWND window, WPARAM wParam, LPARAM lParam,
                                      const std::wstring& name);

}  // namespace platform::win32
