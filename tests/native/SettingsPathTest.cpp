#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "platform/fake/FakeServices.h"
#include "settings/SettingsPath.h"

namespace {

using platform::fake::FakePlatform;

const std::wstring kExe = L"C:\\Tools\\Brindlow\\Brindlow.exe";

struct PathCase {
  const char* what;
  bool portable;
  std::optional<std::wstring> appData;
  const wchar_t* company;  // null: no version resource
  std::wstring path;
};

class SettingsPath : public testing::TestWithParam<PathCase> {};

TEST_P(SettingsPath, IsComposedAndItsFolderMade) {
  const PathCase& c = GetParam();
  FakePlatform fake;
  fake.process.executable = kExe;
  for (const wchar_t* folder : {L"C:\\", L"C:\\Tools", L"C:\\Tools\\Brindlow"}) {
    fake.files.AddFolder(folder);
  }
  fake.shell.appData = c.appData;
  if (c.company != nullptr) {
    auto& resource = fake.versions.files[kExe];
    resource.bytes[L"\\VarFileInfo\\Translation"] = {0x09, 0x04, 0xE4, 0x04};
    resource.strings[L"\\StringFileInfo\\040904E4\\CompanyName"] = c.company;
  }

  const std::wstring path = settings::PortablePath(
      {fake.files, fake.process, fake.shell, fake.versions}, c.portable, L"Brindlow");

  EXPECT_EQ(path, c.path);
  if (path.starts_with(L"C:\\")) {
    EXPECT_TRUE(fake.files.DirectoryExists(path.substr(0, path.rfind(L'\\'))));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SettingsPath,
    testing::Values(
        PathCase{"Portable", true, L"C:\\Users\\Tester\\AppData\\Roaming", L"Maker",
                 L"C:\\Tools\\Brindlow\\Config\\Option.ini"},
        PathCase{"PerUser", false, L"C:\\Users\\Tester\\AppData\\Roaming", L"Maker",
                 L"C:\\Users\\Tester\\AppData\\Roaming\\Maker\\Brindlow\\Config\\Option.ini"},
        PathCase{"CompanyWithBackslash", false, L"C:\\Users\\Tester\\AppData\\Roaming\\",
                 L"Maker\\",
                 L"C:\\Users\\Tester\\AppData\\Roaming\\Maker\\Brindlow\\Config\\Option.ini"},
        PathCase{"NoCompany", false, L"C:\\Users\\Tester\\AppData\\Roaming", nullptr,
                 L"C:\\Users\\Tester\\AppData\\Roaming\\\\Brindlow\\Config\\Option.ini"},
        PathCase{"NoAppDataFolder", false, std::nullopt, L"Maker",
                 L"\\Maker\\Brindlow\\Config\\Option.ini"}),
    [](const testing::TestParamInfo<PathCase>& info) { return info.param.what; });

struct MarkerCase {
  const char* what;
  const wchar_t* file;
  const wchar_t* folder;
  bool portable;
};

class PortableMarker : public testing::TestWithParam<MarkerCase> {};

TEST_P(PortableMarker, IsAFileBesideTheExecutable) {
  const MarkerCase& c = GetParam();
  FakePlatform fake;
  fake.process.executable = kExe;
  fake.files.AddFolder(L"C:\\Tools\\Brindlow");
  if (c.file != nullptr) fake.files.AddFile(c.file);
  if (c.folder != nullptr) fake.files.AddFolder(c.folder);

  EXPECT_EQ(settings::DetectPortableMode(fake.files, fake.process), c.portable);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PortableMarker,
    testing::Values(MarkerCase{"File", L"C:\\Tools\\Brindlow\\PORTABLE.INI", nullptr, true},
                    MarkerCase{"Folder", nullptr, L"C:\\Tools\\Brindlow\\portable.ini", false},
                    MarkerCase{"Elsewhere", L"C:\\Tools\\portable.ini", nullptr, false},
                    MarkerCase{"None", nullptr, nullptr, false}),
    [](const testing::TestParamInfo<MarkerCase>& info) { return info.param.what; });

}  // namespace
