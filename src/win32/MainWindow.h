#pragma once

#include <string>

#include "core/Platform.h"
#include "core/Settings.h"
#include "win32/Window.h"

namespace kromelik {

// The program's main window: closing it ends the program.
class MainWindow : public Window {
 public:
  explicit MainWindow(Platform platform) : platform_(platform) {}

  bool Create(HINSTANCE instance);
  void Show();

  const StartupOptions& Options() const { return options_; }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void OnCreate();

  Platform platform_;
  StartupOptions options_;
  std::string systemDirectory_;
  std::string windowsDirectory_;
};

}  // namespace kromelik
