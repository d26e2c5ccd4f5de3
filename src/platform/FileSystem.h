#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/DateTime.h"

namespace platform {

inline constexpr std::uint32_t kInvalidAttributes = 0xFFFFFFFFu;
inline constexpr std::uint32_t kAttrReadOnly = 0x1;
inline constexpr std::uint32_t kAttrHidden = 0x2;
inline constexpr std::uint32_t kAttrSystem = 0x4;
inline constexpr std::uint32_t kAttrDirectory = 0x10;
inline constexpr std::uint32_t kAttrArchive = 0x20;
inline constexpr std::uint32_t kAttrNormal = 0x80;
inline constexpr std::uint32_t kAttrReparsePoint = 0x400;
// The attribute mask that lets a listing pass over no entry.
inline constexpr std::uint32_t kAttrMaskAll = 0x1FF;

// The system's error code for an argument it cannot take (a time it cannot convert).
inline constexpr std::uint32_t kErrorInvalidParameter = 87;

struct DirEntry {
  std::wstring name;
  std::uint32_t attributes = 0;
  std::uint64_t size = 0;
  FileTime lastWrite = 0;
};

// Which of a file's three times to set; an empty one is left unchanged.
struct FileTimes {
  std::optional<FileTime> creation;
  std::optional<FileTime> lastAccess;
  std::optional<FileTime> lastWrite;
};

// A file being written piece by piece.
class FileWriter {
 public:
  virtual ~FileWriter() = default;
  virtual bool Write(std::string_view bytes) = 0;
  // Flushes and closes the file; false when what was written may not all be on the disk.
  virtual bool Close() = 0;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;
  // Calls `each` for every entry matching `pattern` (a folder and a wildcard), in the file
  // system's order, "." and ".." included. False when the search cannot start.
  virtual bool Enumerate(const std::wstring& pattern,
                         const std::function<void(const DirEntry&)>& each) = 0;
  // The directory entry named by `path` itself (no wildcard).
  virtual std::optional<DirEntry> FindEntry(const std::wstring& path) = 0;
  virtual std::uint32_t GetAttributes(const std::wstring& path) = 0;
  virtual bool SetAttributes(const std::wstring& path, std::uint32_t attributes) = 0;
  [[nodiscard]] bool FileExists(const std::wstring& path) {
    const std::uint32_t a = GetAttributes(path);
    return a != kInvalidAttributes && (a & kAttrDirectory) == 0;
  }
  [[nodiscard]] bool DirectoryExists(const std::wstring& path) {
    const std::uint32_t a = GetAttributes(path);
    return a != kInvalidAttributes && (a & kAttrDirectory) != 0;
  }
  // Sets the given times of a file or folder; 0 on success, else the system's error code.
  virtual std::uint32_t SetTimes(const std::wstring& path, const FileTimes& times) = 0;
  virtual std::optional<FileTime> GetCreationTime(const std::wstring& path) = 0;

  // A whole file's bytes; nothing when it cannot be read or holds more than `limit` bytes.
  virtual std::optional<std::string> ReadWholeFile(const std::wstring& path, std::size_t limit) = 0;
  // Creates or empties the file and writes `bytes` through to the disk. False on any failure,
  // which may leave the file with part of them.
  virtual bool WriteWholeFile(const std::wstring& path, std::string_view bytes) = 0;
  // Whether the existing file can be opened for writing by this program alone (not
  // read-only, not held open by another program, no folder); it is closed again at once.
  virtual bool CanOpenForWriting(const std::wstring& path) = 0;
  // Creates or empties a file for writing; null when it cannot be opened.
  virtual std::unique_ptr<FileWriter> CreateForWriting(const std::wstring& path) = 0;
  // Renames `source` to `target` in one step, replacing a file already there.
  virtual bool MoveReplacing(const std::wstring& source, const std::wstring& target) = 0;
  virtual bool RemoveFile(const std::wstring& path) = 0;
  // Creates a folder with every missing parent; true when it exists afterwards.
  virtual bool CreateFolders(const std::wstring& path) = 0;
  // The system's text for an error code.
  virtual std::wstring ErrorText(std::uint32_t code) = 0;
};

}  // namespace platform
