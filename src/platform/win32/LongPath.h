#pragma once

#include <windows.h>

#include <string>

namespace platform::win32 {

// `path` as the file functions take it beyond MAX_PATH: a full path that long gets the "\\?\"
// prefix ("\\?\UNC\" for a network path), which lifts the limit on every Windows 10. Shorter
// paths pass unchanged, so they keep the system's usual handling.
inline std::wstring ExtendedPath(const std::wstring& path) {
  // The limit of a folder name (MAX_PATH less room for an 8.3 name) is the tightest one.
  constexpr size_t kShortLimit = MAX_PATH - 12;
  if (path.size() < kShortLimit || path.starts_with(L"\\\\?\\")) return path;
  if (path.starts_with(L"\\\\")) return L"\\\\?\\UNC\\" + path.substr(2);
  if (path.size() >= 3 && path[1] == L':' && path[2] == L'\\') return L"\\\\?\\" + path;
  return path;
}

}  // namespace platform::win32
