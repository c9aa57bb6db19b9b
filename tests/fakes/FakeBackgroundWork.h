#pragma once

#include <deque>
#include <functional>
#include <stop_token>
#include <utility>

#include "core/ports/BackgroundWork.h"

namespace kromelik::fakes {

// Posted work waits, as it does behind the program's messages, until the test lets it
// run with Finish: the work, then its done, in the order posted.
class FakeBackgroundWork : public BackgroundWork {
 public:
  void Post(std::function<void(std::stop_token)> work, std::function<void()> done) override {
    waiting_.emplace_back(std::move(work), std::move(done));
  }

  void Finish() {
    while (!waiting_.empty()) {
      auto [work, done] = std::move(waiting_.front());
      waiting_.pop_front();
      work(std::stop_token{});
      done();
    }
  }
  bool Idle() const { return waiting_.empty(); }

 private:
  std::deque<std::pair<std::function<void(std::stop_token)>, std::function<void()>>> waiting_;
};

}  // namespace kromelik::fakes
