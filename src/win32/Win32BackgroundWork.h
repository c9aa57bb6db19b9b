#pragma once

#include <windows.h>

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <stop_token>
#include <thread>
#include <utility>
#include <vector>

#include "core/ports/BackgroundWork.h"

namespace kromelik {

// One thread, made at the first post (or at the release of a hold), does the work in
// order, and ends once it has had nothing to do for JobThread::kIdleMs (the next post
// makes another); the window given to SetWindow is posted FinishedMessage() when work
// has finished, and calls RunFinished on its own thread when it is ready to show what
// the work found (not while a menu is open).
// The end of the program asks the work under way to stop and waits for it: it reaches
// objects that end with the program.
class Win32BackgroundWork : public BackgroundWork {
 public:
  // The message a window is posted when finished work waits for RunFinished; no parameters.
  static UINT FinishedMessage();

  Win32BackgroundWork() = default;
  ~Win32BackgroundWork() override;
  Win32BackgroundWork(const Win32BackgroundWork&) = delete;
  Win32BackgroundWork& operator=(const Win32BackgroundWork&) = delete;

  void Post(std::function<void(std::stop_token)> work, std::function<void()> done) override;

  // While held, work posted waits; the release starts it. The start holds it back until
  // the menus are built: under Wine both threads wait on one server.
  void Hold();
  void Release();
  // Finished work waits until a window is given; its messages come to that window.
  void SetWindow(HWND window);
  // Runs the done of every work finished so far, in the order they were posted.
  void RunFinished();
  // Asks the work under way to stop and waits for it; nothing posted runs after.
  void Stop();

  // Stops the work when it goes: made after what the work reaches, so it goes before.
  class StopAtEnd {
   public:
    explicit StopAtEnd(Win32BackgroundWork& work) : work_(work) {}
    ~StopAtEnd() { work_.Stop(); }
    StopAtEnd(const StopAtEnd&) = delete;
    StopAtEnd& operator=(const StopAtEnd&) = delete;

   private:
    Win32BackgroundWork& work_;
  };

 private:
  using Done = std::function<void()>;
  void Run(std::stop_token stop);
  void Announce();  // with mutex_ held
  void StartIfDue();  // with mutex_ held

  std::mutex mutex_;
  std::condition_variable_any wake_;
  std::deque<std::pair<std::function<void(std::stop_token)>, Done>> waiting_;
  std::vector<Done> finished_;
  HWND window_ = nullptr;
  bool announced_ = false;  // a message is on its way for what finished
  bool held_ = false;
  bool running_ = false;    // thread_ serves the queue; else it has ended or is ending
  std::jthread thread_;     // last: it ends first, while the rest is still there
};

}  // namespace kromelik
