// Writing the pickers' date and time to the first selected item.
#include <exception>

#include "browser/ListItems.h"
#include "browser/ModifiedText.h"
#include "editor/EditorPanel.h"
#include "platform/Utf8.h"

namespace {

// The date of the date picker at the time of day of the time picker.
platform::DateTime ChosenTime(const platform::DateTime& date, const platform::DateTime& time) {
  return {date.year, date.month, date.day, time.hour, time.minute, time.second, time.millisecond};
}

}  // namespace

void EditorPanel::ApplyDateTime() {
  const std::optional<Item> item = FirstSelectedItem();
  if (!item) return;
  const platform::DateTime value = ChosenTime(ui_.date.Value(), ui_.time.Value());
  try {
    const bool isFolder = item->shown.isFolder;
    const std::uint32_t error =
        isFolder ? SetFolderTimes(item->path, value) : SetFileLastWriteTime(item->path, value);
    // The list shows what the disk now holds, whether or not the write succeeded.
    const std::optional<platform::DateTime> written =
        isFolder ? GetFolderCreationTime(item->path) : GetEntryTime(item->path);
    if (written) {
      ui_.list.SetSubItem(item->shown.index, listitem::kModified,
                          FormatModified(*written, services_.clock.TimeSeparator()));
    }
    // The date column sorts by the instant on disk.
    if (const auto entry = services_.files.FindEntry(item->path)) {
      ui_.list.SetNumber(item->shown.index, listitem::kWritten,
                         static_cast<std::int64_t>(entry->lastWrite));
    }
    Refresh();
    NotifyShell();
    if (error != 0) ShowFailure(services_.files.ErrorText(error));
  } catch (const std::exception& e) {
    ShowFailure(platform::FromUtf8(e.what()));
  } catch (...) {
    ShowFailure(std::wstring());
  }
  services_.dispatcher.ProcessMessages();
}

void EditorPanel::ShowFailure(const std::wstring& reason) {
  services_.dialogs.ShowMessage(&ui_.window, ui_.timeErrorCaption.Caption() + L" " + reason,
                                messageTitle_, platform::kMbOk);
}

void EditorPanel::TakeCurrentTime() {
  // One reading for both pickers: two could straddle midnight.
  const platform::DateTime now = services_.clock.LocalNow();
  ui_.date.SetValue(now);
  ui_.time.SetValue(now);
}

std::optional<platform::FileTime> EditorPanel::InstantFor(const std::wstring& path,
                                                          const platform::DateTime& value) const {
  const std::optional<platform::DirEntry> entry = services_.files.FindEntry(path);
  const std::optional<platform::DateTime> own =
      entry ? services_.clock.ToLocal(entry->lastWrite) : std::nullopt;
  if (own) {
    // Unchanged, the entry keeps its instant to the last tick.
    if (*own == value) return entry->lastWrite;
    // A local time that occurs twice (the hour the clocks go back) is read with the
    // entry's own offset when that gives it.
    constexpr auto kMinute = static_cast<std::int64_t>(platform::kTicksPerMinute);
    const auto ownTicks = static_cast<std::int64_t>(platform::ToFileTime(*own));
    const auto offset = ownTicks - static_cast<std::int64_t>(entry->lastWrite);
    // Zones differ from UTC by whole minutes; the entry's finer fraction is not its offset.
    const std::int64_t offsetMinutes = (offset + (offset < 0 ? -kMinute : kMinute) / 2) / kMinute;
    const auto sameOffset = static_cast<platform::FileTime>(
        static_cast<std::int64_t>(platform::ToFileTime(value)) - offsetMinutes * kMinute);
    if (services_.clock.ToLocal(sameOffset) == value) return sameOffset;
  }
  return services_.clock.ToUtc(value);
}

std::uint32_t EditorPanel::SetFileLastWriteTime(const std::wstring& path,
                                                const platform::DateTime& value) {
  const std::optional<platform::FileTime> utc = InstantFor(path, value);
  if (!utc) return platform::kErrorInvalidParameter;
  platform::FileTimes times;
  times.lastWrite = utc;
  return services_.files.SetTimes(path, times);
}

std::uint32_t EditorPanel::SetFolderTimes(const std::wstring& path,
                                          const platform::DateTime& value) {
  const std::optional<platform::FileTime> utc = InstantFor(path, value);
  if (!utc) return platform::kErrorInvalidParameter;
  return services_.files.SetTimes(path, {utc, utc, utc});
}

std::optional<platform::DateTime> EditorPanel::GetFolderCreationTime(
    const std::wstring& path) const {
  const std::optional<platform::FileTime> creation = services_.files.GetCreationTime(path);
  if (!creation) return std::nullopt;
  return services_.clock.ToLocal(*creation);
}
