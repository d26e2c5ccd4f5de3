// Attributes and times of single files and folders.
#include <windows.h>

#include <memory>

#include "platform/win32/CriticalErrorMode.h"
#include "platform/win32/FileHandle.h"
#include "platform/win32/LongPath.h"
#include "platform/win32/Services.h"

namespace platform::win32 {

namespace {

struct LocalFreer {
  void operator()(wchar_t* text) const { LocalFree(text); }
};

// Opens a file or folder for its metadata alone. Asking for no data access and sharing
// everything lets the times change while other programs hold the file open, and the
// read-only attribute does not guard the times. The backup flag is what lets a folder be
// opened; without the backup privilege enabled it grants nothing more.
FileHandle OpenMetadata(const std::wstring& path, DWORD access) {
  const NoCriticalErrorBoxes quiet;
  return OwnFile(CreateFileW(ExtendedPath(path).c_str(), access,
                             FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                             OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
}

FILETIME ToFiletime(FileTime t) {
  return {static_cast<DWORD>(t), static_cast<DWORD>(t >> 32)};
}

}  // namespace

std::uint32_t Win32FileSystem::GetAttributes(const std::wstring& path) {
  const NoCriticalErrorBoxes quiet;
  return GetFileAttributesW(ExtendedPath(path).c_str());
}

bool Win32FileSystem::SetAttributes(const std::wstring& path, std::uint32_t attributes) {
  const NoCriticalErrorBoxes quiet;
  return SetFileAttributesW(ExtendedPath(path).c_str(), attributes) != FALSE;
}

std::uint32_t Win32FileSystem::SetTimes(const std::wstring& path, const FileTimes& times) {
  const FileHandle file = OpenMetadata(path, FILE_WRITE_ATTRIBUTES);
  if (!file) return GetLastError();
  FILETIME creation;
  FILETIME access;
  FILETIME write;
  const auto given = [](const std::optional<FileTime>& t, FILETIME& f) -> const FILETIME* {
    if (!t) return nullptr;
    f = ToFiletime(*t);
    return &f;
  };
  if (!SetFileTime(file.get(), given(times.creation, creation), given(times.lastAccess, access),
                   given(times.lastWrite, write))) {
    return GetLastError();
  }
  return 0;
}

std::optional<FileTime> Win32FileSystem::GetCreationTime(const std::wstring& path) {
  const FileHandle file = OpenMetadata(path, FILE_READ_ATTRIBUTES);
  FILETIME creation;
  if (!file || !GetFileTime(file.get(), &creation, nullptr, nullptr)) return std::nullopt;
  return (static_cast<FileTime>(creation.dwHighDateTime) << 32) | creation.dwLowDateTime;
}

std::wstring Win32FileSystem::ErrorText(std::uint32_t code) {
  wchar_t* buffer = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  const std::unique_ptr<wchar_t, LocalFreer> owned(buffer);
  std::wstring text = length > 0 ? std::wstring(buffer, length) : std::wstring();
  while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n' || text.back() == L' ')) {
    text.pop_back();
  }
  // A code the system has no text for is still worth telling.
  return text.empty() ? std::to_wstring(code) : text;
}

}  // namespace platform::win32
