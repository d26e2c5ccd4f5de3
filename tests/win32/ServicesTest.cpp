#include <gtest/gtest.h>

#include <windows.h>

#include <shlwapi.h>

#include <string>

#include "app/SystemVersion.h"
#include "info/FileInfoUtils.h"
#include "platform/CodePage.h"
#include "platform/TextCase.h"
#include "platform/win32/Services.h"

namespace {

using platform::RegistryRoot;

constexpr const wchar_t* kCurrentVersion = L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";

std::wstring OwnPath() {
  return platform::win32::Win32Process().ExecutablePath();
}

TEST(Win32System, IsAcceptedAsWindows10) {
  platform::win32::Win32Registry registry;
  EXPECT_TRUE(IsSupportedWindows(registry));
}

struct MissingValue {
  const char* what;
  RegistryRoot root;
  const wchar_t* key;
  const wchar_t* value;
  bool asText;
};

class Win32RegistryMissing : public testing::TestWithParam<MissingValue> {};

TEST_P(Win32RegistryMissing, GivesNothing) {
  platform::win32::Win32Registry registry;
  const MissingValue& c = GetParam();
  if (c.asText) {
    EXPECT_FALSE(registry.ReadString(c.root, c.key, c.value));
  } else {
    EXPECT_FALSE(registry.ReadDword(c.root, c.key, c.value));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Win32RegistryMissing,
    testing::Values(MissingValue{"NoSuchDword", RegistryRoot::LocalMachine, kCurrentVersion,
                                 L"NoSuchValue", false},
                    MissingValue{"NoSuchString", RegistryRoot::LocalMachine, kCurrentVersion,
                                 L"NoSuchValue", true},
                    MissingValue{"NoSuchKey", RegistryRoot::CurrentUser,
                                 L"Software\\Brindlow\\NoSuchKey", L"Value", true},
                    MissingValue{"TextReadAsNumber", RegistryRoot::LocalMachine, kCurrentVersion,
                                 L"CurrentBuildNumber", false},
                    MissingValue{"NumberReadAsText", RegistryRoot::LocalMachine, kCurrentVersion,
                                 L"CurrentMajorVersionNumber", true}),
    [](const testing::TestParamInfo<MissingValue>& info) { return info.param.what; });

TEST(Win32Process, KnowsItsOwnExecutable) {
  const std::wstring path = OwnPath();
  ASSERT_FALSE(path.empty());
  EXPECT_EQ(StrCmpIW(PathFindFileNameW(path.c_str()), L"brindlow_win32_tests.exe"), 0) << path;
  EXPECT_NE(GetFileAttributesW(path.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST(Win32VersionResources, ReadTheBuildsOwnResource) {
  platform::win32::Win32VersionResources versions;
  const std::wstring exe = OwnPath();

  EXPECT_EQ(GetFileVersionString(versions, exe), BRINDLOW_VERSION_TEXT);
  EXPECT_FALSE(GetCompanyName(versions, exe).empty());
  // The value comes without the terminating NUL that the query counts.
  EXPECT_EQ(GetVersionInfoValue(versions, exe, L"ProductName"), L"Brindlow");
  // The resource script is UTF-8: the copyright sign must survive the resource compiler.
  const std::wstring copyright = GetLegalCopyright(versions, exe);
  EXPECT_NE(copyright.find(L"\u00A9"), std::wstring::npos) << copyright;
}

TEST(Win32VersionResources, FileWithoutResourceGivesEmptyTexts) {
  platform::win32::Win32VersionResources versions;
  wchar_t folder[MAX_PATH];
  ASSERT_NE(GetTempPathW(MAX_PATH, folder), 0u);
  const std::wstring plain = std::wstring(folder) + L"brindlow-no-version.txt";
  const HANDLE file = CreateFileW(plain.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  CloseHandle(file);

  for (const std::wstring& name : {plain, std::wstring(folder) + L"brindlow-missing.exe"}) {
    EXPECT_EQ(versions.Load(name), nullptr) << name;
    EXPECT_EQ(GetFileVersionString(versions, name), L"") << name;
    EXPECT_EQ(GetCompanyName(versions, name), L"") << name;
  }
  DeleteFileW(plain.c_str());
}

struct CaseMapping {
  const char* what;
  const wchar_t* text;
  const wchar_t* upper;
};

class Win32UpperCase : public testing::TestWithParam<CaseMapping> {};

TEST_P(Win32UpperCase, MapsEachCharacter) {
  EXPECT_EQ(platform::UpperCase(GetParam().text), GetParam().upper);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Win32UpperCase,
    testing::Values(CaseMapping{"CyrillicAndLatin", L"Привет, world ёж", L"ПРИВЕТ, WORLD ЁЖ"},
                    CaseMapping{"FileName", L"файл_01.txt", L"ФАЙЛ_01.TXT"},
                    CaseMapping{"Empty", L"", L""}),
    [](const testing::TestParamInfo<CaseMapping>& info) { return info.param.what; });

TEST(Win32CodePage, RoundTripsAndRefusesWhatItCannotHold) {
  EXPECT_EQ(platform::ToAnsi(L"Height=500"), "Height=500");
  EXPECT_EQ(platform::FromAnsi("Height=500"), L"Height=500");
  if (GetACP() != CP_UTF8) {
    EXPECT_FALSE(platform::ToAnsi(L"\xD83D\xDE00"));
  }
}

TEST(Win32Shell, KnowsTheAppDataFolder) {
  const auto folder = platform::win32::Win32Shell().AppDataFolder();
  ASSERT_TRUE(folder);
  EXPECT_TRUE(platform::win32::Win32FileSystem().DirectoryExists(*folder)) << *folder;
}

// The manifest in the resources: without it the system's old common controls would load.
TEST(Win32Manifest, BringsCommonControls6) {
  ACTCTX_SECTION_KEYED_DATA redirection = {};
  redirection.cbSize = sizeof(redirection);
  EXPECT_TRUE(FindActCtxSectionStringW(0, nullptr, ACTIVATION_CONTEXT_SECTION_DLL_REDIRECTION,
                                       L"comctl32.dll", &redirection));
}

}  // namespace
