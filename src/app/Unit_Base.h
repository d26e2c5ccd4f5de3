#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "app/ProcessState.h"
#include "platform/Platform.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DateTimePicker.h"
#include "platform/ui/Form.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/ListView.h"
#include "platform/ui/Menu.h"

// The main window: folder browser on the right, attribute and time editor on the left.
class TForm1 : public ui::Form {
 public:
  // Builds the window and runs FormCreate.
  TForm1(platform::Services& services, ProcessState& state);

  // Program entry's system check.
  [[nodiscard]] bool IsWindows10Or11() const;

  void FormCreate();
  void FormShow();
  void FormClose();

  // Settings (stored by the settings store).
  void LoadNastr();
  void SaveNastr();

  // Drives.
  void FillDriveList();
  [[nodiscard]] std::wstring GetVolumeLabel(wchar_t letter) const;
  void ComboBoxDriveChange();
  void WMDeviceChange(std::uintptr_t wParam);

  // Listing and sorting.
  void AddFile(const std::wstring& fileMask, std::uint32_t fileAttr);
  void AttachSystemImageLists(ui::ListView* listView);
  void ListViewAttributesColumnClick(int column);

  // Editor panel.
  void ListViewAttributesClick();
  void ListViewAttributesSelectItem();
  void GlobGetAttrDateTime();
  void GetAttrAttributes();
  [[nodiscard]] std::optional<platform::DateTime> GetEntryTime(const std::wstring& path) const;
  [[nodiscard]] std::wstring ItemPath(const std::wstring& caption) const;
  [[nodiscard]] bool IsProtectedItem(const std::wstring& itemName) const;
  void NotifyShell();
  void Button_ApplyClick();
  void Button_DateTimeClick();
  void CurrentDateTimeClick();
  // 0 when the time was set, else the system's error code.
  std::uint32_t SetFileLastWriteTime(const std::wstring& path, const platform::DateTime& value);
  std::uint32_t SetFolderTimes(const std::wstring& path, const platform::DateTime& value);
  [[nodiscard]] std::optional<platform::DateTime> GetFolderCreationTime(
      const std::wstring& path) const;

  // "Элементов: " with the count, for status panel 0.
  [[nodiscard]] std::wstring ItemCountText() const;
  void ShowItemCount();

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

  platform::Services& services;
  ProcessState& state;

 private:
  void CreateComponents();
  void ConnectEvents();
  void ConnectBrowserEvents();
  void ConnectEditorEvents();
};
