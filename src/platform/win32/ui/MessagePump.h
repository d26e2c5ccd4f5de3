#pragma once

namespace platform::win32 {

// Takes one message off the thread's queue (waiting for one when `wait`) and dispatches it;
// the form it belongs to gets its shortcuts, then its keyboard navigation (Tab, arrows). False when
// the queue is empty or a quit was posted; the quit stays posted for the outer loops.
bool PumpMessage(bool wait);

}  // namespace platform::win32
