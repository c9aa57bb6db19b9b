#include "win32/Win32ProgramFile.h"

#include <windows.h>

#include "win32/GrowingBuffer.h"
#include "win32/WideText.h"

namespace kromelik {

std::string Win32ProgramFile::Path() const {
  // A program started from a deep folder can lie beyond MAX_PATH; the call then cuts the
  // path to the buffer and says so only by filling it.
  return WideToUtf8(ReadGrowingText([](wchar_t* buffer, std::size_t size) {
    return GetModuleFileNameW(nullptr, buffer, static_cast<DWORD>(size));
  }));
}

}  // namespace kromelik
