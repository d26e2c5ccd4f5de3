#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "platform/ui/Control.h"

namespace window_test {

// The common controls registered and a COM apartment for the shell, for a test's lifetime.
class GuiScope {
 public:
  GuiScope();
  ~GuiScope();
  GuiScope(const GuiScope&) = delete;
  GuiScope& operator=(const GuiScope&) = delete;

 private:
  bool com_;
};

// A language file built beside the test program, as it ships beside Brindlow.exe.
std::string ShippedLanguage(const std::wstring& name);

// Lets the windows handle what is pending, the X server's paint requests included.
void LetWindowsRun();

// The name of the window's class.
std::wstring ClassOf(HWND window);
std::wstring TextOf(HWND window);
// The captions of a menu's items, in order (separators as empty texts).
std::vector<std::wstring> MenuTexts(HMENU menu);
// The size the window's text takes in its own font, on one line.
SIZE TextExtent(HWND window);
// Where a window stands in its parent's client area.
ui::Rect PlaceOf(HWND window);
// "left,top widthxheight", for failure messages.
std::string Show(const ui::Rect& rect);

// The window's DPI, as the program sees it, checked with ExpectTheRunsDpi.
int DpiOf(HWND window);
// The test command runs the layout tests at more than one DPI, each run naming its own in the
// environment variable BRINDLOW_TEST_DPI: a test fails when its window has another, so that a
// run meant for 150 % cannot pass at 100 %.
void ExpectTheRunsDpi(HWND window);

struct Screenshot {
  std::wstring path;  // empty when it could not be written
  int colours = 0;    // distinct colours in the picture: one for a window that shows nothing
};

// Saves what the screen shows of `window` as a 24-bit BMP named `name` in the "screenshots"
// folder beside the test program, for a person to look at.
Screenshot SaveScreenshot(HWND window, const std::wstring& name);

// How light what the screen shows of a rectangle (device pixels) is: the mean lightness of
// its pixels and the darkest and lightest of them, each 0..255.
struct Lightness {
  int mean = -1;
  int darkest = 255;
  int lightest = 0;
};
Lightness LightnessOf(const RECT& screen);

// Checks that a screenshot was written and shows a drawn window, not one flat colour.
void ExpectDrawn(const Screenshot& shot);

// Waits on a thread of its own for a popup menu to open, looks at it, then presses keys in
// it (the menu's loop runs on the user-interface thread and waits for them).
class MenuWatcher {
 public:
  MenuWatcher(std::function<void(HWND window, HMENU menu)> look, std::vector<WPARAM> keys);
  ~MenuWatcher() { thread_.join(); }
  MenuWatcher(const MenuWatcher&) = delete;
  MenuWatcher& operator=(const MenuWatcher&) = delete;

 private:
  std::thread thread_;
};

}  // namespace window_test
