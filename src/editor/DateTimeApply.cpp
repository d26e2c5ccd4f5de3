// Writing the pickers' date and time to the first selected item.
#include <exception>

#include "app/Unit_Base.h"
#include "browser/ListItemLayout.h"
#include "browser/ModifiedText.h"
#include "editor/EditorItem.h"

namespace {

constexpr std::uint32_t kErrorInvalidParameter = 87;

// The date of the date picker at the time of day of the time picker.
platform::DateTime ChosenTime(const platform::DateTime& date, const platform::DateTime& time) {
  return {date.year, date.month, date.day, time.hour, time.minute, time.second, time.millisecond};
}

// A failure's own text, as the runtime gives it (one byte a character).
std::wstring Widen(const char* text) {
  std::wstring wide;
  for (const char* c = text; *c != '\0'; ++c) {
    wide += static_cast<wchar_t>(static_cast<unsigned char>(*c));
  }
  return wide;
}

}  // namespace

void TForm1::Button_DateTimeClick() {
  const std::optional<EditorItem> item = FirstSelectedItem(*this);
  if (!item) return;
  const platform::DateTime value = ChosenTime(DatePicker1->Value(), TimePicker1->Value());
  std::optional<std::wstring> failure;
  try {
    const std::uint32_t error = item->isFolder ? SetFolderTimes(item->path, value)
                                               : SetFileLastWriteTime(item->path, value);
    // The list shows what the disk now holds, whether or not the write succeeded.
    const std::optional<platform::DateTime> written =
        item->isFolder ? GetFolderCreationTime(item->path) : GetEntryTime(item->path);
    if (written) {
      ListViewAttributes->SetSubItem(item->index, listitem::kModified,
                                     FormatModified(*written, services.clock.TimeSeparator()));
    }
    GlobGetAttrDateTime();
    NotifyShell();
    if (error != 0) failure = services.files.ErrorText(error);
  } catch (const std::exception& e) {
    failure = Widen(e.what());
  } catch (...) {
    failure = std::wstring();
  }
  if (failure) {
    services.dialogs.ShowMessage(0, LangErrorTime->Caption() + L" " + *failure, kApplicationTitle,
                                 platform::kMbOk);
  }
  services.dispatcher.ProcessMessages();
}

void TForm1::CurrentDateTimeClick() {
  DatePicker1->SetValue(services.clock.LocalNow());
  TimePicker1->SetValue(services.clock.LocalNow());
}

std::uint32_t TForm1::SetFileLastWriteTime(const std::wstring& path,
                                           const platform::DateTime& value) {
  const std::optional<platform::FileTime> utc = services.clock.ToUtc(value);
  if (!utc) return kErrorInvalidParameter;
  platform::FileTimes times;
  times.lastWrite = utc;
  return services.files.SetTimes(path, times);
}

std::uint32_t TForm1::SetFolderTimes(const std::wstring& path, const platform::DateTime& value) {
  const std::optional<platform::FileTime> utc = services.clock.ToUtc(value);
  if (!utc) return kErrorInvalidParameter;
  return services.files.SetTimes(path, {utc, utc, utc});
}

std::optional<platform::DateTime> TForm1::GetFolderCreationTime(const std::wstring& path) const {
  const std::optional<platform::FileTime> creation = services.files.GetCreationTime(path);
  if (!creation) return std::nullopt;
  return services.clock.ToLocal(*creation);
}
