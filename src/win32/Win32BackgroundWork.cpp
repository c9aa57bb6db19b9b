#include "win32/Win32BackgroundWork.h"

#include <chrono>

#include "win32/Handles.h"
#include "win32/JobThread.h"

namespace kromelik {

UINT Win32BackgroundWork::FinishedMessage() {
  static const UINT message = RegisterWindowMessageW(L"Kromelik.BackgroundWorkFinished");
  return message;
}

Win32BackgroundWork::~Win32BackgroundWork() { Stop(); }

void Win32BackgroundWork::Stop() {
  if (!thread_.joinable()) return;
  thread_.request_stop();
  thread_.join();
  const std::lock_guard lock(mutex_);
  waiting_.clear();
  finished_.clear();
}

void Win32BackgroundWork::Post(std::function<void(std::stop_token)> work, Done done) {
  const std::lock_guard lock(mutex_);
  if (thread_.get_stop_token().stop_requested()) return;
  waiting_.emplace_back(std::move(work), std::move(done));
  StartIfDue();
}

void Win32BackgroundWork::Hold() {
  const std::lock_guard lock(mutex_);
  held_ = true;
}

void Win32BackgroundWork::Release() {
  const std::lock_guard lock(mutex_);
  held_ = false;
  if (!waiting_.empty()) StartIfDue();
}

void Win32BackgroundWork::StartIfDue() {
  if (held_ || thread_.get_stop_token().stop_requested()) return;
  if (!running_) {
    // A thread that ended for want of work decided so under the lock, and reaches
    // nothing of this object since: it is let finish on its own, as its exit may wait
    // for the system's loader behind a drive that stopped answering.
    if (thread_.joinable()) thread_.detach();
    running_ = true;
    thread_ = std::jthread([this](std::stop_token stop) { Run(stop); });
  }
  wake_.notify_one();
}

void Win32BackgroundWork::SetWindow(HWND window) {
  const std::lock_guard lock(mutex_);
  window_ = window;
  if (!finished_.empty()) Announce();
}

void Win32BackgroundWork::RunFinished() {
  std::vector<Done> finished;
  {
    const std::lock_guard lock(mutex_);
    finished.swap(finished_);
    announced_ = false;
  }
  for (const Done& done : finished) done();
}

void Win32BackgroundWork::Announce() {
  if (announced_ || window_ == nullptr) return;
  announced_ = PostMessageW(window_, FinishedMessage(), 0, 0) != FALSE;
}

void Win32BackgroundWork::Run(std::stop_token stop) {
  // The shell's link object wants COM here too, and a look at a drive without its medium
  // must fail rather than ask the user for a disc.
  const ComApartment com(COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  const QuietCriticalErrors quiet;
  std::unique_lock lock(mutex_);
  const auto idle = std::chrono::milliseconds(JobThread::kIdleMs);
  for (;;) {
    if (!wake_.wait_for(lock, stop, idle, [this] { return !waiting_.empty(); })) {
      running_ = false;
      return;
    }
    auto [work, done] = std::move(waiting_.front());
    waiting_.pop_front();
    lock.unlock();
    work(stop);
    lock.lock();
    if (stop.stop_requested()) return;
    finished_.push_back(std::move(done));
    Announce();
  }
}

}  // namespace kromelik
