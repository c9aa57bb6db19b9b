#include "win32/Win32TempFolder.h"

#include <windows.h>

#include "win32/GrowingBuffer.h"
#include "win32/WideText.h"

namespace kromelik {

std::string Win32TempFolder::PlatformTempPath() const {
  return WideToUtf8(ReadGrowingText([](wchar_t* buffer, std::size_t size) {
    return GetTempPathW(static_cast<DWORD>(size), buffer);
  }));
}

}  // namespace kromelik
