#pragma once

#include <optional>
#include <string>

#include "platform/DateTime.h"

namespace platform {

// The present moment and the local time zone. Conversions use the rules in force at the
// instant converted (daylight saving included), not today's offset.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual DateTime LocalNow() = 0;
  virtual std::optional<DateTime> ToLocal(FileTime utc) = 0;
  // A local time in the spring gap or the autumn overlap is read as daylight saving time.
  virtual std::optional<FileTime> ToUtc(const DateTime& local) = 0;
  // The user's time separator (":" in most locales).
  virtual std::wstring TimeSeparator() = 0;
};

}  // namespace platform
