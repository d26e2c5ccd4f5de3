#include "platform/fake/FakeClock.h"

namespace platform::fake {

namespace {

// 01:00 UTC on the last Sunday of `month`.
FileTime LastSundayOneUtc(int year, int month) {
  constexpr FileTime kDay = 1440 * kTicksPerMinute;
  const FileTime lastDay = ToFileTime({year, month + 1, 1, 0, 0, 0, 0}) - kDay;
  const FileTime weekday = (lastDay / kDay + 1) % 7;  // 1601-01-01 was a Monday; 0 = Sunday
  return lastDay - weekday * kDay + 60 * kTicksPerMinute;
}

}  // namespace

bool FakeClock::IsDaylightTime(FileTime utc) const {
  if (!daylight_) return false;
  const int year = FromFileTime(utc).year;
  return utc >= LastSundayOneUtc(year, 3) && utc < LastSundayOneUtc(year, 10);
}

std::optional<DateTime> FakeClock::ToLocal(FileTime utc) {
  const int offset = bias_ + (IsDaylightTime(utc) ? 60 : 0);
  return FromFileTime(utc + static_cast<FileTime>(offset) * kTicksPerMinute);
}

std::optional<FileTime> FakeClock::ToUtc(const DateTime& local) {
  const FileTime asUtc = ToFileTime(local);
  const FileTime standard = asUtc - static_cast<FileTime>(bias_) * kTicksPerMinute;
  if (!daylight_) return standard;
  const FileTime summer = standard - kTicksPerMinute * 60;
  // Summer time when it reads as such; the skipped and the repeated hour count as summer.
  if (IsDaylightTime(summer) || IsDaylightTime(standard)) return summer;
  return standard;
}

}  // namespace platform::fake
