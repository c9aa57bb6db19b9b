#include "win32/Win32ToolbarPorts.h"

#include <mmsystem.h>

#include "win32/SystemLibrary.h"
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

// The multimedia library, with the audio libraries it brings, is loaded at the first
// slide rather than before the strip shows; every start makes one, once it has shown.
void Win32Clock::RaiseResolution() {
  static const auto begin =
      SystemFunction<decltype(&timeBeginPeriod)>(L"winmm.dll", "timeBeginPeriod");
  if (begin != nullptr && begin(1) == TIMERR_NOERROR) ++raised_;
}

void Win32Clock::RestoreResolution() {
  if (raised_ == 0) return;
  static const auto end = SystemFunction<decltype(&timeEndPeriod)>(L"winmm.dll", "timeEndPeriod");
  if (end != nullptr) end(1);
  --raised_;
}

// Asked of the system at each reading. The position that comes with the timer's message
// would cost nothing, but Wine takes it from its own record of the cursor, which stands
// still while the mouse moves over other programs' windows or the bare desktop: the strip
// would never see the top edge touched there, nor the cursor leave it. Under Wine each
// reading takes round trips to the wine server and to the X server.
ScreenPoint Win32Cursor::Position() const {
  POINT point{};
  if (!GetCursorPos(&point)) return {-1, -1};
  return {static_cast<int>(point.x), static_cast<int>(point.y)};
}

namespace {

UINT IconStyle(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Information: return MB_ICONINFORMATION;
    case MessageIcon::Warning: return MB_ICONWARNING;
    case MessageIcon::Error: return MB_ICONERROR;
    case MessageIcon::Question: return MB_ICONQUESTION;
  }
  return 0;
}

}  // namespace

void Win32MessageBoxes::Show(std::string_view text, std::string_view title, MessageIcon icon) {
  MessageBoxW(owner_, Utf8ToWide(text).c_str(), Utf8ToWide(title).c_str(), MB_OK | IconStyle(icon));
}

MessageAnswer Win32MessageBoxes::Ask(std::string_view text, std::string_view title,
                                     MessageIcon icon, MessageButtons buttons) {
  const UINT style = (buttons == MessageButtons::YesNo ? MB_YESNO : MB_YESNOCANCEL) | IconStyle(icon);
  switch (MessageBoxW(owner_, Utf8ToWide(text).c_str(), Utf8ToWide(title).c_str(), style)) {
    case IDYES: return MessageAnswer::Yes;
    case IDNO: return MessageAnswer::No;
    default:
      // Escape or the close box, or no box at all.
      return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Cancel;
  }
}

}  // namespace kromelik
