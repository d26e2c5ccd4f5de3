#include "RealSystem.h"

#include <gtest/gtest.h>

namespace real_system {

namespace {

void SetWritten(HANDLE entry, std::optional<platform::FileTime> written) {
  if (!written) return;
  const FILETIME time = ToFiletime(*written);
  SetFileTime(entry, nullptr, nullptr, &time);
}

void RemoveTree(const std::wstring& folder) {
  WIN32_FIND_DATAW data;
  HANDLE search = FindFirstFileW((folder + L"*").c_str(), &data);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = data.cFileName;
      if (name == L"." || name == L"..") continue;
      const std::wstring path = folder + name;
      SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
      if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        RemoveTree(path + L"\\");
      } else {
        DeleteFileW(path.c_str());
      }
    } while (FindNextFileW(search, &data));
    FindClose(search);
  }
  RemoveDirectoryW(folder.c_str());
}

}  // namespace

platform::FileTime Utc(int year, int month, int day, int hour, int minute, int second,
                       int millisecond) {
  const SYSTEMTIME t = {
      static_cast<WORD>(year),   static_cast<WORD>(month),      0,
      static_cast<WORD>(day),    static_cast<WORD>(hour),       static_cast<WORD>(minute),
      static_cast<WORD>(second), static_cast<WORD>(millisecond)};
  FILETIME f = {};
  SystemTimeToFileTime(&t, &f);
  return FromFiletime(f);
}

FILETIME ToFiletime(platform::FileTime time) {
  return {static_cast<DWORD>(time), static_cast<DWORD>(time >> 32)};
}

platform::FileTime FromFiletime(const FILETIME& time) {
  return (static_cast<platform::FileTime>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

TempFolder::TempFolder() {
  static int made = 0;
  wchar_t temp[MAX_PATH + 1];
  const DWORD length = GetTempPathW(MAX_PATH + 1, temp);
  path_ = std::wstring(temp, length) + L"brindlow-test-" + std::to_wstring(GetCurrentProcessId()) +
          L"-" + std::to_wstring(++made) + L"\\";
  CreateDirectoryW(path_.c_str(), nullptr);
}

TempFolder::~TempFolder() {
  RemoveTree(path_);
}

std::wstring TempFolder::MakeFile(const std::wstring& name, DWORD size, DWORD attributes,
                                  std::optional<platform::FileTime> written) const {
  const std::wstring path = path_ + name;
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    ADD_FAILURE() << "cannot make the test file " << testing::PrintToString(path);
    return path;
  }
  SetFilePointer(file, static_cast<LONG>(size), nullptr, FILE_BEGIN);
  SetEndOfFile(file);
  SetWritten(file, written);
  CloseHandle(file);
  SetFileAttributesW(path.c_str(), attributes);
  return path;
}

std::wstring TempFolder::MakeFolder(const std::wstring& name,
                                    std::optional<platform::FileTime> written) const {
  const std::wstring path = path_ + name;
  if (!CreateDirectoryW(path.c_str(), nullptr)) {
    ADD_FAILURE() << "cannot make the test folder " << testing::PrintToString(path);
    return path;
  }
  if (written) {
    HANDLE folder = CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    SetWritten(folder, written);
    CloseHandle(folder);
  }
  return path;
}

}  // namespace real_system
