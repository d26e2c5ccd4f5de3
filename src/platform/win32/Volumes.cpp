#include <windows.h>

#include "platform/win32/CriticalErrorMode.h"
#include "platform/win32/Services.h"

namespace platform::win32 {

std::uint32_t Win32Volumes::PresentDrives() {
  return GetLogicalDrives();
}

DriveType Win32Volumes::GetDriveType(const std::wstring& root) {
  const UINT type = ::GetDriveTypeW(root.c_str());
  return type <= DRIVE_RAMDISK ? static_cast<DriveType>(type) : DriveType::Unknown;
}

std::optional<std::wstring> Win32Volumes::GetVolumeName(const std::wstring& root) {
  constexpr DWORD kBuffer = 260;
  wchar_t name[kBuffer] = {};
  wchar_t fileSystem[kBuffer] = {};
  DWORD serial = 0;
  DWORD maxComponent = 0;
  DWORD flags = 0;
  const NoCriticalErrorBoxes quiet;
  if (!GetVolumeInformationW(root.c_str(), name, kBuffer, &serial, &maxComponent, &flags,
                             fileSystem, kBuffer)) {
    return std::nullopt;
  }
  name[kBuffer - 1] = L'\0';
  return std::wstring(name);
}

}  // namespace platform::win32
