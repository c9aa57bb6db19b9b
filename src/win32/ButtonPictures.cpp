#include "win32/ButtonPictures.h"

#include <shlobj.h>

#include <optional>

#include "win32/DrawnPictures.h"
#include "win32/Pictures.h"
#include "win32/WideText.h"
#include "win32/Win32FileSystem.h"

namespace kromelik {

namespace {

// The picture each button shows: the icon of a file in the system directory, or a
// stock picture, where the platform has a fitting one; else one the program draws.
struct ButtonPicture {
  ButtonPicture(StockIcon stockIcon, const char* fileName = nullptr)
      : stock(stockIcon), file(fileName) {}
  ButtonPicture(StockIcon stockIcon, const char* fileName, DrawnPicture own)
      : stock(stockIcon), file(fileName), drawn(own) {}

  StockIcon stock;  // where neither the file nor a drawing can be had
  const char* file;
  std::optional<DrawnPicture> drawn;
};

std::optional<ButtonPicture> PictureOf(ToolbarButton button) {
  switch (button) {
    case ToolbarButton::About: return ButtonPicture{StockIcon::Help};
    case ToolbarButton::Panel: return ButtonPicture{StockIcon::Settings, "control.exe"};
    case ToolbarButton::Uslugi: return ButtonPicture{StockIcon::Server, "taskmgr.exe"};
    case ToolbarButton::Programy: return ButtonPicture{StockIcon::Application, nullptr, DrawnPicture::Programs};
    case ToolbarButton::Gry: return ButtonPicture{StockIcon::MediaCd, "joy.cpl"};
    case ToolbarButton::Dyski: return ButtonPicture{StockIcon::Computer};
    case ToolbarButton::Foldery: return ButtonPicture{StockIcon::Folder};
    case ToolbarButton::Dokumenty: return ButtonPicture{StockIcon::Document};
    case ToolbarButton::Ulubione: return ButtonPicture{StockIcon::Application, nullptr, DrawnPicture::Run};
    case ToolbarButton::Internet: return ButtonPicture{StockIcon::Internet, "inetcpl.cpl"};
    case ToolbarButton::RSS: return ButtonPicture{StockIcon::Internet};
    // The platform's padlock reads as "locked" or "disabled", not as switching off.
    case ToolbarButton::Wylacz: return ButtonPicture{StockIcon::Lock, nullptr, DrawnPicture::ShutDown};
    case ToolbarButton::Close: return ButtonPicture{StockIcon::Error, nullptr, DrawnPicture::Close};
    case ToolbarButton::Kromelik: return std::nullopt;
  }
  return std::nullopt;
}

}  // namespace

UniqueIcon LoadButtonIcon(ToolbarButton button, const std::string& systemDirectory, int size) {
  const auto picture = PictureOf(button);
  if (!picture) return UniqueIcon();
  if (picture->drawn) {
    if (UniqueIcon drawn = DrawPicture(*picture->drawn, size)) return drawn;
  }
  if (picture->file != nullptr) {
    const std::string path = systemDirectory + "\\" + picture->file;
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
