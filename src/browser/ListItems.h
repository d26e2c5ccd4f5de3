#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "platform/ui/ListView.h"

// Where the file list keeps each part of an item besides its caption.
namespace listitem {

inline constexpr std::size_t kType = 0;      // the shell's type name
inline constexpr std::size_t kModified = 1;  // "dd.mm.yyyy hh:mm", local time
inline constexpr std::size_t kSize = 2;      // empty for folders and empty files
inline constexpr std::size_t kKind = 3;      // kDir or kFile; not shown
inline constexpr std::size_t kCount = 4;

// The item's numbers: what its columns are made from when shown.
inline constexpr std::size_t kBytes = 0;    // a file's size; 0 for folders
inline constexpr std::size_t kWritten = 1;  // the last-write instant (UTC ticks)
// The name's place among the listing's names as sorts compare them (from 1; equal names share
// it); 0 until a sort has ranked the listing.
inline constexpr std::size_t kNameRank = 2;
inline constexpr std::size_t kFolder = 3;    // 1 for a folder, 0 for a file
inline constexpr std::size_t kTypeName = 4;  // the listing's number of its type name, once shown

inline constexpr const wchar_t* kDir = L"dir";
inline constexpr const wchar_t* kFile = L"file";

// The item stands for a folder.
bool IsFolder(const ui::ListItem& item);

// The first selected item in list order: the one the editor describes and changes.
struct Selected {
  std::size_t index = 0;
  std::wstring caption;
  bool isFolder = false;
  bool operator==(const Selected&) const = default;
};
std::optional<Selected> FirstSelected(ui::ListView& list);

}  // namespace listitem
