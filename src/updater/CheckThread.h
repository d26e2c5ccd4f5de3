#pragma once

#include "platform/Dispatcher.h"

class TForm10;

namespace updater {

// The check at every showing of the update window, which has locked its Download button and
// options: the lookup runs on the worker that calls Execute, and every change to the window is
// handed to the user-interface thread.
class CheckThread {
 public:
  CheckThread(TForm10& form, platform::Dispatcher& dispatcher)
      : form_(form), dispatcher_(dispatcher) {}
  void Execute();

 private:
  TForm10& form_;
  platform::Dispatcher& dispatcher_;
};

}  // namespace updater
