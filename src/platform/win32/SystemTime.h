#pragma once

#include <windows.h>

#include "platform/DateTime.h"

namespace platform::win32 {

// A civil date-time as the system's SYSTEMTIME (the day of the week left 0) and back.
inline SYSTEMTIME ToSystemTime(const DateTime& t) {
  SYSTEMTIME s = {};
  s.wYear = static_cast<WORD>(t.year);
  s.wMonth = static_cast<WORD>(t.month);
  s.wDay = static_cast<WORD>(t.day);
  s.wHour = static_cast<WORD>(t.hour);
  s.wMinute = static_cast<WORD>(t.minute);
  s.wSecond = static_cast<WORD>(t.second);
  s.wMilliseconds = static_cast<WORD>(t.millisecond);
  return s;
}

inline DateTime FromSystemTime(const SYSTEMTIME& s) {
  return {s.wYear, s.wMonth, s.wDay, s.wHour, s.wMinute, s.wSecond, s.wMilliseconds};
}

}  // namespace platform::win32
