#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include "browser/ListItems.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Dispatcher.h"
#include "platform/FileSystem.h"
#include "platform/Shell.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Controls.h"
#include "platform/ui/DateTimePicker.h"
#include "platform/ui/Form.h"
#include "platform/ui/ListView.h"
#include "platform/ui/Menu.h"

// The controls of the main window that the editor reads and sets.
struct EditorControls {
  ui::Form& window;  // owns the editor's message boxes
  ui::ListView& list;
  const ui::ComboBox& path;  // names the folder of the listed items
  ui::StatusBar& status;
  const ui::MenuItem& countCaption;      // the text before the item count
  const ui::MenuItem& timeErrorCaption;  // the text before a failed date change's reason
  ui::GroupBox& attributes;
  ui::CheckBox& archive;
  ui::CheckBox& hidden;
  ui::CheckBox& readOnly;
  ui::CheckBox& system;
  ui::GroupBox& dateTime;
  ui::DateTimePicker& date;
  ui::DateTimePicker& time;
  ui::Button& applyDateTime;
};

struct EditorServices {
  platform::FileSystem& files;
  platform::Shell& shell;
  platform::Clock& clock;
  platform::Dialogs& dialogs;
  platform::Dispatcher& dispatcher;
};

// The attribute and time editor: it describes the first selected item of the list and
// writes the four attributes and the last-write time back to it.
class EditorPanel {
 public:
  // `messageTitle` heads the editor's message boxes.
  EditorPanel(EditorControls controls, EditorServices services, std::wstring messageTitle)
      : ui_(controls), services_(services), messageTitle_(std::move(messageTitle)) {}

  // Shows the first selected item: its attributes, its time, which groups it is offered.
  void Refresh();
  // Reads the item's attributes from disk into the four boxes.
  void ReadAttributes();
  // After navigation has listed a folder: with nothing selected the panel offers nothing.
  void ShowListedFolder();

  void ApplyAttributes();
  void ApplyDateTime();
  // Both pickers take the present moment.
  void TakeCurrentTime();

  // The local time of an entry's last change, or nothing when it is not found.
  [[nodiscard]] std::optional<platform::DateTime> GetEntryTime(const std::wstring& path) const;
  // The full path of a listed item: the path box's folder and the item's name.
  [[nodiscard]] std::wstring ItemPath(const std::wstring& caption) const;
  static bool IsProtectedItem(const std::wstring& itemName);
  // Tells the shell and the desktop that items changed.
  void NotifyShell();

  // 0 when the time was set, else the system's error code.
  std::uint32_t SetFileLastWriteTime(const std::wstring& path, const platform::DateTime& value);
  std::uint32_t SetFolderTimes(const std::wstring& path, const platform::DateTime& value);
  [[nodiscard]] std::optional<platform::DateTime> GetFolderCreationTime(
      const std::wstring& path) const;

 private:
  // The item the editor describes and changes.
  struct Item {
    listitem::Selected shown;
    std::wstring path;  // ItemPath of the caption
  };
  [[nodiscard]] std::optional<Item> FirstSelectedItem() const;
  // False once pending messages have made another item the first selected one, or moved
  // the list to another folder: a newer refresh then describes that one.
  [[nodiscard]] bool IsStillFirstSelected(const Item& item) const;
  [[nodiscard]] std::uint32_t CheckedAttributes() const;
  void ShowAttributes(std::uint32_t attributes);
  // The instant to write for a local time chosen for the entry at `path`.
  [[nodiscard]] std::optional<platform::FileTime> InstantFor(const std::wstring& path,
                                                             const platform::DateTime& value) const;
  void ShowFailure(const std::wstring& reason);

  EditorControls ui_;
  EditorServices services_;
  std::wstring messageTitle_;
};
