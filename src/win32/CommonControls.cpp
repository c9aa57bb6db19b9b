#include "win32/CommonControls.h"

namespace kromelik::common_controls {

namespace {

template <class Function>
Function Find(const char* name) noexcept {
  // By its name alone, not from the system folder: the manifest's version is kept apart
  // from it, and loading by name is how the program's activation context finds it.
  static const HMODULE library = LoadLibraryW(L"comctl32.dll");
  if (library == nullptr) return nullptr;
  // Through the one function type that converts to every other without a warning.
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(library, name)));
}

}  // namespace

bool Init(DWORD classes) {
  static const auto function = Find<decltype(&InitCommonControlsEx)>("InitCommonControlsEx");
  const INITCOMMONCONTROLSEX controls{sizeof controls, classes};
  return function != nullptr && function(&controls) != FALSE;
}

BOOL SetSubclass(HWND window, SUBCLASSPROC procedure, UINT_PTR id, DWORD_PTR data) {
  static const auto function = Find<decltype(&SetWindowSubclass)>("SetWindowSubclass");
  return function != nullptr ? function(window, procedure, id, data) : FALSE;
}

BOOL RemoveSubclass(HWND window, SUBCLASSPROC procedure, UINT_PTR id) {
  static const auto function = Find<decltype(&RemoveWindowSubclass)>("RemoveWindowSubclass");
  return function != nullptr ? function(window, procedure, id) : FALSE;
}

LRESULT DefSubclass(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  static const auto function = Find<decltype(&DefSubclassProc)>("DefSubclassProc");
  return function != nullptr ? function(window, message, wParam, lParam)
                             : DefWindowProcW(window, message, wParam, lParam);
}

HIMAGELIST ImageListCreate(int width, int height, UINT flags, int initial, int grow) {
  static const auto function = Find<decltype(&ImageList_Create)>("ImageList_Create");
  return function != nullptr ? function(width, height, flags, initial, grow) : nullptr;
}

BOOL ImageListDestroy(HIMAGELIST images) {
  static const auto function = Find<decltype(&ImageList_Destroy)>("ImageList_Destroy");
  return function != nullptr ? function(images) : FALSE;
}

BOOL ImageListGetIconSize(HIMAGELIST images, int* width, int* height) {
  static const auto function = Find<decltype(&ImageList_GetIconSize)>("ImageList_GetIconSize");
  return function != nullptr ? function(images, width, height) : FALSE;
}

BOOL ImageListRemoveAll(HIMAGELIST images) {
  static const auto function = Find<decltype(&ImageList_Remove)>("ImageList_Remove");
  return function != nullptr ? function(images, -1) : FALSE;
}

int ImageListAddIcon(HIMAGELIST images, HICON icon) {
  static const auto function = Find<decltype(&ImageList_ReplaceIcon)>("ImageList_ReplaceIcon");
  return function != nullptr ? function(images, -1, icon) : -1;
}

}  // namespace kromelik::common_controls
