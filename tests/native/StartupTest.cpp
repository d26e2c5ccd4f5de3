#include <gtest/gtest.h>

#include "app/Program.h"
#include "platform/fake/FakeServices.h"

namespace {

using platform::fake::FakePlatform;

const std::wstring kExe = L"C:\\Tools\\Brindlow\\Brindlow.exe";

void GiveVersion(FakePlatform& fake, const std::wstring& fileVersion) {
  auto& resource = fake.versions.files[kExe];
  resource.bytes[L"\\VarFileInfo\\Translation"] = {0x09, 0x04, 0xE4, 0x04};
  resource.strings[L"\\StringFileInfo\\040904E4\\FileVersion"] = fileVersion;
}

struct VersionCase {
  std::uint32_t major;
  const wchar_t* build;
  bool runs;
};

class SystemCheck : public testing::TestWithParam<VersionCase> {};

TEST_P(SystemCheck, RunsOnlyOnWindows10And11) {
  FakePlatform fake;
  fake.registry.SetWindowsVersion(GetParam().major, GetParam().build);
  Application app(fake.services);

  EXPECT_EQ(app.Run(), 0);

  ASSERT_TRUE(app.Form8 && app.Form10) << "all windows exist before the check";
  if (GetParam().runs) {
    ASSERT_EQ(fake.forms.ran.size(), 1u);
    EXPECT_EQ(fake.forms.ran[0], app.Form1.get());
    EXPECT_TRUE(fake.dialogs.shown.empty());
  } else {
    EXPECT_TRUE(fake.forms.ran.empty());
    EXPECT_FALSE(app.Form1->Visible());
    ASSERT_EQ(fake.dialogs.shown.size(), 1u);
    const auto& box = fake.dialogs.shown[0];
    EXPECT_EQ(box.owner, nullptr) << "no window is shown yet";
    EXPECT_EQ(box.caption, L"Ошибка");
    EXPECT_EQ(box.text, L"Эта программа совместима только с Windows 10 и Windows 11.");
    EXPECT_EQ(box.flags, 0x10u);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Versions, SystemCheck,
    testing::Values(VersionCase{10, L"10240", true}, VersionCase{10, L"22000", true},
                    VersionCase{10, L"10239", false}, VersionCase{6, L"9600", false},
                    VersionCase{11, L"22000", false}, VersionCase{10, L"", false},
                    VersionCase{10, L"19045x", false}));

TEST(SystemCheck, RefusesWhenTheVersionCannotBeRead) {
  FakePlatform fake;
  Application app(fake.services);
  app.Run();
  EXPECT_TRUE(fake.forms.ran.empty());
  EXPECT_EQ(fake.dialogs.shown.size(), 1u);
}

struct TitleCase {
  const char* what;
  const wchar_t* fileVersion;  // null: no version resource
  bool markerFile;
  bool markerFolder;
  const wchar_t* title;
};

class Title : public testing::TestWithParam<TitleCase> {};

TEST_P(Title, ComposedFromVersionBuildAndPortableMode) {
  const TitleCase& c = GetParam();
  FakePlatform fake;
  fake.process.executable = kExe;
  fake.files.AddFolder(L"C:\\Tools\\Brindlow");
  if (c.fileVersion != nullptr) GiveVersion(fake, c.fileVersion);
  if (c.markerFile) fake.files.AddFile(L"C:\\Tools\\Brindlow\\portable.ini", 10);
  if (c.markerFolder) fake.files.AddFolder(L"C:\\Tools\\Brindlow\\portable.ini");
  ProcessState state;

  TForm1 form(fake.services, state);

  EXPECT_EQ(form.Caption(), c.title) << c.what;
  EXPECT_EQ(state.PortableMode, c.markerFile) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Title,
    testing::Values(
        TitleCase{"installed", L"1.0.0.0", false, false, L"Brindlow 1.0.0.0 (64-bit)"},
        TitleCase{"portable", L"5.9.26.228", true, false, L"Brindlow 5.9.26.228 (64-bit) Portable"},
        TitleCase{"a folder is no marker", L"1.0.0.0", false, true, L"Brindlow 1.0.0.0 (64-bit)"},
        TitleCase{"no version", nullptr, false, false, L"Brindlow  (64-bit)"}));

}  // namespace
