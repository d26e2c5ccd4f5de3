#pragma once

#include <string>

#include "browser/FolderBrowser.h"
#include "editor/EditorPanel.h"
#include "platform/Platform.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DateTimePicker.h"
#include "platform/ui/Form.h"
#include "platform/ui/ListView.h"
#include "platform/ui/Menu.h"

namespace panel_test {

// The controls the browser and the editor work on, on a bare form, named as the main window
// names them.
class PanelForm : public ui::Form {
 public:
  explicit PanelForm(ui::FormHost& host);

  [[nodiscard]] BrowserControls Browser();
  [[nodiscard]] EditorControls Editor();

  ui::ComboBox* ComboBoxDrive;
  ui::ComboBox* cbPath;
  ui::ListView* ListViewAttributes;
  ui::StatusBar* StatusBar1;
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
  ui::PopupMenu* PopupMenuLanguage;
  ui::MenuItem* LangElements;
  ui::MenuItem* LangErrorTime;
  ui::PopupMenu* PopupMenuDateTime;
  ui::MenuItem* CurrentDateTime;
};

// The browser alone; the list's events are the test's.
class BrowserPanel {
 public:
  explicit BrowserPanel(const platform::Services& services);
  BrowserPanel(const BrowserPanel&) = delete;
  BrowserPanel& operator=(const BrowserPanel&) = delete;

  // Lists a folder as navigation does: the path box names it, then the listing runs.
  void List(const std::wstring& folder);
  ui::ListView& list() { return *form.ListViewAttributes; }

  int sortDirection = 1;
  PanelForm form;
  FolderBrowser browser;
};

// The editor with its events bound as the main window binds them, over a browser that
// lists the folders it works on.
class EditorPanels : public BrowserPanel {
 public:
  explicit EditorPanels(const platform::Services& services);

  EditorPanel editor;
};

}  // namespace panel_test
