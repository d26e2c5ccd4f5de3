#include "settings/SettingsPath.h"

#include "info/FileInfoUtils.h"

namespace settings {

std::wstring FolderOf(const std::wstring& path) {
  const size_t slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash + 1);
}

namespace {

std::wstring WithBackslash(std::wstring text) {
  if (!text.ends_with(L'\\')) text += L'\\';
  return text;
}

// A lone backslash, the current drive's root, when the shell cannot tell.
std::wstring GetAppDataFolder(platform::Shell& shell) {
  return WithBackslash(shell.AppDataFolder().value_or(L""));
}

}  // namespace

bool DetectPortableMode(platform::FileSystem& files, platform::Process& process) {
  return files.FileExists(FolderOf(process.ExecutablePath()) + L"portable.ini");
}

std::wstring PortablePath(const PathServices& services, bool portableMode,
                          std::wstring_view applicationTitle) {
  const std::wstring exe = services.process.ExecutablePath();
  const std::wstring folder = portableMode
                                  ? FolderOf(exe) + L"Config"
                                  : GetAppDataFolder(services.shell) +
                                        WithBackslash(GetCompanyName(services.versions, exe)) +
                                        std::wstring(applicationTitle) + L"\\Config";
  services.files.CreateFolders(folder);
  return folder + L"\\Option.ini";
}

}  // namespace settings
