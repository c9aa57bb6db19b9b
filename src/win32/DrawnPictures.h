#pragma once

// Pictures the platform has nothing fitting for, drawn by the program at the size they
// are shown, so they stay crisp at every DPI and need no font.

#include <windows.h>

#include "win32/Handles.h"

namespace kromelik {

enum class DrawnPicture {
  Programs,  // a window holding a grid of program tiles
  Run,       // a green disc with a start arrow
  ShutDown,  // a red disc with the power sign
  Close,     // a red square with a white cross
  Profile,   // a person's head and shoulders on a blue tile
  Coin,      // a gold coin
};

// An icon of `size` × `size` pixels; empty when the platform cannot make one.
UniqueIcon DrawPicture(DrawnPicture picture, int size);

}  // namespace kromelik
