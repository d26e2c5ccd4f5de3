#pragma once

#include <functional>

namespace platform {

// The user-interface thread's message queue.
class Dispatcher {
 public:
  virtual ~Dispatcher() = default;
  // Lets pending window messages run (painting, input); handlers may be entered again.
  virtual void ProcessMessages() = 0;
  // Runs `work` on the user-interface thread and waits for it (called from a worker).
  virtual void RunOnUiThread(const std::function<void()>& work) = 0;
  // Runs `work` on the user-interface thread once the message being handled now is done
  // (called on that thread); failures in it are discarded.
  virtual void Post(std::function<void()> work) = 0;
};

}  // namespace platform
