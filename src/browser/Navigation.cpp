// Moving between folders: the path box and its history, Up, entering and opening items.
#include "browser/FolderBrowser.h"
#include "browser/ListItems.h"
#include "browser/PathText.h"
#include "browser/ProtectedNames.h"
#include "platform/ui/Guard.h"

namespace {

// "C:" for a path that starts with a drive letter; "\\server\share" for a network path;
// otherwise empty.
std::wstring DrivePart(const std::wstring& path) {
  const bool letter = path.size() >= 2 && ((path[0] >= L'A' && path[0] <= L'Z') ||
                                           (path[0] >= L'a' && path[0] <= L'z'));
  if (letter && path[1] == L':') return path.substr(0, 2);
  if (path.rfind(L"\\\\", 0) != 0) return {};
  const size_t server = path.find(L'\\', 2);
  if (server == std::wstring::npos) return path;
  const size_t share = path.find(L'\\', server + 1);
  return path.substr(0, share);
}

bool StartsWithIgnoringAsciiCase(const std::wstring& text, const std::wstring& prefix) {
  return text.size() >= prefix.size() &&
         EqualsIgnoringAsciiCase(text.substr(0, prefix.size()), prefix);
}

bool IsBlankOrControl(wchar_t c) {
  return c <= L' ';
}

}  // namespace

void FolderBrowser::OpenPathBoxFolder() {
  if (ui_.path.Text().empty()) return;
  // Pasted text is normalised once, so that every later use sees the folder listed.
  const std::wstring folder = WithTrailingBackslash(CollapseBackslashes(ui_.path.Text()));
  if (folder != ui_.path.Text()) ui_.path.SetTextValue(folder);
  if (!services_.files.DirectoryExists(folder)) ui_.path.SetItemIndex(0);
  SyncDrive();
  ListPathBoxFolder();
  PathListed();
}

void FolderBrowser::GoUp() {
  const std::wstring text = ui_.path.Text();
  const std::wstring drive = DrivePart(text);
  if (text == drive || text == drive + L"\\") return;
  // A vanished folder has no parent to show: the path box keeps it, and the check below
  // falls back to the first history entry.
  const std::wstring parent = GetParentFolder(CollapseBackslashes(text));
  if (!parent.empty()) ui_.path.SetTextValue(parent);
  OpenPathBoxFolder();
  services_.dispatcher.ProcessMessages();
}

void FolderBrowser::OpenSelectedItem() {
  const auto item = listitem::FirstSelected(ui_.list);
  if (!item || IsUnenterableFolderName(item->caption)) return;
  const std::wstring folder = ui_.path.Text();
  if (!item->isFolder) {
    services_.shell.Open(&ui_.window, folder + item->caption, folder);
    return;
  }
  ui_.path.SetTextValue(folder + item->caption + L"\\");
  ui_.path.AddItem(CollapseBackslashes(ui_.path.Text()));
  ListPathBoxFolder();
  PathListed();
}

std::wstring FolderBrowser::GetParentFolder(const std::wstring& path) const {
  if (!services_.files.DirectoryExists(path)) return {};
  size_t first = 0;
  size_t last = path.size();
  while (first < last && IsBlankOrControl(path[first])) ++first;
  while (last > first && IsBlankOrControl(path[last - 1])) --last;
  std::wstring s = path.substr(first, last - first);
  if (s != L"\\") {
    s.erase(0, s.find_first_not_of(L'\\'));
    s.erase(s.find_last_not_of(L'\\') + 1);
  }
  if (s.empty()) return {};
  const size_t slash = s.rfind(L'\\');
  std::wstring parent =
      WithTrailingBackslash(s.substr(0, slash == std::wstring::npos ? 1 : slash + 1));
  return services_.files.DirectoryExists(parent) ? parent : std::wstring();
}

void FolderBrowser::ListPathBoxFolder() {
  List(ui_.path.Text() + L"*.*", platform::kAttrMaskAll);
}

// The selector shows the path's drive; without one it shows nothing.
void FolderBrowser::SyncDrive() {
  const std::wstring drive = DrivePart(ui_.path.Text());
  const auto& entries = ui_.drives.Items();
  for (size_t i = 0; i < entries.size(); ++i) {
    if (StartsWithIgnoringAsciiCase(entries[i], drive)) {
      ui_.drives.SetItemIndex(static_cast<int>(i));
      return;
    }
  }
  ui_.drives.SetItemIndex(-1);
}

void FolderBrowser::PathListed() {
  if (OnPathListed) ui::Guard(OnPathListed);
}
