// Whole-file reads and writes, renames and folder creation.
#include <windows.h>

#include <algorithm>
#include <memory>
#include <utility>

#include "platform/win32/CriticalErrorMode.h"
#include "platform/win32/FileHandle.h"
#include "platform/win32/Services.h"

namespace platform::win32 {

namespace {

// ReadFile and WriteFile take at most a DWORD's worth; stay well below it.
constexpr std::size_t kLargestTransfer = 1u << 30;

DWORD TransferSize(std::size_t remaining) {
  return static_cast<DWORD>(std::min(remaining, kLargestTransfer));
}

}  // namespace

std::optional<std::string> Win32FileSystem::ReadWholeFile(const std::wstring& path,
                                                          std::size_t limit) {
  const NoCriticalErrorBoxes quiet;
  const FileHandle file = OwnFile(CreateFileW(
      path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  LARGE_INTEGER size;
  if (!file || !GetFileSizeEx(file.get(), &size) ||
      static_cast<unsigned long long>(size.QuadPart) > limit) {
    return std::nullopt;
  }
  std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
  std::size_t done = 0;
  while (done < bytes.size()) {
    DWORD read = 0;
    if (!ReadFile(file.get(), bytes.data() + done, TransferSize(bytes.size() - done), &read,
                  nullptr)) {
      return std::nullopt;
    }
    if (read == 0) break;  // the file shrank meanwhile
    done += read;
  }
  bytes.resize(done);
  return bytes;
}

namespace {

FileHandle CreateEmpty(const std::wstring& path) {
  const NoCriticalErrorBoxes quiet;
  return OwnFile(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                             FILE_ATTRIBUTE_NORMAL, nullptr));
}

bool WriteAll(HANDLE file, std::string_view bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    DWORD written = 0;
    if (!WriteFile(file, bytes.data() + done, TransferSize(bytes.size() - done), &written,
                   nullptr)) {
      return false;
    }
    done += written;
  }
  return true;
}

class Win32FileWriter : public FileWriter {
 public:
  explicit Win32FileWriter(FileHandle file) : file_(std::move(file)) {}
  bool Write(std::string_view bytes) override { return file_ && WriteAll(file_.get(), bytes); }
  bool Close() override {
    const bool flushed = file_ && FlushFileBuffers(file_.get()) != FALSE;
    file_.reset();
    return flushed;
  }

 private:
  FileHandle file_;
};

}  // namespace

bool Win32FileSystem::WriteWholeFile(const std::wstring& path, std::string_view bytes) {
  const FileHandle file = CreateEmpty(path);
  // The bytes must be on the disk before a rename can put the file in another's place.
  return file && WriteAll(file.get(), bytes) && FlushFileBuffers(file.get()) != FALSE;
}

std::unique_ptr<FileWriter> Win32FileSystem::CreateForWriting(const std::wstring& path) {
  FileHandle file = CreateEmpty(path);
  if (!file) return nullptr;
  return std::make_unique<Win32FileWriter>(std::move(file));
}

bool Win32FileSystem::CanOpenForWriting(const std::wstring& path) {
  const NoCriticalErrorBoxes quiet;
  // Wine lets a read-only file be opened for writing when run as root; Windows never does.
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES ||
      (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) != 0) {
    return false;
  }
  return static_cast<bool>(OwnFile(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr,
                                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)));
}

bool Win32FileSystem::MoveReplacing(const std::wstring& source, const std::wstring& target) {
  const NoCriticalErrorBoxes quiet;
  // Windows keeps a read-only file from being replaced; Wine does not, so ask first.
  const DWORD existing = GetFileAttributesW(target.c_str());
  if (existing != INVALID_FILE_ATTRIBUTES && (existing & FILE_ATTRIBUTE_READONLY) != 0) {
    return false;
  }
  return MoveFileExW(source.c_str(), target.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}

bool Win32FileSystem::RemoveFile(const std::wstring& path) {
  const NoCriticalErrorBoxes quiet;
  return DeleteFileW(path.c_str()) != FALSE;
}

bool Win32FileSystem::CreateFolders(const std::wstring& path) {
  const NoCriticalErrorBoxes quiet;
  // Each level in turn; the drive or server part fails to be created and is passed over.
  for (std::size_t slash = path.find_first_of(L"\\/", 1); slash != std::wstring::npos;
       slash = path.find_first_of(L"\\/", slash + 1)) {
    CreateDirectoryW(path.substr(0, slash).c_str(), nullptr);
  }
  CreateDirectoryW(path.c_str(), nullptr);
  return DirectoryExists(path);
}

}  // namespace platform::win32
