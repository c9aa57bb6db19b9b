#pragma once

// The clock, cursor and message boxes of the running toolbar.

#include <windows.h>

#include "core/ports/Clock.h"
#include "core/ports/Cursor.h"
#include "core/ports/MessageBoxes.h"

namespace kromelik {

class Win32Clock : public Clock {
 public:
  ~Win32Clock() override;
  std::uint64_t NowMilliseconds() const override;
  void Sleep(int milliseconds) override;
  void RaiseResolution() override;
  void RestoreResolution() override;

 private:
  int raised_ = 0;
};

class Win32Cursor : public Cursor {
 public:
  ScreenPoint Position() const override;
};

class Win32MessageBoxes : public MessageBoxes {
 public:
  void SetOwner(HWND owner) { owner_ = owner; }
  void Show(std::string_view text, std::string_view title, MessageIcon icon) override;
  MessageAnswer Ask(std::string_view text, std::string_view title, MessageIcon icon,
                    MessageButtons buttons) override;

 private:
  HWND owner_ = nullptr;
};

}  // namespace kromelik
