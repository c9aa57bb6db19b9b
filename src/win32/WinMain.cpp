// The composition root: the platform's adapters, the toolbar's ports, the controller
// and the window, made here in the order of the program's start, and owned here for
// the whole run.

#include <windows.h>

#include <shellapi.h>

#include <exception>
#include <string>

#include "core/Settings.h"
#include "core/SingleCopy.h"
#include "menus/ToolbarController.h"
#include "win32/Dpi.h"
#include "win32/Handles.h"
#include "win32/IconHelper.h"
#include "win32/ModelessDialog.h"
#include "win32/TForm1.h"
#include "win32/ToolbarDialogs.h"
#include "win32/WideText.h"
#include "win32/Win32Platform.h"
#include "win32/Win32ToolbarPorts.h"

namespace {

// A start that cannot be completed says so and ends, rather than leaving a half-wired
// toolbar on the screen.
int StartFailed(const std::string& reason) {
  const std::wstring text =
      kromelik::Utf8ToWide("Nie można uruchomić programu Kromelik.\n\n" + reason);
  MessageBoxW(nullptr, text.c_str(), kromelik::Utf8ToWide(kromelik::kApplicationTitle).c_str(),
              MB_OK | MB_ICONERROR);
  return 1;
}

// The session's one copy: a mutex in the session's own namespace, so another user's
// session runs its own copy. Held by the main thread until the program ends.
class SingleCopy {
 public:
  explicit SingleCopy(DWORD waitMilliseconds)
      : mutex_(CreateMutexW(nullptr, FALSE, L"Local\\Brenvald.Kromelik.Toolbar")) {
    // Without the mutex nothing can tell a second copy: this one runs.
    if (!mutex_) {
      owned_ = true;
      return;
    }
    // A copy that ended without letting go (killed) leaves the mutex abandoned: this
    // copy has it then all the same.
    const DWORD result = WaitForSingleObject(mutex_.Get(), waitMilliseconds);
    owned_ = result == WAIT_OBJECT_0 || result == WAIT_ABANDONED;
    held_ = owned_;
  }
  ~SingleCopy() {
    if (held_) ReleaseMutex(mutex_.Get());
  }
  SingleCopy(const SingleCopy&) = delete;
  SingleCopy& operator=(const SingleCopy&) = delete;

  bool Owned() const { return owned_; }

 private:
  kromelik::UniqueKernelHandle mutex_;
  bool owned_ = false;
  bool held_ = false;
};

bool StartedByRestart() {
  int count = 0;
  LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  if (arguments == nullptr) return false;
  const std::wstring restart = kromelik::Utf8ToWide(std::string(kromelik::kRestartArgument));
  bool found = false;
  for (int i = 1; i < count; ++i) found = found || restart == arguments[i];
  LocalFree(arguments);
  return found;
}

int RunToolbar(HINSTANCE instance) {
  using namespace kromelik;
  Win32Platform platform;
  Win32Clock clock;
  Win32Cursor cursor;
  Win32MessageBoxes messages;
  TForm1 window;
  const ToolbarPorts ports{window, window, cursor, clock, messages};

  // What the start reads, as values; the strip's base and the window are made from them,
  // the controller last, with everything it needs; then the strip shows, its timers run,
  // and the rest of the start (its pictures and menus) follows from the message loop. The
  // dialogs are made when first asked for.
  StartupValues start = ReadStartupValues(platform.Ports());
  ToolbarBase base(start.options, platform.Ports().registry, ports,
                   GetSystemMetrics(SM_CXSCREEN), SystemDpi());
  if (!window.Create(instance, base, start.systemDirectory))
    return StartFailed("Nie udało się utworzyć okna paska.");
  messages.SetOwner(window.Handle());
  ToolbarDialogs dialogs(DialogPorts{platform.Ports(), base.toolbar, window, start.systemDirectory,
                                     base.look.Options()},
                         base.look);
  dialogs.SetOwner(instance, window.Handle());
  ToolbarController controller(platform.Ports(), ports, start, base, dialogs,
                               reinterpret_cast<WindowHandle>(window.Handle()));
  // The work read in the background reaches the controller's builders: it ends first.
  const Win32BackgroundWork::StopAtEnd stopBackground(platform.background);
  window.ShowAtStart(controller, platform.background);

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (ModelessDialog::PreTranslate(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  // The program's own helper, started for a batch of icons: no window, no single copy.
  if (kromelik::StartedAsIconHelper()) return kromelik::RunIconHelper();
  // Before anything shows: a second copy only lets the user see the running one.
  const SingleCopy single(StartedByRestart() ? kromelik::kRestartWaitMilliseconds : 0);
  if (!single.Owned()) {
    kromelik::TForm1::RevealRunningCopy();
    return 0;
  }
  // The shell's link and icon objects want a single-threaded apartment on this thread.
  const kromelik::ComApartment com(COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  try {
    return RunToolbar(instance);
  } catch (const std::exception& error) {
    return StartFailed(error.what());
  }
}
