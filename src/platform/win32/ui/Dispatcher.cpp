#include <windows.h>

#include <exception>
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

LRESULT CALLBACK ReceiverProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kRunPosted) {
    const std::unique_ptr<std::function<void()>> work(
        reinterpret_cast<std::function<void()>*>(lParam));
    try {
      (*work)();
    } catch (...) {
      // Nothing crosses the window procedure.
    }
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
    auto posted = std::make_unique<std::function<void()>>(std::move(work));
    if (window_ != nullptr &&
        PostMessageW(window_.get(), kRunPosted, 0, reinterpret_cast<LPARAM>(posted.get()))) {
      (void)posted.release();  // the receiver owns it now
    }
  }

 private:
  DWORD thread_;
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
