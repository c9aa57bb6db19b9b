#pragma once

#include <functional>
#include <stop_token>

namespace kromelik {

// Work that takes long and changes nothing shown while it runs (reading a thousand
// shortcuts or version blocks), done away from the toolbar's thread so that no click
// waits for it. `work` runs on a thread of its own, one piece after another in the order
// they were posted, and returns soon once `stop` is asked for (the program is ending);
// whatever it reaches must be safe to use from that thread. `done` then runs on the
// toolbar's thread, between its messages and never while a menu is open, to show what
// `work` found.
class BackgroundWork {
 public:
  virtual ~BackgroundWork() = default;
  virtual void Post(std::function<void(std::stop_token stop)> work,
                    std::function<void()> done) = 0;
};

}  // namespace kromelik
