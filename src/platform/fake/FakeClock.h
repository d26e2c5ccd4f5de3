#pragma once

#include "platform/Clock.h"

namespace platform::fake {

using platform::FromFileTime;
using platform::ToFileTime;

// A time zone like Central Europe: standard time `bias` minutes east of UTC and, when
// `daylightSaving`, one hour more from the last Sunday of March 01:00 UTC to the last
// Sunday of October 01:00 UTC.
class FakeClock : public Clock {
 public:
  explicit FakeClock(int biasMinutes = 60, bool daylightSaving = true)
      : bias_(biasMinutes), daylight_(daylightSaving) {}

  DateTime LocalNow() override { return now; }
  std::optional<DateTime> ToLocal(FileTime utc) override;
  std::optional<FileTime> ToUtc(const DateTime& local) override;
  std::wstring TimeSeparator() override { return separator; }

  [[nodiscard]] bool IsDaylightTime(FileTime utc) const;

  DateTime now{2024, 1, 15, 12, 0, 0, 0};
  std::wstring separator = L":";

 private:
  int bias_;
  bool daylight_;
};

}  // namespace platform::fake
