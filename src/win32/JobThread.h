#pragma once

// A thread that runs jobs in the order they come, for work that may wait on a drive or
// share that stopped answering: a file's icon, whether a path is there, a drive's label.
// It starts at the first job and ends once it has had nothing to do for kIdleMs, the
// next job starting another, so a strip that waits holds no thread for it (under Wine
// each thread keeps about a megabyte). Jobs never run side by side.
//
// At its owner's end the thread is let go rather than waited for, so a job that hangs
// cannot hold up the program's end: it ends after that job, and jobs not begun are
// dropped. A job must therefore own, or share, whatever it touches.

#include <functional>
#include <memory>

namespace kromelik {

class JobThread {
 public:
  static constexpr unsigned kIdleMs = 2000;
  // How long the queue stays empty before the owner's idle work runs.
  static constexpr unsigned kRestMs = 250;

  // `idle`, if any, runs on the thread once the queue has stayed empty for kRestMs after a
  // job, or at the owner's end; the thread ends kIdleMs after that.
  explicit JobThread(std::function<void()> idle = {});
  ~JobThread();
  JobThread(const JobThread&) = delete;
  JobThread& operator=(const JobThread&) = delete;

  // Queues `job` behind every job queued before it. On the thread COM is set up for the
  // shell's objects, and an empty drive fails rather than asks the user for a disc.
  void Post(std::function<void()> job);

 private:
  struct Shared;
  static void Run(const std::shared_ptr<Shared>& shared);

  std::shared_ptr<Shared> shared_;
};

}  // namespace kromelik
