#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "app/ProcessState.h"
#include "appearance/ThemeChoice.h"
#include "browser/FolderBrowser.h"
#include "editor/EditorPanel.h"
#include "i18n/LanguageMenu.h"
#include "platform/Platform.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DateTimePicker.h"
#include "platform/ui/Form.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/ListView.h"
#include "platform/ui/Menu.h"

// The main window: folder browser on the right, attribute and time editor on the left. Its
// operations forward to the two panels.
class TForm1 : public ui::Form {
 public:
  // Builds the window and runs FormCreate.
  TForm1(const platform::Services& services, ProcessState& state);
  ~TForm1() override;
  TForm1(const TForm1&) = delete;
  TForm1& operator=(const TForm1&) = delete;

  // Program entry's system check.
  [[nodiscard]] bool IsWindows10Or11() const;

  void FormCreate();
  void FormShow();
  void FormClose();

  // Settings: the file's path (its folder is made), and the main window's keys.
  [[nodiscard]] std::wstring PortablePath() const;
  void LoadNastr();
  void SaveNastr();

  // The windows the general menu opens, made after this one; translated with this one.
  void SetModalWindows(ui::Form* about, ui::Form* update);

  // Languages: the files tidied, the submenu built, every window translated.
  void CleanTranslationsLikeGlobload() { language_->CleanTranslationsLikeGlobload(); }
  void LoadLanguage() { language_->LoadLanguage(); }
  void globLoad() { language_->globLoad(); }

  // The general menu and the window's own behaviour.
  void SpeedButton_GeneralMenuClick();
  void ReleaseMenuButton();
  void RefreshListMenuClick();
  void IconSmallMenuClick();
  void IconBigMenuClick();
  void CheckUpdateMenuClick();
  void AboutMenuClick();
  // The theme items: each keeps its mark alone and applies its style.
  void ThemeAutoClick();
  void ThemeLightClick();
  void ThemeDarkClick();
  void UnCheckTheme();
  // A system setting changed: the style follows the system when the stored choice says so.
  void WMWininiChange();
  void SetSystemIconSize(ui::ListView* listView, bool large) {
    browser_->SetSystemIconSize(listView, large);
  }
  // Keeps the dragged window inside the work area of its monitor.
  void WMMoving(ui::Rect& proposed);
  void FormMouseMove() { ReleaseMenuButton(); }

  // Drives.
  void FillDriveList() { browser_->FillDriveList(); }
  [[nodiscard]] std::wstring GetVolumeLabel(wchar_t letter) const {
    return browser_->GetVolumeLabel(letter);
  }
  void ComboBoxDriveChange() { browser_->OpenSelectedDrive(); }
  void WMDeviceChange(ui::DeviceChange change);

  // Navigation. The path box takes no typing: keys and characters are dropped, and the edit
  // field never keeps a highlighted selection.
  void cbPathChange() { browser_->OpenPathBoxFolder(); }
  void cbPathKeyDown(unsigned& key) {
    key = 0;
    cbPath->CollapseEditSelection();
  }
  void cbPathKeyPress(wchar_t& ch) {
    ch = 0;
    cbPath->CollapseEditSelection();
  }
  void cbPathEnter() { cbPath->CollapseEditSelection(); }
  void cbPathMouseEnter() { cbPath->CollapseEditSelection(); }
  void ButtonUPClick() { browser_->GoUp(); }
  void ButtonRefreshClick() { cbPathChange(); }
  void ListViewAttributesDblClick() { browser_->OpenSelectedItem(); }
  [[nodiscard]] std::wstring GetParentFolder(const std::wstring& path) const {
    return browser_->GetParentFolder(path);
  }
  // Backspace and Alt+Up go up, F5 refreshes, F1 shows the About window.
  bool FormShortcut(ui::KeyStroke stroke);

  // Listing and sorting.
  void AddFile(const std::wstring& fileMask, std::uint32_t fileAttr) {
    browser_->List(fileMask, fileAttr);
  }
  void AttachSystemImageLists(ui::ListView* listView) {
    browser_->AttachSystemImageLists(listView);
  }
  void ListViewAttributesColumnClick(int column);

