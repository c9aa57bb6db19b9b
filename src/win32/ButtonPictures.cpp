#include "win32/ButtonPictures.h"

#include <shlobj.h>

#include <optional>
#include <string>

#include "win32/DrawnPictures.h"
#include "win32/Pictures.h"
#include "win32/WideText.h"
#include "win32/Win32FileSystem.h"

namespace kromelik {

UniqueIcon LoadButtonIcon(ToolbarButton button, const std::string& systemDirectory, int size) {
  const std::optional<ButtonPicture>& picture = ButtonInfoOf(button).picture;
  if (!picture) return UniqueIcon();
  if (picture->drawn) {
    if (UniqueIcon drawn = DrawPicture(*picture->drawn, size)) return drawn;
  }
  if (!picture->file.empty()) {
    const std::string path = systemDirectory + "\\" + std::string(picture->file);
    HICON icon = nullptr;
    // The file's icon at the size it is shown, drawn by its own artist where it has one.
    if (Win32FileSystem().FileExists(path) &&
        SHDefExtractIconW(Utf8ToWide(path).c_str(), 0, 0, &icon, nullptr,
                          static_cast<UINT>(size)) == S_OK &&
        icon != nullptr)
      return UniqueIcon(icon);
  }
  return StockPicture(picture->stock, size);
}

}  // namespace kromelik
