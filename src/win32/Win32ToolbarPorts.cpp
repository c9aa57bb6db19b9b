#include "win32/Win32ToolbarPorts.h"

#include <mmsystem.h>

#include "win32/WideText.h"

namespace kromelik {

Win32Clock::~Win32Clock() {
  // A resolution raised and never restored would stay raised for the whole system.
  while (raised_ > 0) RestoreResolution();
}

std::uint64_t Win32Clock::NowMilliseconds() const { return GetTickCount64(); }

void Win32Clock::Sleep(int milliseconds) {
  ::Sleep(static_cast<DWORD>(milliseconds < 0 ? 0 : milliseconds));
}

void Win32Clock::RaiseResolution() {
  if (timeBeginPeriod(1) == TIMERR_NOERROR) ++raised_;
}

void Win32Clock::RestoreResolution() {
  if (raised_ == 0) return;
  timeEndPeriod(1);
  --raised_;
}

ScreenPoint Win32Cursor::Position() const {
  POINT point{};
  if (!GetCursorPos(&point)) return {-1, -1};
  return {static_cast<int>(point.x), static_cast<int>(point.y)};
}

void Win32MessageBoxes::Show(std::string_view text, std::string_view title, MessageIcon icon) {
  UINT style = MB_OK;
  switch (icon) {
    case MessageIcon::Information: style |= MB_ICONINFORMATION; break;
    case MessageIcon::Warning: style |= MB_ICONWARNING; break;
    case MessageIcon::Error: style |= MB_ICONERROR; break;
    case MessageIcon::Question: style |= MB_ICONQUESTION; break;
  }
  MessageBoxW(owner_, Utf8ToWide(text).c_str(), Utf8ToWide(title).c_str(), style);
}

}  // namespace kromelik
