#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "PanelFixture.h"
#include "browser/FileSize.h"
#include "platform/fake/FakeServices.h"
#include "platform/ui/ImageList.h"

namespace {

using platform::DateTime;
using platform::FileTime;
using platform::fake::FakeClock;
using platform::fake::FakePlatform;
using platform::fake::ToFileTime;

constexpr std::uint32_t kAllEntries = 0x1FF;
const FileTime kWinterNoon = ToFileTime({2024, 1, 10, 12, 0, 0, 0});

// The zone of the fake clock, with instants that cannot be converted or that break.
class TestClock : public FakeClock {
 public:
  std::wstring TimeSeparator() override {
    if (failingSeparator) throw std::runtime_error("clock");
    return FakeClock::TimeSeparator();
  }
  std::optional<DateTime> ToLocal(FileTime utc) override {
    if (utc == failing) throw std::runtime_error("clock");
    if (utc == unconvertible) return std::nullopt;
    return FakeClock::ToLocal(utc);
  }
  FileTime unconvertible = ~FileTime{0};
  FileTime failing = ~FileTime{0};
  bool failingSeparator = false;
};

// Records what the list view tells its native peer.
class RecordingPeer : public ui::Peer {
 public:
  void Update(ui::Aspect aspect) override { updates.push_back(aspect); }
  [[nodiscard]] long Count(ui::Aspect aspect) const {
    return std::count(updates.begin(), updates.end(), aspect);
  }
  std::vector<ui::Aspect> updates;
};

class Listing : public testing::Test {
 protected:
  Listing() {
    fake.volumes.drives[L'C'] = {platform::DriveType::Fixed, L"System"};
    fake.files.AddFolder(L"C:\\");
    fake.files.AddFolder(L"C:\\Data", kWinterNoon);
    fake.services.clock = &clock;
    panel = std::make_unique<panel_test::BrowserPanel>(fake.services);
    form = &panel->form;
    list().OnSelectItem = [this](int item, bool selected) {
      selections.emplace_back(item, selected);
    };
  }

  ui::ListView& list() { return *form->ListViewAttributes; }

  // Lists a folder as navigation does: the path box names it, then the listing runs.
  void List(const std::wstring& folder) { panel->List(folder); }

  std::vector<std::wstring> Captions() {
    std::vector<std::wstring> captions;
    for (size_t i = 0; i < list().Count(); ++i) captions.push_back(list().Item(i).caption);
    return captions;
  }

  // The item with this caption, with its type and icon as shown.
  ui::ListItem Shown(const std::wstring& caption) {
    for (size_t i = 0; i < list().Count(); ++i) {
      if (list().Peek(i).caption == caption) return list().Item(i);
    }
    throw std::out_of_range("not listed");
  }

