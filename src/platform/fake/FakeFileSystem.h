#pragma once

#include <map>
#include <optional>
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
  std::optional<std::string> ReadWholeFile(const std::wstring& path, std::size_t limit) override;
  bool WriteWholeFile(const std::wstring& path, std::string_view bytes) override;
  bool CanOpenForWriting(const std::wstring& path) override;
  std::unique_ptr<FileWriter> CreateForWriting(const std::wstring& path) override;
  bool MoveReplacing(const std::wstring& source, const std::wstring& target) override;
  bool RemoveFile(const std::wstring& path) override;
  bool CreateFolders(const std::wstring& path) override;

  // A file with these bytes; its folder must exist.
  void AddFileBytes(const std::wstring& path, std::string bytes);
  // The bytes of a file, or nothing when there is no such file.
  std::optional<std::string> Bytes(const std::wstring& path);

  struct Node {
    DirEntry entry;
    FileTime creation = 0;
    FileTime lastAccess = 0;
    std::vector<std::wstring> children;  // keys, in the order added
    std::string bytes;
  };
  // The entry at `path`, or null.
  Node* Find(const std::wstring& path);

  // Writes to `path` fail with the system error `code`.
  void FailWrites(const std::wstring& path, std::uint32_t code) {
    failingWrites_[Key(path)] = code;
  }
  // Reads of `path` fail, as when another program holds the file locked.
  void FailReads(const std::wstring& path) { failingReads_.insert(Key(path)); }
  std::vector<std::wstring> attributeWrites;
  // When set, the disk holds no more than this many bytes of new file content: a longer
  // write stores what fits and fails, as on a full disk.
  std::optional<std::size_t> freeSpace;

 private:
  bool IsWritableFilePlace(const std::wstring& path);
  std::map<std::wstring, std::uint32_t> failingWrites_;
  std::set<std::wstring> failingReads_;
  static std::wstring Key(const std::wstring& path);
  static std::optional<std::wstring> ParentKey(const std::wstring& key);
  Node& Add(const std::wstring& path, DirEntry entry);
  std::map<std::wstring, Node> nodes_;
};

}  // namespace platform::fake
