#pragma once

// What the program swallows to keep running is still told somewhere a developer looks:
// to a debugger (OutputDebugStringW), and as a line appended to the file that the
// environment variable KROMELIK_LOG names, when it names one.

#include <windows.h>

#include <string>

namespace kromelik {

// `where` says what was running, such as "message 0x0111" or "menu"; `what` is the
// exception's text (UTF-8), or null when it carried none.
void ReportSwallowed(HWND window, const wchar_t* where, const char* what) noexcept;

// A window message as ReportSwallowed names where it was handled: "message 0x0111".
std::wstring MessageName(UINT message);

}  // namespace kromelik
