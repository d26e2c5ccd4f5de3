// Directory searches of the Win32 file system.
#include <windows.h>

#include <memory>

#include "platform/win32/CriticalErrorMode.h"
#include "platform/win32/LongPath.h"
#include "platform/win32/Services.h"

namespace platform::win32 {

namespace {

struct FindCloser {
  void operator()(HANDLE search) const { FindClose(search); }
};
using FindHandle = std::unique_ptr<void, FindCloser>;

// Basic information only (no short names), fetched in large blocks when `large`.
FindHandle FindFirst(const std::wstring& pattern, WIN32_FIND_DATAW& data, bool large) {
  const NoCriticalErrorBoxes quiet;
  HANDLE search =
      FindFirstFileExW(ExtendedPath(pattern).c_str(), FindExInfoBasic, &data, FindExSearchNameMatch,
                       nullptr, large ? FIND_FIRST_EX_LARGE_FETCH : 0);
  return FindHandle(search == INVALID_HANDLE_VALUE ? nullptr : search);
}

void Fill(DirEntry& entry, const WIN32_FIND_DATAW& data) {
  entry.name.assign(data.cFileName);  // reuses the entry's buffer from one file to the next
  entry.attributes = data.dwFileAttributes;
  entry.size = (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
  entry.lastWrite = (static_cast<FileTime>(data.ftLastWriteTime.dwHighDateTime) << 32) |
                    data.ftLastWriteTime.dwLowDateTime;
}

}  // namespace

bool Win32FileSystem::Enumerate(const std::wstring& pattern,
                                const std::function<void(const DirEntry&)>& each) {
  WIN32_FIND_DATAW data;
  const FindHandle search = FindFirst(pattern, data, true);
  if (!search) return false;
  DirEntry entry;
  do {
    Fill(entry, data);
    each(entry);
  } while (FindNextFileW(search.get(), &data));
  return true;
}

std::optional<DirEntry> Win32FileSystem::FindEntry(const std::wstring& path) {
  WIN32_FIND_DATAW data;
  if (!FindFirst(path, data, false)) return std::nullopt;
  DirEntry entry;
  Fill(entry, data);
  return entry;
}

}  // namespace platform::win32
