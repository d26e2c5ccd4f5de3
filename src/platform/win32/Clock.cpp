// The present moment and the user's time zone over the Win32 time functions.
#include <windows.h>

#include <cstring>
#include <cwchar>
#include <iterator>
#include <map>

#include "platform/win32/Services.h"
#include "platform/win32/SystemTime.h"

namespace platform::win32 {

namespace {

// How long the zone read last is trusted before it is compared with the system's again.
constexpr ULONGLONG kZoneCheckMs = 1000;

bool SameZone(const DYNAMIC_TIME_ZONE_INFORMATION& a, const DYNAMIC_TIME_ZONE_INFORMATION& b) {
  return a.Bias == b.Bias && a.StandardBias == b.StandardBias && a.DaylightBias == b.DaylightBias &&
         std::memcmp(&a.StandardDate, &b.StandardDate, sizeof a.StandardDate) == 0 &&
         std::memcmp(&a.DaylightDate, &b.DaylightDate, sizeof a.DaylightDate) == 0 &&
         a.DynamicDaylightTimeDisabled == b.DynamicDaylightTimeDisabled &&
         std::wcsncmp(a.TimeZoneKeyName, b.TimeZoneKeyName, std::size(a.TimeZoneKeyName)) == 0;
}

FileTime FromFileTime(const FILETIME& f) {
  return (static_cast<FileTime>(f.dwHighDateTime) << 32) | f.dwLowDateTime;
}

// A date and time of day as a calendar shows them, in the range the system converts. Checked
// here because not every system's conversion refuses a day such as 29 February 2023.
bool IsCivilTime(const DateTime& t) {
  constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (t.year < 1601 || t.year > 30827 || t.month < 1 || t.month > 12) return false;
  const bool leap = (t.year % 4 == 0 && t.year % 100 != 0) || t.year % 400 == 0;
  const int days = kDays[t.month - 1] + (t.month == 2 && leap ? 1 : 0);
  return t.day >= 1 && t.day <= days && t.hour >= 0 && t.hour < 24 && t.minute >= 0 &&
         t.minute < 60 && t.second >= 0 && t.second < 60 && t.millisecond >= 0 &&
         t.millisecond < 1000;
}

}  // namespace

// The zone's rules per year. A listing converts up to 100,000 times: reading the zone for
// each would cost more than the conversion itself.
class Win32Clock::Zone {
 public:
  const TIME_ZONE_INFORMATION& ForYear(WORD year) {
    Revalidate();
    auto found = years_.find(year);
    if (found != years_.end()) return found->second;
    TIME_ZONE_INFORMATION rules = {};
    // The year's own rules (zones change theirs over the years); when the user turned off
    // daylight saving, the zone as it stands.
    if (zone_.DynamicDaylightTimeDisabled || !GetTimeZoneInformationForYear(year, &zone_, &rules)) {
      rules = {};
      GetTimeZoneInformation(&rules);
    }
    return years_.emplace(year, rules).first->second;
  }

 private:
  // The user may change the zone while the program runs.
  void Revalidate() {
    const ULONGLONG now = GetTickCount64();
    if (read_ && now - checkedAt_ < kZoneCheckMs) return;
    DYNAMIC_TIME_ZONE_INFORMATION zone = {};
    GetDynamicTimeZoneInformation(&zone);
    if (!read_ || !SameZone(zone, zone_)) {
      zone_ = zone;
      years_.clear();
    }
    read_ = true;
    checkedAt_ = now;
  }

  DYNAMIC_TIME_ZONE_INFORMATION zone_ = {};
  bool read_ = false;
  ULONGLONG checkedAt_ = 0;
  std::map<WORD, TIME_ZONE_INFORMATION> years_;
};

Win32Clock::Win32Clock() : zone_(std::make_unique<Zone>()) {}
Win32Clock::~Win32Clock() = default;

DateTime Win32Clock::LocalNow() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  return FromSystemTime(now);
}

std::optional<DateTime> Win32Clock::ToLocal(FileTime utc) {
  const FILETIME file = {static_cast<DWORD>(utc), static_cast<DWORD>(utc >> 32)};
  SYSTEMTIME universal;
  if (!FileTimeToSystemTime(&file, &universal)) return std::nullopt;
  SYSTEMTIME local;
  if (!SystemTimeToTzSpecificLocalTime(&zone_->ForYear(universal.wYear), &universal, &local)) {
    return std::nullopt;
  }
  return FromSystemTime(local);
}

// The skipped and the repeated hour are read as daylight saving time, as the system does.
std::optional<FileTime> Win32Clock::ToUtc(const DateTime& local) {
  if (!IsCivilTime(local)) return std::nullopt;
  const SYSTEMTIME civil = ToSystemTime(local);
  SYSTEMTIME universal;
  if (!TzSpecificLocalTimeToSystemTime(&zone_->ForYear(civil.wYear), &civil, &universal)) {
    return std::nullopt;
  }
  FILETIME file;
  if (!SystemTimeToFileTime(&universal, &file)) return std::nullopt;
  return FromFileTime(file);
}

std::wstring Win32Clock::TimeSeparator() {
  wchar_t separator[8];
  const int length =
      GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_STIME, separator, std::size(separator));
  return length > 1 ? std::wstring(separator, length - 1) : L":";
}

}  // namespace platform::win32
