#include "win32/JobThread.h"

#include <windows.h>

#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <utility>

#include "win32/Handles.h"

namespace kromelik {

struct JobThread::Shared {
  explicit Shared(std::function<void()> whenIdle) : idle(std::move(whenIdle)) {}

  const std::function<void()> idle;
  std::mutex mutex;
  std::condition_variable wake;
  std::deque<std::function<void()>> jobs;
  bool running = false;  // a thread serves the queue, or is about to
  bool stop = false;
};

JobThread::JobThread(std::function<void()> idle)
    : shared_(std::make_shared<Shared>(std::move(idle))) {}

JobThread::~JobThread() {
  const std::lock_guard lock(shared_->mutex);
  shared_->stop = true;
  shared_->jobs.clear();
  shared_->wake.notify_all();
}

void JobThread::Post(std::function<void()> job) {
  const std::lock_guard lock(shared_->mutex);
  shared_->jobs.push_back(std::move(job));
  if (!shared_->running) {
    shared_->running = true;
    std::thread(&JobThread::Run, shared_).detach();
  }
  shared_->wake.notify_one();
}

void JobThread::Run(const std::shared_ptr<Shared>& shared) {
  const ComApartment com(COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  const QuietCriticalErrors quiet;
  std::unique_lock lock(shared->mutex);
  bool rested = !shared->idle;  // the idle work done since the last job
  for (;;) {
    const bool woken = shared->wake.wait_for(
        lock, std::chrono::milliseconds(rested ? kIdleMs : kRestMs),
        [&] { return shared->stop || !shared->jobs.empty(); });
    if (!woken || shared->stop) {
      if (!rested) {
        lock.unlock();
        shared->idle();
        lock.lock();
        rested = true;
        if (!shared->stop) continue;
      }
      // Decided under the lock, so a job posted from now on starts a thread of its own.
      shared->running = false;
      return;
    }
    std::function<void()> job = std::move(shared->jobs.front());
    shared->jobs.pop_front();
    lock.unlock();
    job();
    job = nullptr;  // what it holds goes on this thread, before the next wait
    rested = !shared->idle;
    lock.lock();
  }
}

}  // namespace kromelik
