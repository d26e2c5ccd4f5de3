#include <windows.h>

#include <memory>
#include <mutex>
#include <utility>

#include "platform/win32/Services.h"

namespace platform::win32 {

namespace {

DWORD WINAPI RunWork(void* parameter) {
  const std::unique_ptr<std::function<void()>> work(static_cast<std::function<void()>*>(parameter));
  try {
    (*work)();
  } catch (...) {
    // Nothing escapes a thread: it ends as if its work had.
  }
  return 0;
}

class Win32Thread : public Thread {
 public:
  explicit Win32Thread(HANDLE handle) : handle_(handle) {}
  ~Win32Thread() override { CloseHandle(handle_); }
  Win32Thread(const Win32Thread&) = delete;
  Win32Thread& operator=(const Win32Thread&) = delete;

  void Join() override {
    ResumeThread(handle_);  // a thread still held runs, so that there is an end to wait for
    // Messages sent by the worker (its hand-overs) are delivered while waiting.
    for (;;) {
      const DWORD woke = MsgWaitForMultipleObjects(1, &handle_, FALSE, INFINITE, QS_SENDMESSAGE);
      if (woke != WAIT_OBJECT_0 + 1) return;
      MSG msg;
      PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
  }

 private:
  HANDLE handle_;
};

// A thread that could not be started: its work runs nowhere, and there is nothing to wait for.
class NoThread : public Thread {
 public:
  void Join() override {}
};

}  // namespace

Win32Threads::~Win32Threads() {
  Release();
}

std::unique_ptr<Thread> Win32Threads::Start(std::function<void()> work) {
  auto owned = std::make_unique<std::function<void()>>(std::move(work));
  const std::lock_guard lock(mutex_);
  HANDLE handle =
      CreateThread(nullptr, 0, RunWork, owned.get(), holding_ ? CREATE_SUSPENDED : 0, nullptr);
  if (handle == nullptr) return std::make_unique<NoThread>();
  (void)owned.release();  // the thread owns it now
  HANDLE held = nullptr;
  if (holding_ && DuplicateHandle(GetCurrentProcess(), handle, GetCurrentProcess(), &held, 0, FALSE,
                                  DUPLICATE_SAME_ACCESS)) {
    held_.push_back(held);
  } else if (holding_) {
    ResumeThread(handle);  // without a handle to release it by, it runs at once
  }
  return std::make_unique<Win32Thread>(handle);
}

void Win32Threads::Hold() {
  const std::lock_guard lock(mutex_);
  holding_ = true;
}

void Win32Threads::Release() {
  const std::lock_guard lock(mutex_);
  holding_ = false;
  for (HANDLE held : held_) {
    ResumeThread(held);
    CloseHandle(held);
  }
  held_.clear();
}

}  // namespace platform::win32
