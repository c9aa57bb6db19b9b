#pragma once

// The picture of each toolbar button, which the dialogs a button's menu opens show too.

#include <windows.h>

#include <string>

#include "core/ToolbarButtons.h"
#include "win32/Handles.h"

namespace kromelik {

// The button's picture at `size` pixels, taken from a file of `systemDirectory`, drawn
// by the program or a stock picture; empty for a button without a picture.
UniqueIcon LoadButtonIcon(ToolbarButton button, const std::string& systemDirectory, int size);

}  // namespace kromelik