  // Editor panel.
  void ListViewAttributesClick() { GlobGetAttrDateTime(); }
  void ListViewAttributesSelectItem() { GlobGetAttrDateTime(); }
  void GlobGetAttrDateTime() { editor_->Refresh(); }
  void GetAttrAttributes() { editor_->ReadAttributes(); }
  [[nodiscard]] std::optional<platform::DateTime> GetEntryTime(const std::wstring& path) const {
    return editor_->GetEntryTime(path);
  }
  [[nodiscard]] std::wstring ItemPath(const std::wstring& caption) const {
    return editor_->ItemPath(caption);
  }
  [[nodiscard]] static bool IsProtectedItem(const std::wstring& itemName) {
    return EditorPanel::IsProtectedItem(itemName);
  }
  void NotifyShell() { editor_->NotifyShell(); }
  void Button_ApplyClick() { editor_->ApplyAttributes(); }
  void Button_DateTimeClick() { editor_->ApplyDateTime(); }
  void CurrentDateTimeClick() { editor_->TakeCurrentTime(); }
  // 0 when the time was set, else the system's error code.
  std::uint32_t SetFileLastWriteTime(const std::wstring& path, const platform::DateTime& value) {
    return editor_->SetFileLastWriteTime(path, value);
  }
  std::uint32_t SetFolderTimes(const std::wstring& path, const platform::DateTime& value) {
    return editor_->SetFolderTimes(path, value);
  }
  [[nodiscard]] std::optional<platform::DateTime> GetFolderCreationTime(
      const std::wstring& path) const {
    return editor_->GetFolderCreationTime(path);
  }

  // The component tree, named as the translation and settings keys name them.
  ui::TabControl* TabControl12;
  ui::SpeedButton* SpeedButton_GeneralMenu;
  ui::GroupBox* GroupBox2;
  ui::ComboBox* ComboBoxDrive;
  ui::Button* ButtonUP;
  ui::ComboBox* cbPath;
  ui::Button* ButtonRefresh;
  ui::TabControl* TabControl2;
  ui::GroupBox* GroupBox1;
  ui::CheckBox* CheckBox_Archive;
  ui::CheckBox* CheckBox_Hide;
  ui::CheckBox* CheckBox_ReadOnly;
  ui::CheckBox* CheckBox_System;
  ui::Button* Button_Apply;
  ui::GroupBox* GroupBox3;
  ui::DateTimePicker* DatePicker1;
  ui::DateTimePicker* TimePicker1;
  ui::Button* Button_DateTime;
  ui::TabControl* TabControl1;
  ui::ListView* ListViewAttributes;
  ui::StatusBar* StatusBar1;
  ui::ImageList* ImageList2;
  ui::PopupMenu* PopupMenuLanguage;
  ui::MenuItem* LangElements;
  ui::MenuItem* LangOnlyWindows;
  ui::MenuItem* LangError;
  ui::MenuItem* LangErrorTime;
  ui::PopupMenu* PopupMenuDateTime;
  ui::MenuItem* CurrentDateTime;
  ui::PopupMenu* PopupMenu_General;
  ui::MenuItem* ThemeMenu;
  ui::MenuItem* ThemeAuto;
  ui::MenuItem* ThemeLight;
  ui::MenuItem* ThemeDark;
  ui::MenuItem* LanguageMenu;
  ui::MenuItem* ViewMenu;
  ui::MenuItem* IconSmallMenu;
  ui::MenuItem* IconBigMenu;
  ui::MenuItem* N3;
  ui::MenuItem* RefreshListMenu;
  ui::MenuItem* MenuItem5;
  ui::MenuItem* CheckUpdateMenu;
  ui::MenuItem* N1;
  ui::MenuItem* AboutMenu;

 private:
  void CreateComponents();
  void CreateGeneralMenu();
  void CreatePanels();
  void ConnectEvents();
  // Releases the menu button and leaves the mark on `item` alone.
  void MarkTheme(ui::MenuItem& item);

  platform::Services services_;
  ProcessState& state_;
  ThemeChoice theme_;
  std::unique_ptr<FolderBrowser> browser_;
  std::unique_ptr<EditorPanel> editor_;
  std::unique_ptr<i18n::LanguageMenu> language_;
  ui::Form* aboutWindow_ = nullptr;
  ui::Form* updateWindow_ = nullptr;
};
