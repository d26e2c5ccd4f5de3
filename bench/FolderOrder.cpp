#include "FolderOrder.h"

#include <objbase.h>

#include <algorithm>
#include <map>
#include <tuple>

#include "browser/FileTypeInfo.h"
#include "browser/ListItems.h"
#include "platform/TextCase.h"
#include "platform/win32/Services.h"

namespace bench {

namespace {

std::wstring Extension(const std::wstring& name) {
  const std::size_t dot = name.find_last_of(L'.');
  return dot == std::wstring::npos ? std::wstring() : name.substr(dot);
}

}  // namespace

FolderOrder::FolderOrder(const std::wstring& folder) {
  // The type names as the program's sort asks for them, of the program's own code.
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  platform::win32::Win32Shell shell;
  FileTypeInfo typeInfo(shell, folder);
  const auto typeName = [&](const std::wstring& name, bool isFolder) {
    ui::ListItem item;
    item.caption = name;
    item.resolved = false;
    item.numbers[listitem::kFolder] = isFolder ? 1 : 0;
    return typeInfo.TypeName(item);
  };
  std::map<std::wstring, std::wstring> types;  // by extension; folders under "\"
  WIN32_FIND_DATAW data;
  HANDLE search = FindFirstFileExW((folder + L"*.*").c_str(), FindExInfoBasic, &data,
                                   FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    const std::wstring name = data.cFileName;
    if (name == L"." || name == L"..") continue;
    const bool isFolder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    const std::wstring kind = isFolder ? L"\\" : Extension(name);
    auto type = types.find(kind);
    if (type == types.end())
      type = types.emplace(kind, platform::UpperCase(typeName(name, isFolder))).first;
    Entry entry;
    entry.name = name;
    entry.upper = platform::UpperCase(name);
    entry.upperType = type->second;
    entry.bytes =
        isFolder ? 0
                 : static_cast<std::int64_t>(
                       (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow);
    entry.written = (static_cast<std::uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) |
                    data.ftLastWriteTime.dwLowDateTime;
    entries_.push_back(std::move(entry));
  } while (FindNextFileW(search, &data));
  FindClose(search);
}

bool FolderOrder::Less(const Entry& a, const Entry& b, int column) const {
  switch (column) {
    case 1:
      return std::tie(a.upperType, a.upper) < std::tie(b.upperType, b.upper);
    case 2:
      return std::tie(a.written, a.upper) < std::tie(b.written, b.upper);
    case 3:
      return std::tie(a.bytes, a.upper) < std::tie(b.bytes, b.upper);
    default:
      return a.upper < b.upper;
  }
}

FolderOrder::Ends FolderOrder::Sorted(int column, int direction) const {
  if (entries_.empty()) return {};
  const auto [low, high] =
      std::minmax_element(entries_.begin(), entries_.end(),
                          [&](const Entry& a, const Entry& b) { return Less(a, b, column); });
  return direction > 0 ? Ends{low->name, high->name} : Ends{high->name, low->name};
}

}  // namespace bench
