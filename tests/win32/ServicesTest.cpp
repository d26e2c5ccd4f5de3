#include <gtest/gtest.h>

#include <windows.h>

#include <shlwapi.h>

#include <atomic>
#include <cstring>
#include <string>
#include <thread>

#include "app/SystemVersion.h"
#include "info/FileInfoUtils.h"
#include "platform/CodePage.h"
#include "platform/TextCase.h"
#include "platform/win32/LongPath.h"
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

// Threads started while held are made but do not run until released; after the release they
// run at once, and a held thread that is waited for runs without one.
TEST(Win32Threads, HeldThreadsRunFromTheirRelease) {
  platform::win32::Win32Threads threads;
  std::atomic<int> ran = 0;
  threads.Hold();
  auto held = threads.Start([&] { ++ran; });
  Sleep(50);
  EXPECT_EQ(ran, 0) << "a held thread does not run";
  threads.Release();
  held->Join();
  EXPECT_EQ(ran, 1);
  threads.Start([&] { ++ran; })->Join();
  EXPECT_EQ(ran, 2) << "after the release threads run at once";

  threads.Hold();
  threads.Start([&] { ++ran; })->Join();
  EXPECT_EQ(ran, 3) << "waiting for a held thread lets it run";
}

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
  EXPECT_EQ(GetVersionInfoValue(versions, exe, L"ProductVersion"), BRINDLOW_VERSION_TEXT);
  // The fixed block carries the same version as the string.
  const auto block = versions.Load(exe);
  ASSERT_NE(block, nullptr);
  const auto fixed = block->QueryBytes(L"\\");
  ASSERT_TRUE(fixed && fixed->size() >= sizeof(VS_FIXEDFILEINFO));
  VS_FIXEDFILEINFO info;
  std::memcpy(&info, fixed->data(), sizeof info);
  EXPECT_EQ(info.dwSignature, 0xFEEF04BDu);
  EXPECT_EQ(std::to_wstring(HIWORD(info.dwFileVersionMS)) + L"." +
                std::to_wstring(LOWORD(info.dwFileVersionMS)) + L"." +
                std::to_wstring(HIWORD(info.dwFileVersionLS)) + L"." +
                std::to_wstring(LOWORD(info.dwFileVersionLS)),
            BRINDLOW_VERSION_TEXT);
  const std::wstring maker = GetCompanyName(versions, exe);
  EXPECT_FALSE(maker.empty());
  EXPECT_EQ(GetVersionInfoValue(versions, exe, L"LegalTrademarks"), maker);
  // The values come without the terminating NUL that the query counts.
  for (const wchar_t* name :
       {L"ProductName", L"FileDescription", L"InternalName", L"OriginalFilename", L"Comments"}) {
    EXPECT_EQ(GetVersionInfoValue(versions, exe, name), L"Brindlow") << name;
  }
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
                    CaseMapping{"AsciiEdges", L"`az{ @AZ[ 09.~", L"`AZ{ @AZ[ 09.~"},
                    CaseMapping{"Empty", L"", L""}),
    [](const testing::TestParamInfo<CaseMapping>& info) { return info.param.what; });

struct TextOrder {
  const char* what;
  const wchar_t* first;
  const wchar_t* second;
  int sign;
};

class Win32TextOrder : public testing::TestWithParam<TextOrder> {};

TEST_P(Win32TextOrder, SortsAsTheLocaleDoesWithoutCase) {
  const int order = platform::CompareTextIgnoreCase(GetParam().first, GetParam().second);
  EXPECT_EQ((order > 0) - (order < 0), GetParam().sign);
}

INSTANTIATE_TEST_SUITE_P(Texts, Win32TextOrder,
                         testing::Values(TextOrder{"OtherCase", L"Form1.LangError.Caption",
                                                   L"form1.langerror.caption", 0},
                                         TextOrder{"CyrillicCase", L"Язык", L"ЯЗЫК", 0},
                                         TextOrder{"CaseDoesNotOrder", L"Deutsch", L"english", -1},
                                         TextOrder{"HyphenCounts", L"co-op", L"coop", -1},
                                         TextOrder{"Longer", L"English", L"English.ini", -1}),
                         [](const testing::TestParamInfo<TextOrder>& info) {
                           return info.param.what;
                         });

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

// A desktop window whose thread stops answering for a while.
class HungDesktop {
 public:
  HungDesktop() : release_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
    WNDCLASSW progman = {};
    progman.lpfnWndProc = DefWindowProcW;
    progman.lpszClassName = L"Progman";
    RegisterClassW(&progman);
    const HANDLE made = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    thread_ = std::thread([this, made] {
      // The newest top-level window: found before any desktop of the system's own.
      HWND window = CreateWindowExW(0, L"Progman", L"Program Manager", WS_POPUP, 0, 0, 1, 1,
                                    nullptr, nullptr, nullptr, nullptr);
      SetEvent(made);
      if (WaitForSingleObject(release_, 10000) == WAIT_TIMEOUT) gaveUp_ = true;
      DestroyWindow(window);
    });
    WaitForSingleObject(made, INFINITE);
    CloseHandle(made);
  }
  ~HungDesktop() {
    SetEvent(release_);
    thread_.join();
    CloseHandle(release_);
    UnregisterClassW(L"Progman", nullptr);
  }
  HungDesktop(const HungDesktop&) = delete;
  HungDesktop& operator=(const HungDesktop&) = delete;
  // The hang is over without anyone ending it.
  [[nodiscard]] bool GaveUp() const { return gaveUp_; }

 private:
  HANDLE release_;
  std::atomic<bool> gaveUp_ = false;
  std::thread thread_;
};

TEST(Win32Shell, DesktopRefreshDoesNotWaitForAHungShell) {
  const HungDesktop desktop;
  platform::win32::Win32Shell().RefreshDesktop();
  EXPECT_FALSE(desktop.GaveUp()) << "waited until the shell answered";
}

TEST(Win32LongPath, PrefixesOnlyFullPathsBeyondTheLimit) {
  using platform::win32::ExtendedPath;
  const std::wstring tail(260, L'a');
  const struct {
    std::wstring path;
    std::wstring expected;
  } cases[] = {
      {L"C:\\Users\\", L"C:\\Users\\"},
      {L"C:\\" + tail, L"\\\\?\\C:\\" + tail},
      {L"\\\\server\\share\\" + tail, L"\\\\?\\UNC\\server\\share\\" + tail},
      {L"\\\\?\\C:\\" + tail, L"\\\\?\\C:\\" + tail},
      {L"relative\\" + tail, L"relative\\" + tail},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ExtendedPath(c.path), c.expected) << testing::PrintToString(c.path.substr(0, 20));
  }
}

}  // namespace
