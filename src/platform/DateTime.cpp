#include "platform/DateTime.h"

namespace platform {

namespace {

constexpr std::int64_t kTicksPerMs = 10'000;
constexpr std::int64_t kTicksPerDay = 1440 * static_cast<std::int64_t>(kTicksPerMinute);

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

constexpr std::int64_t kEpochDays = DaysFromCivil(1601, 1, 1);

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

}  // namespace platform
