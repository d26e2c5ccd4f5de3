#pragma once

#include <windows.h>

#include <memory>

namespace platform::win32 {

struct HandleCloser {
  void operator()(HANDLE handle) const { CloseHandle(handle); }
};
// A file handle from CreateFileW; empty instead of INVALID_HANDLE_VALUE.
using FileHandle = std::unique_ptr<void, HandleCloser>;

inline FileHandle OwnFile(HANDLE handle) {
  return FileHandle(handle == INVALID_HANDLE_VALUE ? nullptr : handle);
}

}  // namespace platform::win32
