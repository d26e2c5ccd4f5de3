#pragma once

#include <cstddef>

// Where the file list keeps each part of an item besides its caption.
namespace listitem {

inline constexpr std::size_t kType = 0;      // the shell's type name
inline constexpr std::size_t kModified = 1;  // "dd.mm.yyyy hh:mm", local time
inline constexpr std::size_t kSize = 2;      // empty for folders and empty files
inline constexpr std::size_t kKind = 3;      // kDir or kFile; not shown
inline constexpr std::size_t kCount = 4;

inline constexpr const wchar_t* kDir = L"dir";
inline constexpr const wchar_t* kFile = L"file";

}  // namespace listitem
