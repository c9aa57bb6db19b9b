#pragma once

// What screen readers and UI Automation learn of a window that acts as a push button
// without being of the system's button class: the system's standard object for the
// window (its name is the window text), answering the push-button role and pressing
// the button as its default action.

#include <windows.h>

namespace kromelik {

// The answer to the window's WM_GETOBJECT for OBJID_CLIENT; 0 when none could be made,
// which leaves the message to the system.
LRESULT AnswerAsPushButton(HWND button, WPARAM wParam) noexcept;

}  // namespace kromelik
