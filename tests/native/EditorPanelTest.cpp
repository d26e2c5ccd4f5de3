#include <gtest/gtest.h>

#include "EditorFixture.h"

namespace {

using namespace editor_test;

constexpr std::uint32_t kR = platform::kAttrReadOnly;
constexpr std::uint32_t kH = platform::kAttrHidden;
constexpr std::uint32_t kS = platform::kAttrSystem;
constexpr std::uint32_t kA = platform::kAttrArchive;

const DateTime kUntouched{2001, 2, 3, 4, 5, 6, 7};

// Written on the 1st to 9th of January 2023 at 10:20:30.400 UTC, 11:20:30.400 in winter time.
FileTime WrittenOn(int day) {
  return ToFileTime({2023, 1, day, 10, 20, 30, 400});
}
DateTime ShownFor(int day) {
  return {2023, 1, day, 11, 20, 30, 400};
}

// C:\Data holds one item of each kind the panel tells apart.
void MakeData(FakeFileSystem& files) {
  files.AddFolder(L"C:\\Data", WrittenOn(1));
  files.AddFile(L"C:\\Data\\notes.txt", 10, WrittenOn(2), kH | kS);
  files.AddFolder(L"C:\\Data\\Music", WrittenOn(3), kR | kH);
  files.AddFile(L"C:\\Data\\bootmgr", 10, WrittenOn(4), kH | kS | kA);
  files.AddFolder(L"C:\\Data\\Windows", WrittenOn(5), kH);
  files.AddFolder(L"C:\\Data\\users", WrittenOn(6), kA);
  files.AddFile(L"C:\\Data\\PROGRAMDATA", 1, WrittenOn(7), kA);
  files.AddFile(L"C:\\Data\\gone.txt", 10, WrittenOn(8), kA);
}

struct PanelCase {
  const char* what;
  const wchar_t* caption;   // null: nothing selected
  std::vector<bool> boxes;  // read-only, hidden, system, archive
  bool attributesEnabled;
  bool dateEnabled;
  int shownDay;  // 0: the pickers keep their values
};

class PanelState : public testing::TestWithParam<PanelCase> {};

TEST_P(PanelState, FollowsTheSelectedItem) {
  const PanelCase& c = GetParam();
  Editor editor;
  MakeData(editor.files);
  editor.Open(L"C:\\Data\\");
  PanelForm& form = *editor.form;
  editor.files.Remove(L"C:\\Data\\gone.txt");  // deleted since the listing

  editor.list().UserSelectAll(false);
  // A panel that shows the opposite of what is expected.
  for (ui::CheckBox* box :
       {form.CheckBox_ReadOnly, form.CheckBox_Hide, form.CheckBox_System, form.CheckBox_Archive}) {
    box->SetChecked(true);
  }
  form.GroupBox1->SetEnabled(!c.attributesEnabled);
  form.GroupBox3->SetEnabled(!c.dateEnabled);
  form.Button_DateTime->SetEnabled(false);
  form.DatePicker1->SetValue(kUntouched);
  form.TimePicker1->SetValue(kUntouched);
  form.StatusBar1->SetPanelText(1, L"old");

  if (c.caption != nullptr) {
    editor.list().UserSelect(editor.IndexOf(c.caption), true);
  } else {
    editor.list().UserClick();  // on empty space
  }

  EXPECT_EQ(editor.Boxes(), c.boxes);
  EXPECT_EQ(form.GroupBox1->Enabled(), c.attributesEnabled);
  EXPECT_EQ(form.GroupBox3->Enabled(), c.dateEnabled);
  // With nothing selected the button keeps its state.
  EXPECT_EQ(form.Button_DateTime->Enabled(), c.caption != nullptr && c.dateEnabled);
  const DateTime shown = c.shownDay == 0 ? kUntouched : ShownFor(c.shownDay);
  EXPECT_EQ(form.DatePicker1->Value(), shown);
  EXPECT_EQ(form.TimePicker1->Value(), shown);
  EXPECT_EQ(form.StatusBar1->Panels()[1].text, c.caption == nullptr ? L"old" : L"");
  EXPECT_EQ(form.StatusBar1->Panels()[0].text, L"Элементов:  7");
}

INSTANTIATE_TEST_SUITE_P(
    Items, PanelState,
    testing::Values(
        PanelCase{"NothingSelected", nullptr, {false, false, false, false}, false, false, 0},
        PanelCase{"File", L"notes.txt", {false, true, true, false}, true, true, 2},
        PanelCase{"Folder", L"Music", {true, true, false, false}, true, false, 3},
        PanelCase{"ProtectedFile", L"bootmgr", {false, false, false, false}, false, true, 4},
        PanelCase{"ProtectedFolder", L"Windows", {false, false, false, false}, false, false, 5},
        PanelCase{
            "ProtectedFolderLowerCase", L"users", {false, false, false, false}, false, false, 6},
        PanelCase{
            "ProtectedFileUpperCase", L"PROGRAMDATA", {false, false, false, false}, false, true, 7},
        PanelCase{"DeletedSinceListing", L"gone.txt", {false, false, false, false}, true, true, 0}),
    [](const auto& info) { return std::string(info.param.what); });

TEST(PanelSelection, DescribesTheFirstSelectedItemInListOrder) {
  Editor editor;
  MakeData(editor.files);
  editor.Open(L"C:\\Data\\");
  const size_t later = editor.IndexOf(L"notes.txt");
  const size_t earlier = editor.IndexOf(L"Music");
  ASSERT_LT(earlier, later) << "folders are listed before files";

  editor.list().UserSelectAll(false);
  editor.list().UserSelect(later, true);
  editor.list().UserSelect(earlier, true);
  editor.list().UserSelect(later, true);  // clicked again: still not first in the list

  EXPECT_EQ(editor.form->DatePicker1->Value(), ShownFor(3));
  EXPECT_EQ(editor.Boxes(), (std::vector<bool>{true, true, false, false}));
}

TEST(PanelSelection, AWindowWithoutItemsDisablesTheEditor) {
  Editor editor;
  editor.files.AddFolder(L"C:\\Empty");
  editor.Open(L"C:\\Empty\\");
  editor.list().UserClick();
  EXPECT_FALSE(editor.form->GroupBox1->Enabled());
  EXPECT_FALSE(editor.form->GroupBox3->Enabled());
  EXPECT_EQ(editor.form->StatusBar1->Panels()[0].text, L"Элементов:  0");
}

// The user selects another item while a refresh lets pending messages run: whichever of
// those points it happens at, the panel ends up describing the new item alone.
class PanelReentry : public testing::TestWithParam<int> {};

TEST_P(PanelReentry, EndsWithTheNewestSelection) {
  Editor editor;
  MakeData(editor.files);
  editor.Open(L"C:\\Data\\");
  editor.list().UserSelectAll(false);
  editor.dispatcher.runAt = editor.dispatcher.processed + GetParam();
  editor.dispatcher.hook = [&] {
    editor.list().UserSelectAll(false);
    editor.list().UserSelect(editor.IndexOf(L"Music"), true);
  };

  editor.list().UserSelect(editor.IndexOf(L"notes.txt"), true);

  ASSERT_FALSE(editor.dispatcher.hook) << "the selection changed during the refresh";
  EXPECT_EQ(editor.form->DatePicker1->Value(), ShownFor(3));
  EXPECT_EQ(editor.form->TimePicker1->Value(), ShownFor(3));
  EXPECT_EQ(editor.Boxes(), (std::vector<bool>{true, true, false, false}));
  EXPECT_FALSE(editor.form->GroupBox3->Enabled());
}

INSTANTIATE_TEST_SUITE_P(EveryPause, PanelReentry, testing::Range(1, 6));

}  // namespace
