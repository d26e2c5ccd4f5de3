#include <utility>

#include "platform/win32/ui/Peers.h"

namespace platform::win32 {

PeerMaker MakerFor(ui::Kind kind) {
  static constexpr std::pair<ui::Kind, PeerMaker> kMakers[] = {
      {ui::Kind::TabControl, MakeTabControlPeer},
      {ui::Kind::GroupBox, MakeGroupBoxPeer},
      {ui::Kind::Label, MakeLabelPeer},
      {ui::Kind::LinkLabel, MakeLinkLabelPeer},
      {ui::Kind::Image, MakeImagePeer},
      {ui::Kind::Button, MakeButtonPeer},
      {ui::Kind::SpeedButton, MakeSpeedButtonPeer},
      {ui::Kind::CheckBox, MakeCheckBoxPeer},
      {ui::Kind::ComboBox, MakeComboBoxPeer},
      {ui::Kind::DateTimePicker, MakeDateTimePickerPeer},
      {ui::Kind::StatusBar, MakeStatusBarPeer},
      {ui::Kind::ListView, MakeListViewPeer},
      {ui::Kind::ProgressBar, MakeProgressBarPeer},
  };
  for (const auto& [k, maker] : kMakers) {
    if (k == kind) return maker;
  }
  return nullptr;
}

}  // namespace platform::win32
