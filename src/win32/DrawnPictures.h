#pragma once

// Pictures the platform has nothing fitting for, drawn by the program at the size they
// are shown, so they stay crisp at every DPI and need no font.

#include <windows.h>

#include "core/PictureNames.h"
#include "win32/Handles.h"

namespace kromelik {

// An icon of `size` × `size` pixels; empty when the platform cannot make one.
UniqueIcon DrawPicture(DrawnPicture picture, int size);

}  // namespace kromelik
