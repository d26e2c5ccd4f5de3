#include "browser/ModifiedText.h"

#include <cstdio>

std::wstring FormatModified(const platform::DateTime& t, const std::wstring& timeSeparator) {
  wchar_t date[32];
  std::swprintf(date, 32, L"%02d.%02d.%04d %02d", t.day, t.month, t.year, t.hour);
  wchar_t minutes[8];
  std::swprintf(minutes, 8, L"%02d", t.minute);
  return date + timeSeparator + minutes;
}
