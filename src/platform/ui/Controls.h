#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "platform/ui/Control.h"

namespace ui {

// A tab control, used as a styled panel that holds other controls. The windows' own carry no
// tabs, so the native peer draws the pane alone.
class TabControl : public Control {
 public:
  using Control::Control;
  [[nodiscard]] Kind GetKind() const override { return Kind::TabControl; }
  // The tabs' texts, one line per tab.
  std::vector<std::wstring> tabs;
};

class GroupBox : public CaptionedControl {
 public:
  using CaptionedControl::CaptionedControl;
  [[nodiscard]] Kind GetKind() const override { return Kind::GroupBox; }
};

enum class TextAlign { Left, Center, Right };
enum class TextLayout { Top, Bottom };

// Text on its parent's surface. The layout says which edge of the label the text sits on.
class Label : public CaptionedControl {
 public:
  using CaptionedControl::CaptionedControl;
  [[nodiscard]] Kind GetKind() const override { return Kind::Label; }
  [[nodiscard]] TextAlign Alignment() const { return alignment_; }
  void SetAlignment(TextAlign alignment) { alignment_ = alignment; }
  [[nodiscard]] TextLayout Layout() const { return layout_; }
  void SetLayout(TextLayout layout) { layout_ = layout; }

 private:
  TextAlign alignment_ = TextAlign::Left;
  TextLayout layout_ = TextLayout::Top;
};

// A label drawn as a link (link colour, underlined, hand cursor) that reports clicks.
class LinkLabel : public Label {
 public:
  LinkLabel(Component* owner, std::wstring name, Control* parent)
      : Label(owner, std::move(name), parent) {
    SetCursor(Cursor::HandPoint);
  }
  [[nodiscard]] Kind GetKind() const override { return Kind::LinkLabel; }
  void Click() const {
    if (OnClick) OnClick();
  }
  Event OnClick;
};

// An icon of the program's resources, scaled to fit, centred, on its parent's surface.
class Image : public Control {
 public:
  using Control::Control;
  [[nodiscard]] Kind GetKind() const override { return Kind::Image; }
  // The icon's resource name; empty shows nothing.
  [[nodiscard]] const std::wstring& IconResource() const { return icon_; }
  void SetIconResource(std::wstring name) {
    icon_ = std::move(name);
    Notify(Aspect::Images);
  }

 private:
  std::wstring icon_;
};

class ImageList;

// A push button; with an image list it shows one picture, centred, instead of a caption.
class Button : public CaptionedControl {
 public:
  using CaptionedControl::CaptionedControl;
  [[nodiscard]] Kind GetKind() const override { return Kind::Button; }
  void SetImage(const ImageList* images, int index) {
    images_ = images;
    imageIndex_ = index;
  }
  [[nodiscard]] const ImageList* Images() const { return images_; }
  [[nodiscard]] int ImageIndex() const { return imageIndex_; }
  void Click() const {
    if (OnClick) OnClick();
  }
  Event OnClick;
  // Enter in the window presses it.
  bool isDefault = false;

 private:
  const ImageList* images_ = nullptr;
  int imageIndex_ = -1;
};

// A flat button without focus, drawn by the program.
class SpeedButton : public CaptionedControl {
 public:
  using CaptionedControl::CaptionedControl;
  [[nodiscard]] Kind GetKind() const override { return Kind::SpeedButton; }
  void Click() const {
    if (OnClick) OnClick();
  }
  Event OnClick;

  // A button of no group is never drawn pressed: these only record what the program asked.
  bool allowAllUp = true;
  bool down = false;
};

// Two-state check box. Setting the mark by code runs no handler.
class CheckBox : public CaptionedControl {
 public:
  using CaptionedControl::CaptionedControl;
  [[nodiscard]] Kind GetKind() const override { return Kind::CheckBox; }
  [[nodiscard]] bool Checked() const { return checked_; }
  void SetChecked(bool checked) {
    if (checked == checked_) return;
    checked_ = checked;
    Notify(Aspect::Value);
  }
  // The user toggled the box.
  void UserToggle(bool checked) {
    checked_ = checked;
    if (OnClick) OnClick();
  }
  Event OnClick;

 private:
  bool checked_ = false;
};

struct StatusPanel {
  int width = 0;
  std::wstring text;
};

class StatusBar : public Control {
 public:
  using Control::Control;
  [[nodiscard]] Kind GetKind() const override { return Kind::StatusBar; }
  void AddPanel(int width) {
    panels_.push_back({width, {}});
    Notify(Aspect::Panels);
  }
  [[nodiscard]] const std::vector<StatusPanel>& Panels() const { return panels_; }
  void SetPanelText(size_t index, std::wstring text) {
    if (index >= panels_.size() || panels_[index].text == text) return;
    panels_[index].text = std::move(text);
    Notify(Aspect::Panels);
  }

 private:
  std::vector<StatusPanel> panels_;
};

// A bar showing how far something has got, from 0 to its maximum.
class ProgressBar : public Control {
 public:
  using Control::Control;
  [[nodiscard]] Kind GetKind() const override { return Kind::ProgressBar; }
  [[nodiscard]] int Max() const { return max_; }
  void SetMax(int max) {
    max_ = max;
    SetPosition(position_);
    Notify(Aspect::Value);
  }
  // Kept within 0 and the maximum.
  [[nodiscard]] int Position() const { return position_; }
  void SetPosition(std::int64_t position) {
    position_ = static_cast<int>(std::clamp<std::int64_t>(position, 0, max_));
    Notify(Aspect::Value);
  }

 private:
  int max_ = 100;
  int position_ = 0;
};

enum class TaskbarState { None, Normal };

// The progress shown on the taskbar button of the form it belongs to.
class TaskbarProgress : public Component {
 public:
  TaskbarProgress(Component* owner, std::wstring name, Control& form)
      : Component(owner, std::move(name)), form_(form) {}
  [[nodiscard]] Kind GetKind() const override { return Kind::TaskbarProgress; }
  [[nodiscard]] TaskbarState State() const { return state_; }
  void SetState(TaskbarState state) {
    state_ = state;
    Changed();
  }
  [[nodiscard]] int Max() const { return max_; }
  void SetMax(int max) {
    max_ = max;
    Changed();
  }
  [[nodiscard]] int Position() const { return position_; }
  void SetPosition(int position) {
    position_ = position;
    Changed();
  }

 private:
  void Changed() const {
    if (Peer* peer = form_.GetPeer()) peer->Update(Aspect::TaskbarProgress);
  }

  Control& form_;
  TaskbarState state_ = TaskbarState::Normal;
  int max_ = 100;
  int position_ = 0;
};

}  // namespace ui
