#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "browser/FileTypeInfo.h"
#include "browser/Sorting.h"
#include "platform/Clock.h"
#include "platform/Dispatcher.h"
#include "platform/FileSystem.h"
#include "platform/Shell.h"
#include "platform/Volumes.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Form.h"
#include "platform/ui/ListView.h"
#include "platform/ui/Menu.h"

// The controls of the main window that the browser fills.
struct BrowserControls {
  const ui::Form& window;  // owns what the browser opens
  ui::ComboBox& drives;
  ui::ComboBox& path;  // names the folder listed; its items are the history
  ui::ListView& list;
  ui::StatusBar& status;
  const ui::MenuItem& countCaption;  // the text before the item count
};

struct BrowserServices {
  platform::FileSystem& files;
  platform::Volumes& volumes;
  platform::Shell& shell;
  platform::Clock& clock;
  platform::Dispatcher& dispatcher;
};

// The folder browser: the drive selector, the path box with its history, the listing of
// one folder and its order.
class FolderBrowser {
 public:
  // `sortDirection` (+1 or -1) is the one direction of every sort of the list.
  FolderBrowser(BrowserControls controls, BrowserServices services, int& sortDirection)
      : ui_(controls), services_(services), sortDirection_(sortDirection) {}

  // Runs after navigation has listed a folder, so that the editor can show what is
  // selected; its failures are its own.
  ui::Event OnPathListed;

  // Drives.
  void FillDriveList();
  [[nodiscard]] std::wstring GetVolumeLabel(wchar_t letter) const;
  // Opens the root of the chosen drive and adds it to the history.
  void OpenSelectedDrive();

  // Navigation. The path box always names the folder listed.
  // Lists the folder the path box names (normalised first), or the first history entry
  // when it is gone; keeps the drive selector on its drive. Nothing when the box is empty.
  void OpenPathBoxFolder();
  // Up one level; at a root nothing happens.
  void GoUp();
  // Enters the first selected folder or opens the first selected file.
  void OpenSelectedItem();
  // The parent of an existing folder with a trailing backslash, or empty text.
  [[nodiscard]] std::wstring GetParentFolder(const std::wstring& path) const;

  // Replaces the list's items with the entries matching `fileMask` (the path box's folder
  // and "*.*") whose filtered attributes are in `fileAttr`; selects the first.
  void List(const std::wstring& fileMask, std::uint32_t fileAttr);
  // Gives the list the system's small and large icons (borrowed, never destroyed).
  void AttachSystemImageLists(ui::ListView* listView) const;
  // Gives both of the list's slots the system's icons of one size: large or small.
  void SetSystemIconSize(ui::ListView* listView, bool large) const;

  // Flips the direction, then sorts by the column's order. True when another item has
  // become the first selected one.
  bool SortByColumn(int column);

  void ShowItemCount();

 private:
  // Puts the system's list of `smallIcons` size into the small or the large slot.
  void ShareSystemImages(ui::ListView& listView, const ui::ImageList* slot, bool smallIcons,
                         bool smallSlot) const;
  void ListPathBoxFolder();
  void SyncDrive();
  void PathListed();
  [[nodiscard]] TypeNames TypeNamesOfListing() const;

  BrowserControls ui_;
  BrowserServices services_;
  int& sortDirection_;
  std::shared_ptr<FileTypeInfo> types_;  // of the current listing
};
