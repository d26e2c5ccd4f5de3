// Choosing a language in the running program: the menu as the user sees it, every window's
// texts afterwards, and the choice at the next start. Screenshots are saved for a person to
// look at.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "MainWindowFixture.h"
#include "platform/win32/ui/MessagePump.h"

namespace {

using platform::win32::WindowOf;
using window_test::MenuTexts;
using window_test::ShippedLanguage;
using window_test::TextOf;

// The visible popup menu window other than `besides`, or null.
HWND OtherMenuWindow(HWND besides) {
  for (HWND menu = FindWindowExW(nullptr, nullptr, L"#32768", nullptr); menu != nullptr;
       menu = FindWindowExW(nullptr, menu, L"#32768", nullptr)) {
    if (menu != besides && IsWindowVisible(menu)) return menu;
  }
  return nullptr;
}

class LanguageWindows : public ShownMainWindow {
 protected:
  void SetUp() override {
    FakePortableProgram();
    fake.files.AddFileBytes(L"C:\\Program\\Language\\R&D.ini",
                            "[Language information]\r\nLANGNAME=Research & Development\r\n");
    Open(Content::Faked);
  }

  // Opens the general menu with the "≡" button, goes to the language submenu, looks at it and
  // chooses its first entry (English), as a user does with the keyboard.
  std::vector<std::wstring> ChooseFirstLanguage() {
    std::vector<std::wstring> entries;
    {
      const window_test::MenuWatcher watcher(
          [&](HWND general, HMENU) {
            for (WPARAM key : {VK_DOWN, VK_DOWN, VK_RIGHT}) {
              PostMessageW(general, WM_KEYDOWN, key, 0);
            }
            HWND languages = nullptr;
            for (int tries = 0; tries < 100 && languages == nullptr; ++tries) {
              Sleep(20);
              languages = OtherMenuWindow(general);
            }
            if (languages == nullptr) return;
            Sleep(100);  // drawn
            window_test::ExpectDrawn(window_test::SaveScreenshot(languages, L"language-menu.bmp"));
            entries =
                MenuTexts(reinterpret_cast<HMENU>(SendMessageW(languages, MN_GETHMENU, 0, 0)));
          },
          {VK_RETURN});
      Click(*form->SpeedButton_GeneralMenu);
    }
    Pump();
    return entries;
  }

  [[nodiscard]] std::wstring StatusText() const {
    wchar_t text[128] = {};
    SendMessageW(Named(L"StatusBar1"), SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text));
    return text;
  }

  [[nodiscard]] std::vector<std::wstring> ColumnCaptions() const {
    std::vector<std::wstring> captions;
    for (int i = 0; i < 4; ++i) {
      wchar_t caption[64] = {};
      LVCOLUMNW column = {};
      column.mask = LVCF_TEXT;
      column.pszText = caption;
      column.cchTextMax = 64;
      ListView_GetColumn(list, i, &column);
      captions.emplace_back(caption);
    }
    return captions;
  }

  [[nodiscard]] std::vector<std::wstring> EditorTexts() const {
    std::vector<std::wstring> texts;
    for (const wchar_t* name :
         {L"GroupBox2", L"GroupBox1", L"CheckBox_Archive", L"CheckBox_Hide", L"CheckBox_ReadOnly",
          L"CheckBox_System", L"Button_Apply", L"GroupBox3", L"Button_DateTime"}) {
      texts.push_back(TextOf(Named(name)));
    }
    return texts;
  }

  // Shows the About window modally, saves a screenshot and reads its texts.
  std::vector<std::wstring> AboutTexts() {
    std::vector<std::wstring> texts;
    about->OnShow = [&] {
      HWND frame = WindowOf(*about);
      window_test::LetWindowsRun();
      window_test::ExpectDrawn(window_test::SaveScreenshot(frame, L"language-about.bmp"));
      texts.push_back(TextOf(frame));
      for (const wchar_t* name : {L"LabelTelegram", L"LabelMainWebSite", L"Button1"}) {
        texts.push_back(TextOf(WindowOf(*about->Find<ui::Control>(name))));
      }
      about->Close();
    };
    about->ShowModal();
    return texts;
  }
};

const std::vector<std::wstring> kEnglishEditor = {L"Path",   L"Attributes",    L"Archive",
                                                  L"Hidden", L"Read-only",     L"System",
                                                  L"Apply",  L"Date and time", L"Apply"};

TEST_F(LanguageWindows, ChoosingEnglishTurnsEveryTextEnglishAndLastsToTheNextStart) {
  EXPECT_EQ(TextOf(Named(L"GroupBox2")), L"Путь") << "nothing chosen yet";
  EXPECT_EQ(ChooseFirstLanguage(),
            (std::vector<std::wstring>{L"English\tEnglish", L"R&&D\tResearch && Development"}));

  EXPECT_EQ(EditorTexts(), kEnglishEditor);
  EXPECT_EQ(ColumnCaptions(),
            (std::vector<std::wstring>{L"Name", L"Type", L"Date modified", L"Size"}));
  EXPECT_EQ(StatusText(), L"Items: 1");
  EXPECT_EQ(form->ButtonUP->Hint(), L"Up one level");
  EXPECT_EQ(form->AboutMenu->Caption(), L"About");
  EXPECT_EQ(update->Caption(), L"Update Brindlow");
  window_test::ExpectDrawn(window_test::SaveScreenshot(frame, L"language-english-main.bmp"));
  EXPECT_EQ(AboutTexts(),
            (std::vector<std::wstring>{L"About Brindlow", L"Telegram", L"Website", L"OK"}));

  update.reset();
  about.reset();
  form.reset();
  Open(Content::Faked);
  EXPECT_EQ(EditorTexts(), kEnglishEditor);
  EXPECT_EQ(StatusText(), L"Items: 1");
  ASSERT_EQ(form->LanguageMenu->Items().size(), 2u);
  EXPECT_TRUE(form->LanguageMenu->Items()[0]->checked);
  EXPECT_FALSE(form->LanguageMenu->Items()[1]->checked);
}

}  // namespace
