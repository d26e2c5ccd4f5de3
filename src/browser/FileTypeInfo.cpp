#include "browser/FileTypeInfo.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "browser/ListItems.h"
#include "platform/TextCase.h"

namespace {

constexpr std::size_t kMaxTypeName = 80;
// No name holds a backslash, so no extension key can be this.
const wchar_t* const kFolderKey = L"\\";
const wchar_t* const kPlainFolderName = L"Folder";

// File types whose icon comes from the file itself (its resources, its target or an icon
// handler), so two files of the type can look different. Upper case, sorted.
constexpr std::array<std::wstring_view, 16> kOwnIconExtensions = {
    L"ANI", L"APPREF-MS",          L"CPL", L"CUR",    L"EXE", L"ICL",
    L"ICO", L"LIBRARY-MS",         L"LNK", L"MSC",    L"MSI", L"PIF",
    L"SCR", L"SEARCHCONNECTOR-MS", L"URL", L"WEBSITE"};
static_assert(std::is_sorted(kOwnIconExtensions.begin(), kOwnIconExtensions.end()));

std::wstring Extension(const std::wstring& name) {
  const std::size_t dot = name.find_last_of(L'.');
  return dot == std::wstring::npos ? std::wstring() : name.substr(dot + 1);
}

// A folder shows a look of its own through desktop.ini (honoured only on read-only or
// system folders), as a shell junction ("name.{class id}") or through what it points to.
bool MayHaveOwnLook(const platform::DirEntry& folder) {
  constexpr std::uint32_t kCustomisable =
      platform::kAttrReadOnly | platform::kAttrSystem | platform::kAttrReparsePoint;
  return (folder.attributes & kCustomisable) != 0 ||
         (!folder.name.empty() && folder.name.back() == L'}');
}

}  // namespace

void FileTypeInfo::Note(const platform::DirEntry& entry) {
  if ((entry.attributes & platform::kAttrDirectory) != 0 && MayHaveOwnLook(entry)) {
    ownLookFolders_.insert(entry.name);
  }
}

std::wstring FileTypeInfo::SharedKey(const ui::ListItem& item) const {
  if (listitem::IsFolder(item))
    return ownLookFolders_.count(item.caption) != 0 ? std::wstring() : kFolderKey;
  // The extension keeps its letter case: an unknown type's name can show it.
  const std::wstring extension = Extension(item.caption);
  const std::wstring upper = platform::UpperCase(extension);
  if (std::binary_search(kOwnIconExtensions.begin(), kOwnIconExtensions.end(),
                         std::wstring_view(upper))) {
    return {};
  }
  return L"." + extension;
}

const platform::ShellFileInfo* FileTypeInfo::Kind(const std::wstring& key,
                                                  const ui::ListItem& item) {
  if (auto known = kinds_.find(key); known != kinds_.end()) return &known->second;
  // A folder of a look of its own stands in for none: a plain name asks for the plain kind.
  const bool folder = listitem::IsFolder(item);
  const bool plain = !folder || ownLookFolders_.count(item.caption) == 0;
  auto info = shell_.GetKindInfo(plain ? item.caption : kPlainFolderName, folder);
  // Without an answer nothing is remembered: the next entry of the kind asks again.
  if (!info) return nullptr;
  return &kinds_.emplace(key, std::move(*info)).first->second;
}

std::optional<platform::ShellFileInfo> FileTypeInfo::Lookup(const ui::ListItem& item) {
  const std::wstring key = SharedKey(item);
  if (key.empty()) return shell_.GetFileInfo(folder_ + item.caption);
  if (const platform::ShellFileInfo* kind = Kind(key, item)) return *kind;
  return std::nullopt;
}

std::wstring FileTypeInfo::TypeName(const ui::ListItem& item) {
  if (item.resolved) {
    const auto number = static_cast<std::size_t>(item.numbers[listitem::kTypeName]);
    return number > 0 && number <= names_.size() ? names_[number - 1] : std::wstring();
  }
  const std::wstring key = listitem::IsFolder(item) ? kFolderKey : L"." + Extension(item.caption);
  if (failedKinds_.count(key) != 0) return {};
  const platform::ShellFileInfo* kind = Kind(key, item);
  if (kind == nullptr) {
    failedKinds_.insert(key);
    return {};
  }
  return kind->typeName.substr(0, kMaxTypeName);
}

std::int64_t FileTypeInfo::NumberOf(std::wstring name) {
  const auto [at, added] = numbers_.try_emplace(std::move(name), names_.size() + 1);
  if (added) names_.push_back(at->first);
  return static_cast<std::int64_t>(at->second);
}

void FileTypeInfo::Resolve(ui::ListItem& item) noexcept {
  try {
    const auto info = Lookup(item);
    if (!info) return;
    item.imageIndex = info->iconIndex;
    item.numbers[listitem::kTypeName] = NumberOf(info->typeName.substr(0, kMaxTypeName));
  } catch (...) {
    // Out of memory: the item stays without icon and type, as when the shell fails.
  }
}
