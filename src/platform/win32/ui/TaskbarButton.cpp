#include "platform/win32/ui/TaskbarButton.h"

#include <shobjidl.h>

namespace platform::win32 {

TaskbarButton::~TaskbarButton() {
  if (list_ != nullptr) list_->Release();
}

void TaskbarButton::Show(HWND window, const ui::TaskbarProgress& progress) {
  if (!tried_) {
    tried_ = true;
    if (FAILED(CoCreateInstance(CLSID_TaskbarList, nullptr, CLSCTX_INPROC_SERVER,
                                IID_PPV_ARGS(&list_))) ||
        FAILED(list_->HrInit())) {
      if (list_ != nullptr) list_->Release();
      list_ = nullptr;
    }
  }
  if (list_ == nullptr) return;
  const bool shown = progress.State() == ui::TaskbarState::Normal;
  list_->SetProgressState(window, shown ? TBPF_NORMAL : TBPF_NOPROGRESS);
  if (shown && progress.Max() > 0) {
    list_->SetProgressValue(window, static_cast<ULONGLONG>(progress.Position()),
                            static_cast<ULONGLONG>(progress.Max()));
  }
}

}  // namespace platform::win32
