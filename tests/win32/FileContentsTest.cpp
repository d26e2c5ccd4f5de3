#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "platform/win32/Services.h"

namespace {

// A fresh folder under the temporary folder, removed with what it holds.
class Win32FileContents : public testing::Test {
 protected:
  Win32FileContents() {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    folder = std::wstring(temp) + L"brindlow-file-contents";
    Clean();
    CreateDirectoryW(folder.c_str(), nullptr);
  }
  ~Win32FileContents() override { Clean(); }

  void Clean() {
    for (const wchar_t* name : {L"\\a.ini", L"\\b.ini", L"\\deep\\er\\x", L"\\deep\\er"}) {
      const std::wstring path = folder + name;
      SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
      DeleteFileW(path.c_str());
    }
    RemoveDirectoryW((folder + L"\\deep\\er").c_str());
    RemoveDirectoryW((folder + L"\\deep").c_str());
    RemoveDirectoryW(folder.c_str());
  }

  platform::win32::Win32FileSystem files;
  std::wstring folder;
};

TEST_F(Win32FileContents, WriteReadAndReplace) {
  const std::wstring a = folder + L"\\a.ini";
  const std::wstring b = folder + L"\\b.ini";
  const std::string bytes("[S]\r\n\0k=1\r\n", 11);

  ASSERT_TRUE(files.WriteWholeFile(a, bytes));
  EXPECT_EQ(files.ReadWholeFile(a, 11), bytes);
  EXPECT_FALSE(files.ReadWholeFile(a, 10)) << "longer than the limit";

  ASSERT_TRUE(files.WriteWholeFile(b, "old"));
  EXPECT_TRUE(files.MoveReplacing(a, b));
  EXPECT_EQ(files.ReadWholeFile(b, 100), bytes);
  EXPECT_EQ(GetFileAttributesW(a.c_str()), INVALID_FILE_ATTRIBUTES);

  ASSERT_TRUE(files.WriteWholeFile(a, "new"));
  SetFileAttributesW(b.c_str(), FILE_ATTRIBUTE_READONLY);
  EXPECT_FALSE(files.MoveReplacing(a, b)) << "a read-only file stays";
  EXPECT_EQ(files.ReadWholeFile(b, 100), bytes);
  EXPECT_FALSE(files.RemoveFile(b));
  EXPECT_TRUE(files.RemoveFile(a));
  EXPECT_FALSE(files.ReadWholeFile(a, 100));
}

TEST_F(Win32FileContents, OpensForWritingOnlyAFileNooneElseHoldsOrGuards) {
  const std::wstring a = folder + L"\\a.ini";
  const std::wstring b = folder + L"\\b.ini";
  EXPECT_FALSE(files.CanOpenForWriting(a)) << "missing";
  EXPECT_FALSE(files.CanOpenForWriting(folder)) << "a folder";
  ASSERT_TRUE(files.WriteWholeFile(a, "[S]"));
  ASSERT_TRUE(files.WriteWholeFile(b, "[S]"));
  EXPECT_TRUE(files.CanOpenForWriting(a));
  EXPECT_TRUE(files.CanOpenForWriting(a)) << "closed again after asking";
  SetFileAttributesW(a.c_str(), FILE_ATTRIBUTE_READONLY);
  EXPECT_FALSE(files.CanOpenForWriting(a)) << "read-only";
  HANDLE held = CreateFileW(b.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  EXPECT_FALSE(files.CanOpenForWriting(b)) << "held open without sharing";
  CloseHandle(held);
  EXPECT_TRUE(files.CanOpenForWriting(b));
}

TEST_F(Win32FileContents, CreateFoldersMakesEveryLevel) {
  const std::wstring deep = folder + L"\\deep\\er";
  EXPECT_TRUE(files.CreateFolders(deep));
  EXPECT_TRUE(files.DirectoryExists(deep));
  EXPECT_TRUE(files.CreateFolders(deep + L"\\")) << "an existing folder is no failure";

  ASSERT_TRUE(files.WriteWholeFile(deep + L"\\x", ""));
  EXPECT_FALSE(files.CreateFolders(deep + L"\\x\\y")) << "a file is in the way";
}

}  // namespace
