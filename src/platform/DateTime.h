#pragma once

#include <cstdint>

namespace platform {

// A civil date and time to the millisecond, as a calendar shows it.
struct DateTime {
  int year = 1899;
  int month = 12;
  int day = 30;
  int hour = 0;
  int minute = 0;
  int second = 0;
  int millisecond = 0;
  bool operator==(const DateTime&) const = default;
};

// A point in time: 100-nanosecond intervals since 1601-01-01 00:00 UTC.
using FileTime = std::uint64_t;

inline constexpr FileTime kTicksPerMinute = 600'000'000;

// Calendar arithmetic, no time zone: a date and time as the ticks since 1601-01-01 00:00
// of the same calendar, and back (to the millisecond).
FileTime ToFileTime(const DateTime& civil);
DateTime FromFileTime(FileTime ticks);

}  // namespace platform
