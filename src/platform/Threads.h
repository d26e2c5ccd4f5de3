#pragma once

#include <functional>
#include <memory>

namespace platform {

// A worker thread. Destroying it without joining lets it run to its end on its own.
class Thread {
 public:
  virtual ~Thread() = default;
  // Waits for the thread to end. On the user-interface thread, work handed over by workers
  // (Dispatcher::RunOnUiThread) still runs meanwhile, so a worker waiting for it never blocks
  // the join.
  virtual void Join() = 0;
};

class Threads {
 public:
  virtual ~Threads() = default;
  // Runs `work` on a new thread; a failure escaping `work` is dropped.
  virtual std::unique_ptr<Thread> Start(std::function<void()> work) = 0;
};

}  // namespace platform
