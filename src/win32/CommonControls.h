#pragma once

// The common controls (the strip's tips, the dialogs' controls, image lists, subclassing)
// are loaded when first needed, which is after the strip shows: linked, the library would
// register its classes, open the theme and load its tips' pictures at every start,
// before the program's first line.
//
// Each function fails as its namesake does when the library cannot be loaded.

#include <windows.h>

#include <commctrl.h>

namespace kromelik::common_controls {

// Loads the library, the version the program's manifest asks for, and registers
// `classes` (ICC_*); false where it cannot.
bool Init(DWORD classes);

BOOL SetSubclass(HWND window, SUBCLASSPROC procedure, UINT_PTR id, DWORD_PTR data);
BOOL RemoveSubclass(HWND window, SUBCLASSPROC procedure, UINT_PTR id);
LRESULT DefSubclass(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

HIMAGELIST ImageListCreate(int width, int height, UINT flags, int initial, int grow);
BOOL ImageListDestroy(HIMAGELIST images);
BOOL ImageListGetIconSize(HIMAGELIST images, int* width, int* height);
BOOL ImageListRemoveAll(HIMAGELIST images);
int ImageListAddIcon(HIMAGELIST images, HICON icon);

}  // namespace kromelik::common_controls
