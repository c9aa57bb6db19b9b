#pragma once

// Pictures kept in the program's resources in a compressed format (JPEG, PNG, ...),
// decoded by the platform's imaging component when they are first shown.

#include <windows.h>

#include <cstddef>
#include <span>

#include "win32/Handles.h"

namespace kromelik {

// The bytes of an RCDATA resource of `module`, which stay valid while the module is
// loaded; empty when there is no such resource.
std::span<const std::byte> ResourceBytes(HMODULE module, int id);

// The picture decoded and scaled to `width` × `height`, as a top-down 32-bit bitmap
// for the screen; empty when the data cannot be decoded. Needs COM on the thread.
UniqueBitmap DecodePicture(std::span<const std::byte> encoded, int width, int height);

}  // namespace kromelik
