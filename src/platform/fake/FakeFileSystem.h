#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/FileSystem.h"

namespace platform::fake {

// An in-memory file system. Paths are compared without regard to case, as on Windows;
// a folder lists its entries in the order they were added.
class FakeFileSystem : public FileSystem {
 public:
  void AddFolder(const std::wstring& path, FileTime lastWrite = 0,
                 std::uint32_t attributes = kAttrDirectory);
  void AddFile(const std::wstring& path, std::uint64_t size = 0, FileTime lastWrite = 0,
               std::uint32_t attributes = kAttrArchive);
  void Remove(const std::wstring& path);

  bool Enumerate(const std::wstring& pattern,
                 const std::function<void(const DirEntry&)>& each) override;
  std::optional<DirEntry> FindEntry(const std::wstring& path) override;
  std::uint32_t GetAttributes(const std::wstring& path) override;
  bool SetAttributes(const std::wstring& path, std::uint32_t attributes) override;
  std::uint32_t SetTimes(const std::wstring& path, const FileTimes& times) override;
  std::optional<FileTime> GetCreationTime(const std::wstring& path) override;
  std::wstring ErrorText(std::uint32_t code) override;

  struct Node {
    DirEntry entry;
    FileTime creation = 0;
    FileTime lastAccess = 0;
    std::vector<std::wstring> children;  // keys, in the order added
  };
  // The entry at `path`, or null.
  Node* Find(const std::wstring& path);

  // Writes to `path` fail with the system error `code`.
  void FailWrites(const std::wstring& path, std::uint32_t code) {
    failingWrites_[Key(path)] = code;
  }
  std::vector<std::wstring> attributeWrites;

 private:
  std::map<std::wstring, std::uint32_t> failingWrites_;
  static std::wstring Key(const std::wstring& path);
  Node& Add(const std::wstring& path, DirEntry entry);
  std::map<std::wstring, Node> nodes_;
};

}  // namespace platform::fake
