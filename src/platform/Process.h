#pragma once

#include <string>

namespace platform {

class Process {
 public:
  virtual ~Process() = default;
  // Full path of the running executable.
  virtual std::wstring ExecutablePath() = 0;
  // The user's temporary folder as the system gives it (GetTempPathW); empty when it cannot.
  virtual std::wstring TempFolder() = 0;
  // Asks the application to end: its message loop ends when control returns to it.
  virtual void Terminate() = 0;
  // Ends the process at once: no window is closed, no handler runs.
  [[noreturn]] virtual void ExitNow(int code) = 0;
};

}  // namespace platform
