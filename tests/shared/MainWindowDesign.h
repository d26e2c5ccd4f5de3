#pragma once

// The main window as designed: where each control sits at 96 DPI in the designed client area
// of 684 x 511, relative to its parent, and how it follows a larger client area. Both layout
// tests (the model's and the native windows') check against it.
#include "platform/ui/Control.h"

namespace design {

// How a control follows a client area larger than designed: growing with it or moving along.
enum Follow : unsigned { kFixed = 0, kWider = 1, kRight = 2, kTaller = 4, kLower = 8 };

struct Designed {
  const wchar_t* name;
  const wchar_t* parent;
  ui::Rect place;
  unsigned follow;
  // The window's text, null where it is not checked. A button that shows a picture or a
  // symbol does not draw its text: the text is what a screen reader calls it.
  const wchar_t* text;
};

// Docked controls carry the places that docking gives them.
inline constexpr Designed kMainWindow[] = {
    {L"TabControl12", L"Form1", {0, 0, 684, 32}, kWider, nullptr},
    {L"SpeedButton_GeneralMenu", L"TabControl12", {658, 4, 22, 24}, kRight, L"Меню"},
    {L"GroupBox2", L"Form1", {0, 32, 684, 45}, kWider, L"Путь"},
    {L"ComboBoxDrive", L"GroupBox2", {4, 16, 172, 21}, kFixed, nullptr},
    {L"ButtonUP", L"GroupBox2", {184, 15, 24, 24}, kFixed, L"Вверх"},
    {L"cbPath", L"GroupBox2", {214, 16, 439, 21}, kWider, L"C:\\"},
    {L"ButtonRefresh", L"GroupBox2", {656, 15, 24, 24}, kRight, L"Обновить"},
    {L"TabControl2", L"Form1", {0, 77, 180, 434}, kTaller, nullptr},
    {L"GroupBox1", L"TabControl2", {4, 4, 172, 125}, kFixed, L"Атрибуты"},
    {L"CheckBox_Archive", L"GroupBox1", {10, 15, 150, 17}, kFixed, L"Архивный"},
    {L"CheckBox_Hide", L"GroupBox1", {10, 32, 150, 17}, kFixed, L"Скрытый"},
    {L"CheckBox_ReadOnly", L"GroupBox1", {10, 49, 150, 17}, kFixed, L"Только для чтения"},
    {L"CheckBox_System", L"GroupBox1", {10, 66, 150, 17}, kFixed, L"Системный"},
    {L"Button_Apply", L"GroupBox1", {43, 89, 75, 25}, kFixed, L"Изменить"},
    {L"GroupBox3", L"TabControl2", {4, 129, 172, 135}, kFixed, L"Дата и Время"},
    {L"DatePicker1", L"GroupBox3", {10, 21, 150, 29}, kFixed, nullptr},
    {L"TimePicker1", L"GroupBox3", {10, 59, 150, 29}, kFixed, nullptr},
    {L"Button_DateTime", L"GroupBox3", {43, 97, 75, 25}, kFixed, L"Изменить"},
    {L"TabControl1", L"Form1", {180, 77, 504, 434}, kWider | kTaller, nullptr},
    {L"ListViewAttributes", L"TabControl1", {4, 4, 496, 407}, kWider | kTaller, nullptr},
    {L"StatusBar1", L"TabControl1", {4, 411, 496, 19}, kWider | kLower, nullptr},
};

// The control's place in a client area `dx` wider and `dy` taller than designed.
inline ui::Rect Followed(const Designed& control, int dx, int dy) {
  ui::Rect r = control.place;
  if ((control.follow & kWider) != 0) r.width += dx;
  if ((control.follow & kRight) != 0) r.left += dx;
  if ((control.follow & kTaller) != 0) r.height += dy;
  if ((control.follow & kLower) != 0) r.top += dy;
  return r;
}

}  // namespace design
