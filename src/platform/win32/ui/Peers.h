#pragma once

#include <memory>

#include "platform/ui/Component.h"
#include "platform/win32/ui/WindowPeer.h"

namespace platform::win32 {

using PeerMaker = std::unique_ptr<WindowPeer> (*)(ui::Control& control, FormWindow& form);

// How to make the window of a kind of control; null for kinds that have no window.
PeerMaker MakerFor(ui::Kind kind);

// The window class of a tab control's panel.
inline constexpr wchar_t kPanelClass[] = L"BrindlowPanel";

// One maker per kind, each in the file of its peer.
std::unique_ptr<WindowPeer> MakeTabControlPeer(ui::Control& control, FormWindow& form);
std::unique_ptr<WindowPeer> MakeGroupBoxPeer(ui::Control& control, FormWindow& form);
std::unique_ptr<WindowPeer> MakeLabelPeer(ui::Control& control, FormWindow& form);
std::unique_ptr<WindowPeer> MakeLinkLabelPeer(ui::Control& control, FormWindow& form);
std::unique_ptr<WindowPeer> MakeImagePeer(ui::Control& control, FormWindow& form);
std::unique_ptr<WindowPeer> MakeButtonPeer(ui::Control& control, FormWindow& form);
std::unique_ptr<WindowPeer> MakeSpeedButtonPeer(ui::Control& control, FormWindow& form);
std::unique_ptr<WindowPeer> MakeCheckBoxPeer(ui::Control& control, FormWindow& form);
std::unique_ptr<WindowPeer> MakeComboBoxPeer(ui::Control& control, FormWindow& form);
std::unique_ptr<WindowPeer> MakeDateTimePickerPeer(ui::Control& control, FormWindow& form);
std::unique_ptr<WindowPeer> MakeStatusBarPeer(ui::Control& control, FormWindow& form);
std::unique_ptr<WindowPeer> MakeListViewPeer(ui::Control& control, FormWindow& form);
std::unique_ptr<WindowPeer> MakeProgressBarPeer(ui::Control& control, FormWindow& form);

}  // namespace platform::win32
