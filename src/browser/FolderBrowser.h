#pragma once

#include <cstdint>
#include <string>

#include "platform/Clock.h"
#include "platform/Dispatcher.h"
#include "platform/FileSystem.h"
#include "platform/Shell.h"
#include "platform/Volumes.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Controls.h"
#include "platform/ui/ListView.h"
#include "platform/ui/Menu.h"

// The controls of the main window that the browser fills.
struct BrowserControls {
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

// The folder browser: the drive selector, the listing of one folder and its order.
class FolderBrowser {
 public:
  // `sortDirection` (+1 or -1) is the one direction of every sort of the list.
  FolderBrowser(BrowserControls controls, BrowserServices services, int& sortDirection)
      : ui_(controls), services_(services), sortDirection_(sortDirection) {}

  // Drives.
  void FillDriveList();
  [[nodiscard]] std::wstring GetVolumeLabel(wchar_t letter) const;
  // Opens the root of the chosen drive and adds it to the history.
  void OpenSelectedDrive();

  // Replaces the list's items with the entries matching `fileMask` (the path box's folder
  // and "*.*") whose filtered attributes are in `fileAttr`; selects the first.
  void List(const std::wstring& fileMask, std::uint32_t fileAttr);
  // Gives the list the system's small and large icons (borrowed, never destroyed).
  void AttachSystemImageLists(ui::ListView* listView) const;

  // Flips the direction, then sorts by the column's key. True when another item has become
  // the first selected one.
  bool SortByColumn(int column);

  void ShowItemCount();

 private:
  BrowserControls ui_;
  BrowserServices services_;
  int& sortDirection_;
};
