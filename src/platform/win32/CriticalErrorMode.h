#pragma once

#include <windows.h>

namespace platform::win32 {

// While alive, the calling thread gets error codes instead of the system's "no disk"
// boxes when it touches a drive without media (an empty card reader).
class NoCriticalErrorBoxes {
 public:
  NoCriticalErrorBoxes() { SetThreadErrorMode(SEM_FAILCRITICALERRORS, &previous_); }
  ~NoCriticalErrorBoxes() { SetThreadErrorMode(previous_, nullptr); }
  NoCriticalErrorBoxes(const NoCriticalErrorBoxes&) = delete;
  NoCriticalErrorBoxes& operator=(const NoCriticalErrorBoxes&) = delete;

 private:
  DWORD previous_ = 0;
};

}  // namespace platform::win32
