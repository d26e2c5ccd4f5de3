// The drive selector: local removable and fixed drives with their labels.
#include "browser/FolderBrowser.h"
#include "browser/PathText.h"

void FolderBrowser::FillDriveList() {
  ui_.drives.ClearItems();
  // Asking only the letters in use: asking each of the 26 costs a round trip to the system.
  const std::uint32_t present = services_.volumes.PresentDrives();
  for (wchar_t letter = L'a'; letter <= L'z'; ++letter) {
    if ((present & (1u << (letter - L'a'))) == 0) continue;
    const std::wstring root = std::wstring(1, letter) + L":\\";
    const platform::DriveType type = services_.volumes.GetDriveType(root);
    if (type != platform::DriveType::Removable && type != platform::DriveType::Fixed) continue;
    const wchar_t upper = static_cast<wchar_t>(letter - L'a' + L'A');
    ui_.drives.AddItem(std::wstring(1, upper) + L":\\ [" + GetVolumeLabel(letter) + L" ]");
  }
  ui_.drives.SetItemIndex(0);
}

std::wstring FolderBrowser::GetVolumeLabel(wchar_t letter) const {
  const auto label = services_.volumes.GetVolumeName(std::wstring(1, letter) + L":\\");
  return label ? label->substr(0, label->find(L'\0')) : std::wstring();
}

void FolderBrowser::OpenSelectedDrive() {
  const std::wstring root = ui_.drives.Text().substr(0, 2) + L"\\";
  ui_.path.AddItem(root);
  const auto& history = ui_.path.Items();
  for (size_t i = 0; i < history.size(); ++i) {
    if (EqualsIgnoringAsciiCase(history[i], root)) {
      ui_.path.SetItemIndex(static_cast<int>(i));
      break;
    }
  }
  List(ui_.path.Text() + L"*.*", platform::kAttrMaskAll);
}
