#pragma once

#include <string>

namespace platform {

class Process {
 public:
  virtual ~Process() = default;
  // Full path of the running executable.
  virtual std::wstring ExecutablePath() = 0;
};

}  // namespace platform
