#pragma once

#include <cstdint>
#include <optional>
#include <string>

// <windows.h> makes GetDriveType a macro; the method keeps its own name in every file.
#undef GetDriveType

namespace platform {

enum class DriveType {
  Unknown = 0,
  NoRootDir = 1,
  Removable = 2,
  Fixed = 3,
  Remote = 4,
  CdRom = 5,
  RamDisk = 6
};

class Volumes {
 public:
  virtual ~Volumes() = default;
  // The drive letters in use, one bit each: bit 0 for A:, bit 25 for Z:.
  virtual std::uint32_t PresentDrives() = 0;
  // `root` is a letter, a colon and a backslash.
  virtual DriveType GetDriveType(const std::wstring& root) = 0;
  // The volume name, or nothing when it cannot be read.
  virtual std::optional<std::wstring> GetVolumeName(const std::wstring& root) = 0;
};

}  // namespace platform
