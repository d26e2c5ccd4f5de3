#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "platform/Threads.h"

namespace platform::fake {

// Threads that run only when the test lets them, one after the other, on the test's thread.
class FakeThreads : public Threads {
 public:
  std::unique_ptr<Thread> Start(std::function<void()> work) override;
  // Runs the started work, and what that work starts, until none is left; the number run.
  int RunAll();
  [[nodiscard]] std::size_t Pending() const { return pending_.size(); }
  int started = 0;

 private:
  std::vector<std::function<void()>> pending_;
};

}  // namespace platform::fake
