#pragma once

// Functions of system libraries looked up when first needed instead of linked: some
// are missing from older systems and from Wine, and some libraries (the download and
// file-dialog ones, with the TLS and printing stacks they pull in) would otherwise be
// loaded at every start and cost megabytes the toolbar rarely needs.

#include <windows.h>

namespace kromelik {

// `name` of `library` (a system DLL's file name), loading the library from the system
// directory on first use; it stays loaded. nullptr where either is missing.
template <class Function>
Function SystemFunction(const wchar_t* library, const char* name) noexcept {
  HMODULE module = GetModuleHandleW(library);
  if (module == nullptr) module = LoadLibraryExW(library, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  if (module == nullptr) return nullptr;
  // Through the one function type that converts to every other without a warning.
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

}  // namespace kromelik
