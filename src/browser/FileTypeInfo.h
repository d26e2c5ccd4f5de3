#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "platform/FileSystem.h"
#include "platform/Shell.h"
#include "platform/ui/ListView.h"

// The shell's type name and icon of the items of one listing, asked only when an item is
// first shown. Where the shell's answer can depend on nothing but the extension, entries
// share one answer, asked once of a stand-in of the kind (no file of the folder is read); files
// that carry their own icon and folders that can be customised are asked about one by one.
class FileTypeInfo {
 public:
  FileTypeInfo(platform::Shell& shell, std::wstring folder)
      : shell_(shell), folder_(std::move(folder)) {}

  // Remembers what a listed item does not show: whether a folder may look like no other.
  void Note(const platform::DirEntry& entry);
  // Sets the image index and the type name of an item of this listing; without an answer
  // from the shell, no icon and an empty type.
  void Resolve(ui::ListItem& item) noexcept;

  // The type name an item shows, or will show once shown: for an item not shown yet, the
  // shell's name for its kind (one question per extension, no file opened).
  std::wstring TypeName(const ui::ListItem& item);

  // A resolver for the list view that shares this object.
  static std::function<void(ui::ListItem&)> Resolver(std::shared_ptr<FileTypeInfo> info) {
    return [info = std::move(info)](ui::ListItem& item) { info->Resolve(item); };
  }

 private:
  // The key under which the answer for an item is shared: "." and the extension for
  // files, a backslash for folders; empty when the item must be asked about on its own.
  [[nodiscard]] std::wstring SharedKey(const ui::ListItem& item) const;
  std::optional<platform::ShellFileInfo> Lookup(const ui::ListItem& item);
  // The shell's answer for the kind under `key`, asked once while it succeeds.
  const platform::ShellFileInfo* Kind(const std::wstring& key, const ui::ListItem& item);

  // The number under which an item keeps its type name (from 1).
  std::int64_t NumberOf(std::wstring name);

  platform::Shell& shell_;
  std::wstring folder_;  // ends with a backslash
  std::unordered_set<std::wstring> ownLookFolders_;
  std::unordered_map<std::wstring, platform::ShellFileInfo> kinds_;
  std::unordered_set<std::wstring> failedKinds_;  // for type names: not asked again
  // The type names of the shown items: a few dozen for a listing of any size.
  std::unordered_map<std::wstring, std::size_t> numbers_;
  std::vector<std::wstring> names_;
};
