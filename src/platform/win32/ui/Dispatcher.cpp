#include <windows.h>

#include <deque>
#include <exception>
#include <functional>
#include <memory>
#include <utility>

#include "platform/win32/Services.h"
#include "platform/win32/ui/Handles.h"
#include "platform/win32/ui/MessagePump.h"

namespace platform::win32 {

namespace {

constexpr wchar_t kReceiverClass[] = L"BrindlowDispatcher";
constexpr UINT kRunWork = WM_APP + 1;
constexpr UINT kRunPosted = WM_APP + 2;

struct Call {
  const std::function<void()>* work;
  std::exception_ptr failure;
};

// Work posted on the user-interface thread, waiting for its message.
using PostedWork = std::deque<std::function<void()>>;

void RunFirstPosted(HWND window) {
  auto* posted = reinterpret_cast<PostedWork*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (posted == nullptr || posted->empty()) return;
  const std::function<void()> work = std::move(posted->front());
  posted->pop_front();
  try {
    work();
  } catch (...) {
    // Nothing crosses the window procedure.
  }
}

LRESULT CALLBACK ReceiverProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kRunPosted) {
    RunFirstPosted(window);
    return 0;
  }
  if (message != kRunWork) return DefWindowProcW(window, message, wParam, lParam);
  auto& call = *reinterpret_cast<Call*>(lParam);
  try {
    (*call.work)();
  } catch (...) {
    // Handed back to the waiting worker: nothing crosses the window procedure.
    call.failure = std::current_exception();
  }
  return 0;
}

}  // namespace

class Win32Dispatcher::Receiver {
 public:
  Receiver() : thread_(GetCurrentThreadId()) {
    static const ATOM registered = [] {
      WNDCLASSEXW wc = {};
      wc.cbSize = sizeof wc;
      wc.lpfnWndProc = ReceiverProc;
      wc.hInstance = GetModuleHandleW(nullptr);
      wc.lpszClassName = kReceiverClass;
      return RegisterClassExW(&wc);
    }();
    (void)registered;
    window_.reset(CreateWindowExW(0, kReceiverClass, nullptr, 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  GetModuleHandleW(nullptr), nullptr));
    if (window_ != nullptr) {
      SetWindowLongPtrW(window_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&posted_));
    }
  }

  void Run(const std::function<void()>& work) {
    if (GetCurrentThreadId() == thread_ || window_ == nullptr) {
      work();
      return;
    }
    Call call{&work, nullptr};
    SendMessageW(window_.get(), kRunWork, 0, reinterpret_cast<LPARAM>(&call));
    if (call.failure) std::rethrow_exception(call.failure);
  }

  void Post(std::function<void()> work) {
    if (window_ == nullptr) return;
    posted_.push_back(std::move(work));
    if (!PostMessageW(window_.get(), kRunPosted, 0, 0)) posted_.pop_back();
  }

 private:
  DWORD thread_;
  PostedWork posted_;  // outlives the window, which points at it
  UniqueWindow window_;
};

Win32Dispatcher::Win32Dispatcher() : receiver_(std::make_unique<Receiver>()) {}

Win32Dispatcher::~Win32Dispatcher() = default;

void Win32Dispatcher::ProcessMessages() {
  while (PumpMessage(false)) {
  }
}

void Win32Dispatcher::RunOnUiThread(const std::function<void()>& work) {
  receiver_->Run(work);
}

void Win32Dispatcher::Post(std::function<void()> work) {
  receiver_->Post(std::move(work));
}

}  // namespace platform::win32
