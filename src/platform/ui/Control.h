#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "platform/ui/Component.h"

namespace ui {

struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  [[nodiscard]] int Right() const { return left + width; }
  [[nodiscard]] int Bottom() const { return top + height; }
  bool operator==(const Rect&) const = default;
};

struct Point {
  int x = 0;
  int y = 0;
  bool operator==(const Point&) const = default;
};

enum class Align { None, Top, Bottom, Left, Right, Client };

enum Anchor : unsigned { AnchorLeft = 1, AnchorTop = 2, AnchorRight = 4, AnchorBottom = 8 };
using Anchors = unsigned;

enum class Cursor { Default, HandPoint };

struct Font {
  std::wstring face;  // empty: the parent's font
  int height = 0;     // in 96-DPI pixels, negative for the character height
  bool bold = false;
  bool operator==(const Font&) const = default;
};

// What changed in a control's state, so that a native peer can mirror it.
enum class Aspect {
  Text,
  Enabled,
  Visible,
  Bounds,
  Value,
  Items,
  Selection,
  Panels,
  Font,
  Scroll,
  Focus,
  Columns,
  Images,
  EditSelection,
  WindowState,
  TaskbarProgress,
};

class Peer {
 public:
  virtual ~Peer() = default;
  virtual void Update(Aspect aspect) = 0;
};

// A component with a place in a parent control. Bounds are in 96-DPI units relative to
// the parent; the peer scales them.
class Control : public Component {
 public:
  Control(Component* owner, std::wstring name, Control* parent);

  [[nodiscard]] Control* Parent() const { return parent_; }
  // In the order they were made, which is the order they dock in.
  [[nodiscard]] const std::vector<Control*>& Children() const { return children_; }
  // The children in the order Tab goes through them: the order they were made in, unless one
  // was put elsewhere in it.
  [[nodiscard]] const std::vector<Control*>& TabOrder() const { return tabOrder_; }

  [[nodiscard]] const Rect& Bounds() const { return bounds_; }
  void SetBounds(Rect bounds);
  // Moves this control before `sibling` (of the same parent) among the parent's children:
  // nearer the edge when both dock to it, and earlier in the tab order.
  void MoveBefore(Control& sibling);
  // Puts this control at `position` in its parent's tab order, leaving where it docks.
  void SetTabOrder(std::size_t position);
  [[nodiscard]] Align GetAlign() const { return align_; }
  void SetAlign(Align align) { align_ = align; }
  [[nodiscard]] Anchors GetAnchors() const { return anchors_; }
  void SetAnchors(Anchors anchors) { anchors_ = anchors; }

  [[nodiscard]] bool Enabled() const { return enabled_; }
  // Enabled and inside enabled containers all the way up.
  [[nodiscard]] bool EffectivelyEnabled() const;
  void SetEnabled(bool enabled);
  [[nodiscard]] bool Visible() const { return visible_; }
  void SetVisible(bool visible);

  [[nodiscard]] const std::wstring& Hint() const { return hint_; }
  void SetHint(std::wstring hint);
  // What a screen reader calls a control whose caption does not say what it does (a picture,
  // a symbol, a field); empty leaves the naming to the caption.
  [[nodiscard]] const std::wstring& AccessibleName() const { return accessibleName_; }
  void SetAccessibleName(std::wstring name);
  [[nodiscard]] Cursor GetCursor() const { return cursor_; }
  void SetCursor(Cursor cursor) { cursor_ = cursor; }
  [[nodiscard]] const Font& GetFont() const { return font_; }
  // The font in effect: the own one, else the nearest parent's.
  [[nodiscard]] Font EffectiveFont() const;
  void SetFont(Font font);

  // Asks for the keyboard focus; the peer grants it when the window can take it.
  void SetFocus() const { Notify(Aspect::Focus); }

  [[nodiscard]] Peer* GetPeer() const { return peer_; }
  void AttachPeer(Peer* peer) { peer_ = peer; }

  [[nodiscard]] std::optional<std::wstring> GetText(std::wstring_view property) const override;
  bool SetText(std::wstring_view property, const std::wstring& value) override;

 protected:
  void Notify(Aspect aspect) const {
    if (peer_ != nullptr) peer_->Update(aspect);
  }

 private:
  void NotifyEnabledTree() const;

  Control* parent_;
  std::vector<Control*> children_;
  std::vector<Control*> tabOrder_;
  Rect bounds_;
  Align align_ = Align::None;
  Anchors anchors_ = AnchorLeft | AnchorTop;
  bool enabled_ = true;
  bool visible_ = true;
  std::wstring hint_;
  std::wstring accessibleName_;
  Cursor cursor_ = Cursor::Default;
  Font font_;
  Peer* peer_ = nullptr;
};

// A control that shows a caption.
class CaptionedControl : public Control {
 public:
  using Control::Control;
  [[nodiscard]] const std::wstring& Caption() const { return caption_; }
  void SetCaption(std::wstring caption);
  [[nodiscard]] std::optional<std::wstring> GetText(std::wstring_view property) const override;
  bool SetText(std::wstring_view property, const std::wstring& value) override;

 private:
  std::wstring caption_;
};

using Event = std::function<void()>;

}  // namespace ui