  FakePlatform fake;
  TestClock clock;
  std::unique_ptr<panel_test::BrowserPanel> panel;
  panel_test::PanelForm* form = nullptr;
  std::vector<std::pair<int, bool>> selections;
};

TEST_F(Listing, FoldersAndEmptyFilesFirstThenByByteCount) {
  fake.files.AddFolder(L"C:\\Data\\b", kWinterNoon);
  fake.files.AddFolder(L"C:\\Data\\a", kWinterNoon);
  fake.files.AddFile(L"C:\\Data\\x.txt", 2048, kWinterNoon);
  fake.files.AddFile(L"C:\\Data\\y.bin", 0, kWinterNoon);
  fake.files.AddFile(L"C:\\Data\\z.dat", 500, kWinterNoon);
  const int processedBefore = fake.dispatcher.processed;

  List(L"C:\\Data\\");

  const std::vector<std::wstring> captions = Captions();
  ASSERT_EQ(captions.size(), 5u);
  EXPECT_EQ(captions, (std::vector<std::wstring>{L"a", L"b", L"y.bin", L"z.dat", L"x.txt"}))
      << "500 B before 2 kB; equal sizes by name";

  struct Expected {
    int image;
    std::vector<std::wstring> subItems;
  };
  const std::vector<std::pair<std::wstring, Expected>> expected = {
      {L"a", {0, {L"Folder", L"10.01.2024 13:00", L"", L"dir"}}},
      {L"b", {0, {L"Folder", L"10.01.2024 13:00", L"", L"dir"}}},
      {L"x.txt", {3, {L"txt File", L"10.01.2024 13:00", L"2 kB", L"file"}}},
      {L"y.bin", {3, {L"bin File", L"10.01.2024 13:00", L"", L"file"}}},
      {L"z.dat", {3, {L"dat File", L"10.01.2024 13:00", L"500 B", L"file"}}},
  };
  for (const auto& [caption, want] : expected) {
    const ui::ListItem& item = Shown(caption);
    EXPECT_EQ(item.imageIndex, want.image) << caption;
    EXPECT_EQ(item.subItems, want.subItems) << caption;
  }

  EXPECT_EQ(list().Selected(), 0);
  EXPECT_EQ(list().SelectedCount(), 1u);
  EXPECT_EQ(list().Focused(), 0);
  EXPECT_EQ(list().ScrollTarget(), 0);
  EXPECT_EQ(selections, (std::vector<std::pair<int, bool>>{{0, true}}))
      << "the editor is refreshed once, for the first item";
  EXPECT_EQ(form->StatusBar1->Panels()[0].text, L"Элементов:  5");
  EXPECT_GT(fake.dispatcher.processed, processedBefore);
}

TEST_F(Listing, DrawsTheFillOnceAndAsksForTheFocus) {
  for (int i = 0; i < 50; ++i) fake.files.AddFile(L"C:\\Data\\f" + std::to_wstring(i), i);
  RecordingPeer peer;
  list().AttachPeer(&peer);

  List(L"C:\\Data\\");

  EXPECT_EQ(list().Count(), 50u);
  EXPECT_LE(peer.Count(ui::Aspect::Items), 3) << "not once per added item";
  EXPECT_EQ(peer.Count(ui::Aspect::Focus), 1);
  list().AttachPeer(nullptr);
}

TEST_F(Listing, EmptyFolderLeavesNothingSelected) {
  fake.files.AddFile(L"C:\\Data\\old.txt", 10);
  List(L"C:\\Data\\");
  fake.files.AddFolder(L"C:\\Data\\Empty");
  selections.clear();

  List(L"C:\\Data\\Empty\\");

  EXPECT_EQ(list().Count(), 0u) << "\".\" and \"..\" are not listed";
  EXPECT_EQ(list().Selected(), -1);
  EXPECT_TRUE(selections.empty());
  EXPECT_EQ(form->StatusBar1->Panels()[0].text, L"Элементов:  0");
}

TEST_F(Listing, HiddenAndSystemEntriesAreListed) {
  using platform::kAttrHidden, platform::kAttrSystem, platform::kAttrDirectory;
  fake.files.AddFile(L"C:\\Data\\hidden.txt", 1, kWinterNoon, kAttrHidden);
  fake.files.AddFile(L"C:\\Data\\system.sys", 1, kWinterNoon, kAttrSystem);
  fake.files.AddFolder(L"C:\\Data\\both", kWinterNoon, kAttrDirectory | kAttrHidden | kAttrSystem);

  List(L"C:\\Data\\");

  const std::vector<std::wstring> captions = Captions();
  EXPECT_EQ(std::set<std::wstring>(captions.begin(), captions.end()),
            (std::set<std::wstring>{L"hidden.txt", L"system.sys", L"both"}));
}

TEST_F(Listing, SearchThatCannotStartEmptiesTheList) {
  fake.files.AddFile(L"C:\\Data\\old.txt", 10);
  List(L"C:\\Data\\");
  RecordingPeer peer;
  list().AttachPeer(&peer);
  selections.clear();

  List(L"C:\\Gone\\");

  EXPECT_EQ(list().Count(), 0u);
  EXPECT_TRUE(selections.empty());
  EXPECT_GE(peer.Count(ui::Aspect::Items), 1) << "the list is redrawn";
  EXPECT_EQ(form->StatusBar1->Panels()[0].text, L"Элементов:  0");
  list().AttachPeer(nullptr);
}

TEST_F(Listing, FailurePartWayStillEndsTheUpdate) {
  fake.files.AddFile(L"C:\\Data\\first.txt", 1, kWinterNoon);
  fake.files.AddFile(L"C:\\Data\\second.txt", 1, kWinterNoon + 1);
  clock.failingSeparator = true;
  RecordingPeer peer;
  list().AttachPeer(&peer);

  EXPECT_ANY_THROW(List(L"C:\\Data\\"));

  ASSERT_FALSE(peer.updates.empty());
  EXPECT_EQ(peer.updates.back(), ui::Aspect::Items) << "redrawing resumed";
  list().AttachPeer(nullptr);
}

struct TimeCase {
  const char* what;
  DateTime utc;
  const wchar_t* separator;
  const wchar_t* shown;
};

void PrintTo(const TimeCase& c, std::ostream* os) {
  *os << c.what;
}

class ModifiedTime : public Listing, public testing::WithParamInterface<TimeCase> {};

TEST_P(ModifiedTime, ShowsLocalTimeByTheRulesOfThatInstant) {
  const TimeCase& c = GetParam();
  clock.now = {2024, 1, 15, 12, 0, 0, 0};  // winter
  clock.separator = c.separator;
  const FileTime written = ToFileTime(c.utc);
  fake.files.AddFile(L"C:\\Data\\f.txt", 1, written);

  List(L"C:\\Data\\");

  ASSERT_EQ(list().Count(), 1u);
  EXPECT_EQ(list().Item(0).subItems[1], c.shown) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ModifiedTime,
    testing::Values(
        TimeCase{"summer, seen in winter", {2023, 7, 1, 10, 30, 0, 0}, L":", L"01.07.2023 12:30"},
        TimeCase{"winter, past midnight", {2023, 12, 31, 23, 5, 0, 0}, L":", L"01.01.2024 00:05"},
        TimeCase{"seconds are not shown", {2023, 2, 3, 4, 5, 59, 999}, L":", L"03.02.2023 05:05"},
        TimeCase{
            "last minute of winter time", {2024, 3, 31, 0, 59, 0, 0}, L":", L"31.03.2024 01:59"},
        TimeCase{
            "first minute of summer time", {2024, 3, 31, 1, 0, 0, 0}, L":", L"31.03.2024 03:00"},
        TimeCase{
            "the locale's time separator", {2023, 7, 1, 10, 30, 0, 0}, L".", L"01.07.2023 12.30"}));

TEST_F(Listing, UnconvertibleTimeShowsTheZeroDate) {
  fake.files.AddFile(L"C:\\Data\\f.txt", 1, kWinterNoon);
  clock.unconvertible = kWinterNoon;

  List(L"C:\\Data\\");

  EXPECT_EQ(list().Item(0).subItems[1], L"30.12.1899 00:00");
}

struct SizeCase {
  std::int64_t bytes;
  const wchar_t* text;
};

class SizeText : public testing::TestWithParam<SizeCase> {};

TEST_P(SizeText, ScalesBy1024FromSevenHundred) {
  EXPECT_EQ(FormatFileSize(GetParam().bytes), GetParam().text) << GetParam().bytes;
}

INSTANTIATE_TEST_SUITE_P(Table, SizeText,
                         testing::Values(SizeCase{1, L"1 B"}, SizeCase{699, L"699 B"},
                                         SizeCase{700, L"1 kB"}, SizeCase{1023, L"1 kB"},
                                         SizeCase{1536, L"2 kB"}, SizeCase{2560, L"2 kB"},
                                         SizeCase{700 * 1024, L"1 MB"},
                                         SizeCase{std::int64_t{1} << 40, L"1024 GB"},
                                         SizeCase{std::int64_t{1} << 50, L"1048576 GB"}));

// Type names and icons are asked of the shell only for items that are shown, once per
// extension where the answer cannot differ between files.
TEST_F(Listing, AsksTheShellOnlyForShownItemsOncePerExtension) {
  for (int i = 0; i < 300; ++i) {
    for (const wchar_t* ext : {L".txt", L".jpg", L""}) {
      fake.files.AddFile(L"C:\\Data\\f" + std::to_wstring(i) + ext, 1 + i);
    }
  }
  fake.files.AddFile(L"C:\\Data\\setup.exe", 1);
  fake.shell.infoQueries = 0;

  List(L"C:\\Data\\");

  EXPECT_LE(fake.shell.infoQueries + fake.shell.kindQueries, 1) << "at most the selected item";
  for (size_t i = 0; i < list().Count(); ++i) {
    EXPECT_NE(list().Item(i).imageIndex, -1) << i;
  }
  EXPECT_EQ(fake.shell.kindQueries, 3) << "one per extension, of no file of the folder";
  EXPECT_EQ(fake.shell.infoQueries, 1) << "the program, whose icon is its own";
}

struct EntrySpec {
  const wchar_t* name;
  std::uint32_t attributes;  // with kAttrDirectory: a folder
};

struct SharingCase {
  const char* what;
  EntrySpec first;
  EntrySpec second;
  bool shared;
  bool ownLook;  // the second entry can look like no other
};

void PrintTo(const SharingCase& c, std::ostream* os) {
  *os << c.what;
}

class ShellAnswers : public Listing, public testing::WithParamInterface<SharingCase> {};

TEST_P(ShellAnswers, AreSharedOnlyWhereTheyCannotDiffer) {
  const SharingCase& c = GetParam();
  int icon = 100;
  for (const EntrySpec& e : {c.first, c.second}) {
    const std::wstring path = std::wstring(L"C:\\Data\\") + e.name;
    if ((e.attributes & platform::kAttrDirectory) != 0) {
      fake.files.AddFolder(path, kWinterNoon, e.attributes);
    } else {
      fake.files.AddFile(path, 0, kWinterNoon, e.attributes);
    }
    fake.shell.answers[path] = {std::wstring(L"type of ") + e.name, icon++};
  }
  List(L"C:\\Data\\");
  fake.shell.infoQueries = 0;
  fake.shell.kindQueries = 0;

  const ui::ListItem& first = Shown(c.first.name);
  const ui::ListItem& second = Shown(c.second.name);

  // An entry asked about on its own shows the shell's answer for its path.
  EXPECT_EQ(second.subItems[0] == std::wstring(L"type of ") + c.second.name, c.ownLook) << c.what;
  EXPECT_EQ(second.imageIndex == first.imageIndex && second.subItems[0] == first.subItems[0],
            c.shared)
      << c.what;
  EXPECT_EQ(fake.shell.infoQueries + fake.shell.kindQueries, c.shared ? 1 : 2) << c.what;
}

constexpr std::uint32_t kFile = platform::kAttrArchive;
constexpr std::uint32_t kDir = platform::kAttrDirectory;

INSTANTIATE_TEST_SUITE_P(
    Cases, ShellAnswers,
    testing::Values(
        SharingCase{"same extension", {L"a.txt", kFile}, {L"b.txt", kFile}, true, false},
        SharingCase{"no extension", {L"README", kFile}, {L"LICENSE", kFile}, true, false},
        SharingCase{"last extension counts", {L"a.tar.gz", kFile}, {L"b.gz", kFile}, true, false},
        SharingCase{"different extensions", {L"a.txt", kFile}, {L"b.dat", kFile}, false, false},
        SharingCase{"extension in other case", {L"a.TXT", kFile}, {L"b.txt", kFile}, false, false},
        SharingCase{"programs", {L"a.exe", kFile}, {L"b.EXE", kFile}, false, true},
        SharingCase{"icons", {L"a.ico", kFile}, {L"b.ico", kFile}, false, true},
        SharingCase{"shortcuts", {L"a.lnk", kFile}, {L"b.lnk", kFile}, false, true},
        SharingCase{"internet shortcuts", {L"a.url", kFile}, {L"b.url", kFile}, false, true},
        SharingCase{"cursors", {L"a.cur", kFile}, {L"b.cur", kFile}, false, true},
        SharingCase{"animated cursors", {L"a.ani", kFile}, {L"b.ani", kFile}, false, true},
        SharingCase{
            "plain folders", {L"a", kDir}, {L"b.d", kDir | platform::kAttrHidden}, true, false},
        SharingCase{
            "read-only folder", {L"a", kDir}, {L"b", kDir | platform::kAttrReadOnly}, false, true},
        SharingCase{
            "system folder", {L"a", kDir}, {L"b", kDir | platform::kAttrSystem}, false, true},
        SharingCase{"linked folder", {L"a", kDir}, {L"b", kDir | 0x400u}, false, true},
        SharingCase{"shell junction",
                    {L"a", kDir},
                    {L"b.{20D04FE0-3AEA-1069-A2D8-08002B30309D}", kDir},
                    false,
                    true},
        SharingCase{
            "folder named like a file", {L"a.txt", kFile}, {L"b.txt", kDir}, false, false}));

TEST_F(Listing, ShellFailureGivesNoIconAndIsAskedAgainForTheNextEntry) {
  fake.files.AddFile(L"C:\\Data\\a.txt", 1);
  fake.files.AddFile(L"C:\\Data\\b.txt", 2);
  fake.shell.failingKinds = 1;

  form->cbPath->SetTextValue(L"C:\\Data");  // pasted text may lack the final backslash
  panel->browser.List(L"C:\\Data\\*.*", kAllEntries);

  EXPECT_EQ(Shown(L"a.txt").imageIndex, -1);
  EXPECT_EQ(Shown(L"a.txt").subItems[0], L"");
  EXPECT_EQ(Shown(L"b.txt").imageIndex, 3);
  EXPECT_EQ(Shown(L"b.txt").subItems[0], L"txt File");
}

TEST_F(Listing, TypeNameIsCutToEightyCharacters) {
  fake.files.AddFile(L"C:\\Data\\a.long", 1);
  fake.shell.kindAnswers[L"a.long"] = {std::wstring(100, L'x'), 7};

  List(L"C:\\Data\\");

  EXPECT_EQ(Shown(L"a.long").subItems[0], std::wstring(80, L'x'));
}

TEST_F(Listing, AnotherListingAsksTheShellAgain) {
  fake.files.AddFile(L"C:\\Data\\a.txt", 1);
  List(L"C:\\Data\\");
  Shown(L"a.txt");
  fake.shell.kindAnswers[L"a.txt"] = {L"Text Document", 9};

  List(L"C:\\Data\\");

  EXPECT_EQ(Shown(L"a.txt").imageIndex, 9) << "a refresh shows changed associations";
}

struct ImageListCase {
  std::uintptr_t small;
  std::uintptr_t large;
};

class SystemImages : public testing::TestWithParam<ImageListCase> {};

TEST_P(SystemImages, AreBorrowedWhenTheWindowFirstNeedsThem) {
  FakePlatform fake;
  fake.shell.smallList = GetParam().small;
  fake.shell.largeList = GetParam().large;
  panel_test::BrowserPanel panel(fake.services);
  ui::ListView& list = panel.list();
  panel.browser.AttachSystemImageLists(&list);
  EXPECT_EQ(fake.shell.imageListQuestions, 0) << "the shell may still be making its lists";

  for (const auto& [images, handle, size, source] :
       {std::tuple{list.SmallImages(), GetParam().small, 16, ui::ImageSource::SystemSmall},
        std::tuple{list.LargeImages(), GetParam().large, 32, ui::ImageSource::SystemLarge}}) {
    ASSERT_NE(images, nullptr);
    EXPECT_EQ(images->SharedHandle(), handle) << "no list of the shell's is no list at all";
    EXPECT_EQ(images->Size(), size);
    EXPECT_EQ(images->Source(), source);
  }
  (void)list.SmallImages()->SharedHandle();
  EXPECT_EQ(fake.shell.imageListQuestions, 2) << "each list is asked for once";
}

INSTANTIATE_TEST_SUITE_P(Handles, SystemImages,
                         testing::Values(ImageListCase{0x51, 0x52}, ImageListCase{0, 0x52},
                                         ImageListCase{0x51, 0}, ImageListCase{0, 0}));

TEST(SystemImages, AttachingAgainReusesTheListsAndAbsentListIsIgnored) {
  FakePlatform fake;
  panel_test::BrowserPanel panel(fake.services);
  panel.browser.AttachSystemImageLists(&panel.list());
  const ui::ImageList* small = panel.list().SmallImages();
  fake.shell.smallList = 0x61;

  panel.browser.AttachSystemImageLists(&panel.list());
  panel.browser.AttachSystemImageLists(nullptr);

  EXPECT_EQ(panel.list().SmallImages(), small);
  EXPECT_EQ(small->SharedHandle(), 0x61u);
}

}  // namespace
