// The drive selector: local removable and fixed drives with their labels.
#include "app/Guard.h"
#include "app/Unit_Base.h"
#include "browser/PathText.h"

namespace {

constexpr std::uintptr_t kDeviceArrival = 0x8000;
constexpr std::uintptr_t kDeviceRemoveComplete = 0x8004;

}  // namespace

void TForm1::FillDriveList() {
  ComboBoxDrive->ClearItems();
  for (wchar_t letter = L'a'; letter <= L'z'; ++letter) {
    const std::wstring root = std::wstring(1, letter) + L":\\";
    const platform::DriveType type = services.volumes.GetDriveType(root);
    if (type != platform::DriveType::Removable && type != platform::DriveType::Fixed) continue;
    const wchar_t upper = static_cast<wchar_t>(letter - L'a' + L'A');
    ComboBoxDrive->AddItem(std::wstring(1, upper) + L":\\ [" + GetVolumeLabel(letter) + L" ]");
  }
  ComboBoxDrive->SetItemIndex(0);
}

std::wstring TForm1::GetVolumeLabel(wchar_t letter) const {
  const auto label = services.volumes.GetVolumeName(std::wstring(1, letter) + L":\\");
  return label ? label->substr(0, label->find(L'\0')) : std::wstring();
}

void TForm1::ComboBoxDriveChange() {
  Guard([this] {
    const std::wstring root = ComboBoxDrive->Text().substr(0, 2) + L"\\";
    cbPath->AddItem(root);
    const auto& history = cbPath->Items();
    for (size_t i = 0; i < history.size(); ++i) {
      if (EqualsIgnoringAsciiCase(history[i], root)) {
        cbPath->SetItemIndex(static_cast<int>(i));
        break;
      }
    }
    AddFile(cbPath->Text() + L"*.*", 0x1FF);
  });
}

void TForm1::WMDeviceChange(std::uintptr_t wParam) {
  Guard([&] {
    if (wParam == kDeviceArrival || wParam == kDeviceRemoveComplete) FillDriveList();
  });
}
