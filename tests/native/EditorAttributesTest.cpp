#include <gtest/gtest.h>

#include "EditorFixture.h"

namespace {

using namespace editor_test;

constexpr std::uint32_t kR = platform::kAttrReadOnly;
constexpr std::uint32_t kH = platform::kAttrHidden;
constexpr std::uint32_t kS = platform::kAttrSystem;
constexpr std::uint32_t kA = platform::kAttrArchive;
constexpr std::uint32_t kDir = platform::kAttrDirectory;
constexpr std::uint32_t kNormal = 0x80;
constexpr std::uint32_t kTemporary = 0x100;
constexpr std::uint32_t kSparse = 0x200;
constexpr std::uint32_t kCompressed = 0x800;
constexpr std::uint32_t kOffline = 0x1000;
constexpr std::uint32_t kNotIndexed = 0x2000;
constexpr std::uint32_t kEncrypted = 0x4000;
constexpr std::uint32_t kNoScrub = 0x20000;
constexpr std::uint32_t kPinned = 0x80000;
constexpr std::uint32_t kUnpinned = 0x100000;

void Tick(PanelForm& form, std::uint32_t word) {
  form.CheckBox_ReadOnly->UserToggle((word & kR) != 0);
  form.CheckBox_Hide->UserToggle((word & kH) != 0);
  form.CheckBox_System->UserToggle((word & kS) != 0);
  form.CheckBox_Archive->UserToggle((word & kA) != 0);
}

struct WordCase {
  const char* what;
  bool folder;
  std::uint32_t current;
  std::uint32_t ticked;
  std::uint32_t written;
};

class AttributeWord : public testing::TestWithParam<WordCase> {};

// The four boxes replace their own bits; every other bit stays (the system ignores those a
// program cannot set), so a cloud file keeps its pin.
TEST_P(AttributeWord, ReplacesOnlyTheFourShownBits) {
  const WordCase& c = GetParam();
  Editor editor;
  editor.files.AddFolder(L"C:\\Data");
  if (c.folder) {
    editor.files.AddFolder(L"C:\\Data\\item", 0, c.current);
  } else {
    editor.files.AddFile(L"C:\\Data\\item", 1, 0, c.current);
  }
  editor.Open(L"C:\\Data\\");
  Tick(*editor.form, c.ticked);

  editor.form->Button_Apply->Click();

  ASSERT_EQ(editor.files.words.size(), 1u);
  EXPECT_EQ(editor.files.words[0], c.written);
  const std::uint32_t shown = c.written & (kR | kH | kS | kA);
  EXPECT_EQ(editor.Boxes(), (std::vector<bool>{(shown & kR) != 0, (shown & kH) != 0,
                                               (shown & kS) != 0, (shown & kA) != 0}))
      << "the boxes are read back from disk";
}

INSTANTIATE_TEST_SUITE_P(
    Words, AttributeWord,
    testing::Values(WordCase{"TickHidden", false, kA, kH | kA, kH | kA},
                    WordCase{"ClearAllLeavesNormal", false, kR | kH | kS | kA, 0, kNormal},
                    WordCase{"KeepsNotIndexed", false, kA | kNotIndexed, kR, kR | kNotIndexed},
                    WordCase{"KeepsTemporaryAndOffline", false, kTemporary | kOffline | kS, kA,
                             kTemporary | kOffline | kA},
                    WordCase{"KeepsSystemOnlyBits", false, kSparse | kCompressed | kEncrypted | kA,
                             kH, kSparse | kCompressed | kEncrypted | kH},
                    WordCase{"KeepsPinAndNoScrub", false, kPinned | kNoScrub | kA, kH,
                             kPinned | kNoScrub | kH},
                    WordCase{"KeepsUnpinned", false, kUnpinned | kR, 0, kUnpinned},
                    WordCase{"NormalGoesWithOtherBits", false, kNormal, kH, kH},
                    WordCase{"FolderKeepsItsBits", true, kDir | kNotIndexed, kH | kS,
                             kDir | kH | kS | kNotIndexed},
                    WordCase{"FolderCleared", true, kDir | kH, 0, kDir}),
    [](const auto& info) { return std::string(info.param.what); });

TEST(ApplyAttributes, ChangesOnlyTheFirstSelectedItemAndTellsTheShell) {
  Editor editor;
  editor.files.AddFolder(L"C:\\Data");
  for (const wchar_t* name : {L"C:\\Data\\a", L"C:\\Data\\b", L"C:\\Data\\c"}) {
    editor.files.AddFile(name, 1, 0, kA);
  }
  editor.Open(L"C:\\Data\\");
  editor.list().UserSelectAll(false);
  for (const wchar_t* name : {L"c", L"a", L"b"})
    editor.list().UserSelect(editor.IndexOf(name), true);
  Tick(*editor.form, kH);

  editor.form->Button_Apply->Click();

  EXPECT_EQ(editor.files.GetAttributes(L"C:\\Data\\a"), kH);
  EXPECT_EQ(editor.files.GetAttributes(L"C:\\Data\\b"), kA);
  EXPECT_EQ(editor.files.GetAttributes(L"C:\\Data\\c"), kA);
  EXPECT_EQ(editor.rest.shell.associationNotices, 1);
  EXPECT_EQ(editor.rest.shell.desktopRefreshes, 1);
}

struct RefusedCase {
  const char* what;
  bool gone;           // deleted since the listing
  std::uint32_t fail;  // the write fails with this error
  std::vector<bool> boxes;
  bool written;
};

class ApplyRefused : public testing::TestWithParam<RefusedCase> {};

// The boxes always end up showing what the disk holds, without a message.
TEST_P(ApplyRefused, ShowsTheItemAsItIs) {
  const RefusedCase& c = GetParam();
  Editor editor;
  editor.files.AddFolder(L"C:\\Data");
  editor.files.AddFile(L"C:\\Data\\locked.txt", 1, 0, kR | kA);
  editor.Open(L"C:\\Data\\");
  if (c.gone) editor.files.Remove(L"C:\\Data\\locked.txt");
  if (c.fail != 0) editor.files.FailWrites(L"C:\\Data\\locked.txt", c.fail);
  Tick(*editor.form, kH | kS);

  editor.form->Button_Apply->Click();

  EXPECT_EQ(editor.Boxes(), c.boxes);
  EXPECT_TRUE(editor.form->GroupBox1->Enabled());
  EXPECT_EQ(editor.files.words.size(), c.written ? 1u : 0u);
  EXPECT_TRUE(editor.rest.dialogs.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Failures, ApplyRefused,
    testing::Values(RefusedCase{"WriteFails", false, 5, {true, false, false, true}, true},
                    RefusedCase{"ItemGone", true, 0, {false, false, false, false}, false}),
    [](const auto& info) { return std::string(info.param.what); });

struct NameCase {
  const wchar_t* name;
  bool isProtected;
};

class ProtectedName : public testing::TestWithParam<NameCase> {};

// A protected name in any letter case shows clear, disabled boxes and is never written.
TEST_P(ProtectedName, IsNeitherShownNorWritten) {
  const NameCase& c = GetParam();
  Editor editor;
  editor.files.AddFolder(L"C:\\Backup");
  editor.files.AddFolder(std::wstring(L"C:\\Backup\\") + c.name, 0, kH | kS);
  editor.Open(L"C:\\Backup\\");
  PanelForm& form = *editor.form;
  EXPECT_EQ(EditorPanel::IsProtectedItem(c.name), c.isProtected);
  EXPECT_EQ(form.GroupBox1->Enabled(), !c.isProtected);
  EXPECT_EQ(form.CheckBox_Hide->Checked(), !c.isProtected);

  Tick(form, kR);
  form.Button_Apply->Click();

  EXPECT_EQ(editor.files.words.empty(), c.isProtected);
  EXPECT_EQ(editor.rest.shell.associationNotices, c.isProtected ? 0 : 1);
}

INSTANTIATE_TEST_SUITE_P(
    Names, ProtectedName,
    testing::Values(NameCase{L"Documents and Settings", true},
                    NameCase{L"DOCUMENTS AND SETTINGS", true},
                    NameCase{L"System Volume Information", true}, NameCase{L"$Recycle.Bin", true},
                    NameCase{L"Boot", true}, NameCase{L"Windows", true}, NameCase{L"windows", true},
                    NameCase{L"bootmgr", true}, NameCase{L"BootNxt", true},
                    NameCase{L"ProgramData", true}, NameCase{L"USERS", true},
                    NameCase{L"Users2", false}, NameCase{L"Window", false},
                    NameCase{L"Boot.ini", false},
                    // Only the letters A to Z fold: a Cyrillic "о" is another letter.
                    NameCase{L"B\u043E\u043Et", false}));

}  // namespace
