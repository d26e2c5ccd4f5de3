#include "app/Unit_Base.h"

namespace {

constexpr unsigned kWmDeviceChange = 0x219;

}  // namespace

void TForm1::ConnectBrowserEvents() {
  ComboBoxDrive->OnChange = [this] { ComboBoxDriveChange(); };
  ListViewAttributes->OnColumnClick = [this](int column) { ListViewAttributesColumnClick(column); };
  messageHandlers[kWmDeviceChange] = [this](std::uintptr_t wParam, std::intptr_t) {
    WMDeviceChange(wParam);
  };
}
