#include "platform/fake/FakeThreads.h"

#include <utility>

namespace platform::fake {

namespace {

// Joining waits for nothing: the test runs the work when it chooses.
class FakeThread : public Thread {
 public:
  void Join() override {}
};

}  // namespace

std::unique_ptr<Thread> FakeThreads::Start(std::function<void()> work) {
  ++started;
  pending_.push_back(std::move(work));
  return std::make_unique<FakeThread>();
}

int FakeThreads::RunAll() {
  int ran = 0;
  while (!pending_.empty()) {
    const std::function<void()> work = std::move(pending_.front());
    pending_.erase(pending_.begin());
    try {
      work();
    } catch (...) {
      // As a real thread drops what escapes its work.
    }
    ++ran;
  }
  return ran;
}

}  // namespace platform::fake
