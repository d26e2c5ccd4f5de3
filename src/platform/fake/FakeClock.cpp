#include "platform/fake/FakeClock.h"

#include <cstdint>

namespace platform::fake {

namespace {

constexpr std::int64_t kTicksPerMs = 10'000;
constexpr std::int64_t kTicksPerMinute = 60'000 * kTicksPerMs;
constexpr std::int64_t kTicksPerDay = 1440 * kTicksPerMinute;

// Days since 1970-01-01 of a civil date (proleptic Gregorian).
constexpr std::int64_t DaysFromCivil(std::int64_t y, int m, int d) {
  y -= m <= 2 ? 1 : 0;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const std::int64_t yoe = y - era * 400;
  const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

DateTime CivilFromDays(std::int64_t z) {
  z += 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const std::int64_t doe = z - era * 146097;
  const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const std::int64_t mp = (5 * doy + 2) / 153;
  DateTime t;
  t.day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  t.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  t.year = static_cast<int>(yoe + era * 400 + (t.month <= 2 ? 1 : 0));
  return t;
}

// A constant, so that tests may build their own constants from it at start-up.
constexpr std::int64_t kEpochDays = DaysFromCivil(1601, 1, 1);

// 01:00 UTC on the last Sunday of `month`.
FileTime LastSundayOneUtc(int year, int month) {
  const std::int64_t lastDay = DaysFromCivil(year, month + 1, 1) - 1;
  const std::int64_t weekday = (lastDay + 4) % 7;  // 1970-01-01 was a Thursday; 0 = Sunday
  return ToFileTime(CivilFromDays(lastDay - weekday)) + 60 * kTicksPerMinute;
}

}  // namespace

FileTime ToFileTime(const DateTime& t) {
  const std::int64_t days = DaysFromCivil(t.year, t.month, t.day) - kEpochDays;
  const std::int64_t ms =
      ((static_cast<std::int64_t>(t.hour) * 60 + t.minute) * 60 + t.second) * 1000 + t.millisecond;
  return static_cast<FileTime>(days * kTicksPerDay + ms * kTicksPerMs);
}

DateTime FromFileTime(FileTime ticks) {
  const auto value = static_cast<std::int64_t>(ticks);
  DateTime t = CivilFromDays(value / kTicksPerDay + kEpochDays);
  std::int64_t ms = (value % kTicksPerDay) / kTicksPerMs;
  t.millisecond = static_cast<int>(ms % 1000);
  ms /= 1000;
  t.second = static_cast<int>(ms % 60);
  ms /= 60;
  t.minute = static_cast<int>(ms % 60);
  t.hour = static_cast<int>(ms / 60);
  return t;
}

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
