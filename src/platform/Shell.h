#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace platform {

struct ShellFileInfo {
  std::wstring typeName;
  int iconIndex = -1;
};

class Shell {
 public:
  virtual ~Shell() = default;
  // Type name and system icon index of a file or folder, or nothing when the shell fails.
  virtual std::optional<ShellFileInfo> GetFileInfo(const std::wstring& path) = 0;
  // The system image list of small or large icons (a borrowed handle), or 0.
  virtual std::uintptr_t SystemImageList(bool small) = 0;
  // Opens a file with its default action.
  virtual void Open(std::uintptr_t ownerWindow, const std::wstring& file,
                    const std::wstring& directory) = 0;
  // Tells the shell that associations changed and asks the desktop to refresh.
  virtual void NotifyAssociationsChanged() = 0;
  virtual void RefreshDesktop() = 0;
};

}  // namespace platform
