#include <gtest/gtest.h>

#include <string>

#include "RealSystem.h"
#include "WindowTestSupport.h"

namespace {

// A letter that names no drive of this system.
std::wstring UnusedRoot() {
  const DWORD used = GetLogicalDrives();
  for (int i = 25; i >= 0; --i) {
    if ((used & (1u << i)) == 0) return std::wstring(1, static_cast<wchar_t>(L'A' + i)) + L":\\";
  }
  return {};
}

std::wstring LabelOf(const std::wstring& root) {
  wchar_t label[MAX_PATH] = {};
  GetVolumeInformationW(root.c_str(), label, MAX_PATH, nullptr, nullptr, nullptr, nullptr, 0);
  return label;
}

// Asked live, or first answered from what a thread read ahead (each answer once) and then live
// again: the same answers either way, whatever the case of the letter asked about.
TEST(Win32Volumes, ReportTypesAndLabels) {
  const std::wstring unused = UnusedRoot();
  ASSERT_FALSE(unused.empty());
  for (const bool readAhead : {false, true}) {
    SCOPED_TRACE(readAhead ? "read ahead" : "asked live");
    platform::win32::Win32Volumes volumes;
    if (readAhead) volumes.ReadAhead();
    for (int round = 0; round < 2; ++round) {
      EXPECT_EQ(volumes.PresentDrives(), GetLogicalDrives());
      EXPECT_EQ(volumes.GetDriveType(L"c:\\"), platform::DriveType::Fixed);
      EXPECT_EQ(volumes.GetVolumeName(L"c:\\"), LabelOf(L"C:\\"));
      EXPECT_EQ(volumes.GetDriveType(unused), platform::DriveType::NoRootDir);
      EXPECT_FALSE(volumes.GetVolumeName(unused).has_value());
    }
  }
}

TEST(DriveSelector, OffersTheDrivesOfTheSystem) {
  const window_test::GuiScope gui;
  real_system::RealMainWindow browser;
  const auto& entries = browser.form.ComboBoxDrive->Items();

  ASSERT_FALSE(entries.empty());
  std::wstring previous;
  for (const std::wstring& entry : entries) {
    ASSERT_GE(entry.size(), 7u) << "X:\\ [ ]";
    EXPECT_EQ(entry.substr(1, 4), L":\\ [") << entry;
    EXPECT_EQ(entry.substr(entry.size() - 2), L" ]") << entry;
    const UINT type = GetDriveTypeW(entry.substr(0, 3).c_str());
    EXPECT_TRUE(type == DRIVE_FIXED || type == DRIVE_REMOVABLE) << entry;
    EXPECT_LT(previous, entry) << "letter order";
    previous = entry;
  }
  EXPECT_EQ(entries.front().substr(0, 3), L"C:\\");
  EXPECT_EQ(browser.form.ComboBoxDrive->ItemIndex(), 0);
  EXPECT_EQ(browser.form.cbPath->Text(), L"C:\\") << "the first drive's root is listed";
  EXPECT_GT(browser.form.ListViewAttributes->Count(), 0u);
}

}  // namespace
