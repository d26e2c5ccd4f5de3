#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace ui {
class Form;
}

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
  // The type name and system icon index the shell gives every file with the extension of
  // `name` (every folder, when `folder`) whose look is not its own: asked of a stand-in of that
  // name, so nothing on disk is read, and the size of the folder the entry lies in costs
  // nothing. Nothing when the shell fails.
  virtual std::optional<ShellFileInfo> GetKindInfo(const std::wstring& name, bool folder) = 0;
  // The system image list of small or large icons (a borrowed handle), or 0.
  virtual std::uintptr_t SystemImageList(bool small) = 0;
  // Opens a file with its default action, with `directory` as its working folder; `owner`
  // (or none) owns what the system shows.
  virtual void Open(const ui::Form* owner, const std::wstring& file,
                    const std::wstring& directory) = 0;
  // Opens a web or mail address ("https:", "mailto:") with the verb "open"; the system may
  // show its own notice when nothing can open it.
  virtual void OpenLink(const ui::Form* owner, const std::wstring& address) = 0;
  // Starts a program or script with the verb "open" and these parameters, in a normally shown
  // window or a hidden one. Whether it started is not told.
  virtual void Execute(const ui::Form* owner, const std::wstring& file,
                       const std::wstring& parameters, bool hidden) = 0;
  // Tells the shell that associations changed and asks the desktop to refresh.
  virtual void NotifyAssociationsChanged() = 0;
  virtual void RefreshDesktop() = 0;
  // The user's roaming application-data folder, or nothing when the shell cannot tell.
  virtual std::optional<std::wstring> AppDataFolder() = 0;
};

}  // namespace platform
