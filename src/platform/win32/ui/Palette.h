#pragma once

#include <windows.h>

#include "platform/ui/Style.h"
#include "platform/win32/ui/Handles.h"

namespace platform::win32 {

// The colours that every control of a form draws with.
struct PaletteColours {
  COLORREF window;    // the form's own surface
  COLORREF panel;     // the panes that hold controls
  COLORREF text;      // captions on either
  COLORREF grayText;  // captions of disabled controls
  COLORREF field;     // edit fields, lists, pickers
  COLORREF fieldText;
  COLORREF border;         // frames of fields, buttons and groups
  COLORREF button;         // push buttons at rest
  COLORREF buttonHot;      // under the mouse
  COLORREF buttonPressed;  // held down
  COLORREF accent;         // a check box's mark
  COLORREF accentText;     // the tick on the accent
  COLORREF selection;      // selected rows and menu items
  COLORREF selectionText;
  COLORREF link;
  COLORREF heading;  // a calendar's title strip, and the names of its days
  COLORREF headingText;
  COLORREF menu;
  COLORREF tooltip;
  COLORREF tooltipText;
};

// A style's colours and their brushes. Without a style they are the system's own colours.
class Palette : public PaletteColours {
 public:
  explicit Palette(ui::Style style = ui::Style::None);

  [[nodiscard]] ui::Style Style() const { return style_; }
  // One of the program's styles, drawn by the program where the system would draw its own.
  [[nodiscard]] bool Styled() const { return style_ != ui::Style::None; }
  [[nodiscard]] bool Dark() const { return style_ == ui::Style::Dark; }

  [[nodiscard]] HBRUSH WindowBrush() const { return windowBrush_.get(); }
  [[nodiscard]] HBRUSH PanelBrush() const { return panelBrush_.get(); }
  [[nodiscard]] HBRUSH FieldBrush() const { return fieldBrush_.get(); }
  [[nodiscard]] HBRUSH BorderBrush() const { return borderBrush_.get(); }
  [[nodiscard]] HBRUSH MenuBrush() const { return menuBrush_.get(); }

 private:
  ui::Style style_;
  UniqueBrush windowBrush_;
  UniqueBrush panelBrush_;
  UniqueBrush fieldBrush_;
  UniqueBrush borderBrush_;
  UniqueBrush menuBrush_;
};

// Fills `rect` with one colour.
void FillColour(HDC dc, const RECT& rect, COLORREF colour);

}  // namespace platform::win32
