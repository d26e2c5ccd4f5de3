#include "WindowTestSupport.h"

#include <commctrl.h>
#include <gtest/gtest.h>
#include <objbase.h>

#include <algorithm>
#include <cstring>
#include <cwchar>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <set>
#include <vector>

#include "platform/win32/ui/Dpi.h"
#include "platform/win32/ui/Handles.h"

namespace window_test {

using platform::win32::UniqueBitmap;
using platform::win32::UniqueDc;
using platform::win32::WindowDc;

GuiScope::GuiScope() : com_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {
  const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_DATE_CLASSES |
                                                           ICC_TAB_CLASSES | ICC_BAR_CLASSES |
                                                           ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
}

GuiScope::~GuiScope() {
  if (com_) CoUninitialize();
}

std::string ShippedLanguage(const std::wstring& name) {
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring path = self;
  path = path.substr(0, path.find_last_of(L'\\') + 1) + L"Language\\" + name;
  std::ifstream in(std::filesystem::path(path), std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void LetWindowsRun() {
  for (int round = 0; round < 5; ++round) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    Sleep(40);
  }
}

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

std::vector<std::wstring> MenuTexts(HMENU menu) {
  std::vector<std::wstring> texts;
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    wchar_t text[128] = {};
    GetMenuStringW(menu, static_cast<UINT>(i), text, 128, MF_BYPOSITION);
    texts.emplace_back(text);
  }
  return texts;
}

std::wstring TextOf(HWND window) {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(
      static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

ui::Rect PlaceOf(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

std::string Show(const ui::Rect& rect) {
  return std::to_string(rect.left) + "," + std::to_string(rect.top) + " " +
         std::to_string(rect.width) + "x" + std::to_string(rect.height);
}

int DpiOf(HWND window) {
  ExpectTheRunsDpi(window);
  return platform::win32::WindowDpi(window);
}

void ExpectTheRunsDpi(HWND window) {
  wchar_t asked[8] = {};
  if (GetEnvironmentVariableW(L"BRINDLOW_TEST_DPI", asked, 8) == 0) return;
  EXPECT_EQ(platform::win32::WindowDpi(window), std::wcstol(asked, nullptr, 10))
      << "the window's DPI is not the one this run is for";
}

namespace {

std::wstring ScreenshotFolder() {
  std::wstring exe(MAX_PATH, L'\0');
  exe.resize(GetModuleFileNameW(nullptr, exe.data(), static_cast<DWORD>(exe.size())));
  const std::wstring folder = exe.substr(0, exe.find_last_of(L"\\/") + 1) + L"screenshots\\";
  CreateDirectoryW(folder.c_str(), nullptr);
  return folder;
}

int CountColours(const std::vector<BYTE>& pixels, int width, int height, int stride) {
  std::set<DWORD> colours;
  for (int y = 0; y < height; ++y) {
    const BYTE* row = pixels.data() + static_cast<size_t>(y) * stride;
    for (int x = 0; x < width; ++x) {
      colours.insert(RGB(row[3 * x + 2], row[3 * x + 1], row[3 * x]));
    }
  }
  return static_cast<int>(colours.size());
}

}  // namespace

namespace {

// What the screen shows of a rectangle, as rows of pixels of `bitCount` bits, each row a
// whole number of words; the last row first when `bottomUp`.
struct Captured {
  BITMAPINFOHEADER info = {};
  std::vector<BYTE> pixels;
};

std::optional<Captured> Capture(const RECT& screen, WORD bitCount, bool bottomUp) {
  const int width = screen.right - screen.left;
  const int height = screen.bottom - screen.top;
  if (width <= 0 || height <= 0) return std::nullopt;
  const WindowDc desktop(nullptr);
  UniqueDc memory(CreateCompatibleDC(desktop.Get()));
  UniqueBitmap bitmap(CreateCompatibleBitmap(desktop.Get(), width, height));
  if (memory == nullptr || bitmap == nullptr) return std::nullopt;
  HGDIOBJ previous = SelectObject(memory.get(), bitmap.get());
  BitBlt(memory.get(), 0, 0, width, height, desktop.Get(), screen.left, screen.top, SRCCOPY);
  SelectObject(memory.get(), previous);
  Captured captured;
  BITMAPINFOHEADER& info = captured.info;
  info.biSize = sizeof info;
  info.biWidth = width;
  info.biHeight = bottomUp ? height : -height;
  info.biPlanes = 1;
  info.biBitCount = bitCount;
  info.biCompression = BI_RGB;
  const int stride = (width * bitCount / 8 + 3) & ~3;
  captured.pixels.resize(static_cast<size_t>(stride) * height);
  if (GetDIBits(memory.get(), bitmap.get(), 0, height, captured.pixels.data(),
                reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS) == 0) {
    return std::nullopt;
  }
  return captured;
}

}  // namespace

Screenshot SaveScreenshot(HWND window, const std::wstring& name) {
  RECT r;
  if (!GetWindowRect(window, &r)) return {};
  const std::optional<Captured> captured = Capture(r, 24, true);
  if (!captured) return {};
  const BITMAPINFOHEADER& info = captured->info;
  const std::vector<BYTE>& pixels = captured->pixels;
  const int width = r.right - r.left;
  const int height = r.bottom - r.top;
  const int stride = (width * 3 + 3) & ~3;
  BITMAPFILEHEADER file = {};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof file + sizeof info;
  file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());

  const std::wstring path = ScreenshotFolder() + name;
  std::ofstream out(std::filesystem::path(path), std::ios::binary);
  out.write(reinterpret_cast<const char*>(&file), sizeof file);
  out.write(reinterpret_cast<const char*>(&info), sizeof info);
  out.write(reinterpret_cast<const char*>(pixels.data()),
            static_cast<std::streamsize>(pixels.size()));
  out.close();
  if (!out) return {};
  return {path, CountColours(pixels, width, height, stride)};
}

Lightness LightnessOf(const RECT& screen) {
  const std::optional<Captured> captured = Capture(screen, 32, false);
  if (!captured) return {};
  std::vector<DWORD> pixels(captured->pixels.size() / sizeof(DWORD));
  std::memcpy(pixels.data(), captured->pixels.data(), pixels.size() * sizeof(DWORD));
  Lightness result;
  long long sum = 0;
  for (DWORD p : pixels) {
    const int r = static_cast<int>((p >> 16) & 0xFF);
    const int g = static_cast<int>((p >> 8) & 0xFF);
    const int b = static_cast<int>(p & 0xFF);
    const int lightness = (std::max({r, g, b}) + std::min({r, g, b})) / 2;
    sum += lightness;
    result.darkest = std::min(result.darkest, lightness);
    result.lightest = std::max(result.lightest, lightness);
  }
  result.mean = static_cast<int>(sum / static_cast<long long>(pixels.size()));
  return result;
}

MenuWatcher::MenuWatcher(std::function<void(HWND, HMENU)> look, std::vector<WPARAM> keys)
    : thread_([look = std::move(look), keys = std::move(keys)] {
        for (int tries = 0; tries < 250; ++tries) {
          HWND menu = FindWindowW(L"#32768", nullptr);
          if (menu != nullptr && IsWindowVisible(menu)) {
            look(menu, reinterpret_cast<HMENU>(SendMessageW(menu, MN_GETHMENU, 0, 0)));
            for (WPARAM key : keys) PostMessageW(menu, WM_KEYDOWN, key, 0);
            return;
          }
          Sleep(20);
        }
      }) {}

void ExpectDrawn(const Screenshot& shot) {
  EXPECT_FALSE(shot.path.empty()) << "no screenshot written";
  // Text, icons and frames: a drawn window has many colours; a blank one a handful.
  constexpr int kFewestOfADrawnWindow = 16;
  EXPECT_GE(shot.colours, kFewestOfADrawnWindow) << "the screenshot shows no drawn window";
}

// The size the window's text takes in its own font, on one line.
SIZE TextExtent(HWND window) {
  const std::wstring text = TextOf(window);
  const platform::win32::WindowDc dc(window);
  const platform::win32::Selected font(
      dc.Get(), reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)));
  SIZE size = {};
  GetTextExtentPoint32W(dc.Get(), text.c_str(), static_cast<int>(text.size()), &size);
  TEXTMETRICW metrics = {};
  GetTextMetricsW(dc.Get(), &metrics);
  size.cy = metrics.tmHeight;
  return size;
}

}  // namespace window_test
