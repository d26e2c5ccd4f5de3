#include <windows.h>

#include <cwctype>
#include <utility>

#include "platform/win32/CriticalErrorMode.h"
#include "platform/win32/Services.h"

namespace platform::win32 {

namespace {

DriveType ReadDriveType(const std::wstring& root) {
  const UINT type = ::GetDriveTypeW(root.c_str());
  return type <= DRIVE_RAMDISK ? static_cast<DriveType>(type) : DriveType::Unknown;
}

std::optional<std::wstring> ReadVolumeName(const std::wstring& root) {
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

// A root as the answers are kept: "C:\\" for "c:\\".
std::wstring Key(std::wstring root) {
  if (!root.empty()) root[0] = static_cast<wchar_t>(std::towupper(root[0]));
  return root;
}

// Takes the answer kept under `key`, if there is one.
template <class Value>
std::optional<Value> Take(std::map<std::wstring, Value>& answers, const std::wstring& key) {
  const auto found = answers.find(key);
  if (found == answers.end()) return std::nullopt;
  Value value = std::move(found->second);
  answers.erase(found);
  return value;
}

}  // namespace

Win32Volumes::~Win32Volumes() {
  if (reading_.joinable()) reading_.join();
}

void Win32Volumes::ReadAhead() {
  if (reading_.joinable()) return;
  reading_ = std::thread([this] {
    const std::uint32_t present = GetLogicalDrives();
    ahead_.present = present;
    for (wchar_t letter = L'A'; letter <= L'Z'; ++letter) {
      if ((present & (1u << (letter - L'A'))) == 0) continue;
      const std::wstring root{letter, L':', L'\\'};
      const DriveType type = ReadDriveType(root);
      ahead_.types[root] = type;
      if (type == DriveType::Fixed || type == DriveType::Removable) {
        ahead_.names[root] = ReadVolumeName(root);
      }
    }
  });
}

Win32Volumes::Answers& Win32Volumes::Ahead() {
  if (reading_.joinable()) reading_.join();
  return ahead_;
}

std::uint32_t Win32Volumes::PresentDrives() {
  if (const auto present = std::exchange(Ahead().present, std::nullopt)) return *present;
  return GetLogicalDrives();
}

DriveType Win32Volumes::GetDriveType(const std::wstring& root) {
  if (const auto type = Take(Ahead().types, Key(root))) return *type;
  return ReadDriveType(root);
}

std::optional<std::wstring> Win32Volumes::GetVolumeName(const std::wstring& root) {
  if (auto name = Take(Ahead().names, Key(root))) return *name;
  return ReadVolumeName(root);
}

}  // namespace platform::win32
