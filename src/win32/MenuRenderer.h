#pragma once

// Turns a menu of the core into a real popup menu each time it opens, drawn by the
// system (classic style) or by the program (pastel style), and answers which item was
// chosen. Running the item's OnClick is the caller's business, after the menu is gone.
//
// In the pastel style the owner window must hand its WM_MEASUREITEM and WM_DRAWITEM to
// OnMeasureItem and OnDrawItem, which answer whether the message was theirs.

#include <windows.h>

#include <oleacc.h>

#include <string>
#include <vector>

#include "core/Settings.h"
#include "menus/ImageList.h"
#include "menus/MenuItem.h"
#include "win32/Handles.h"
#include "win32/Pictures.h"

namespace kromelik {

class MenuRenderer {
 public:
  // Width of the pastel style's icon column, in pixels at 96 DPI.
  static constexpr int kIconColumnWidth = 24;

  explicit MenuRenderer(IconFetcher& fetcher = IconFetcher::Process()) : pictures_(fetcher) {}
  MenuRenderer(const MenuRenderer&) = delete;
  MenuRenderer& operator=(const MenuRenderer&) = delete;

  // Shows the menu's visible items at `screenPoint` (left and right button both
  // choose) and returns when the menu has closed: the chosen item,
  // or nullptr when the user cancelled, the menu had no visible item or it could not
  // be shown. `owner` receives the menu's messages meanwhile.
  const MenuItem* Popup(HWND owner, const MenuItem& menu, const ImageList& images, MenuStyle style,
                  POINT screenPoint) noexcept;

  // The popup menu Popup shows, without showing it: the visible items of `menu`, taken
  // as they are (their separators already tidied), with submenus for items that have
  // children; the menu itself is never changed. Every item gets a fresh id from 1, which
  // ItemOfCommand maps back; ids, pictures and drawing data belong to the renderer and
  // stay valid until the next Build or Popup, and `images` must live as long. Throws
  // std::bad_alloc when memory runs out; an empty owner when no menu could be made.
  UniqueMenu Build(const MenuItem& menu, const ImageList& images, MenuStyle style);

  // The item of a command id or item data value of the last build; nullptr for any
  // other value.
  const MenuItem* ItemOfCommand(UINT_PTR id) const noexcept;

  // The window the menus are shown for: it is posted IconFetcher::IconsArrivedMessage()
  // when files' icons come, and hands it to IconsArrived.
  void SetOwner(HWND owner) noexcept { pictures_.SetWindow(owner); }
  // Makes the pictures of the list that are no file's own icon, from `first` on, up to
  // `count` of them; answers where to go on, or -1 when the list is done. Under Wine every
  // icon call of the process waits while one file's icon is taken from a share that
  // stopped answering, so files' icons are held back (HoldFetches) until these are made.
  int PrepareFixed(const ImageList& images, int first, int count);
  void HoldFetches() noexcept { pictures_.HoldFetches(); }
  void ReleaseFetches() { pictures_.ReleaseFetches(); }
  // Starts fetching the files' own icons of the list, ahead of the menus that show them.
  void Prefetch(const ImageList& images) { pictures_.Prefetch(images); }
  // Makes ahead of time the icons a menu makes of the list's pictures from `first` on, up
  // to `count` of them; answers where to go on, or -1 when the list is done. Nothing is
  // made while a menu is open.
  int Warm(const ImageList& images, int first, int count);
  // Files' icons have come: a menu that is open shows them at once, in place of the
  // pictures that stood by for them.
  void IconsArrived() noexcept;
  // Whether a menu of this renderer is open.
  bool MenuShown() const noexcept { return shownMenu_ != nullptr; }

  // The owner window moved to a monitor of another DPI, or its DPI changed: the pastel
  // style's font and icon column follow from the next menu on.
  void SetDpi(int dpi) noexcept;

  bool OnMeasureItem(MEASUREITEMSTRUCT& measure) noexcept;
  bool OnDrawItem(const DRAWITEMSTRUCT& draw) noexcept;

 private:
  struct Entry {
    const MenuItem* item = nullptr;
    std::wstring text;  // the caption as it is drawn, without escapes
    HICON icon = nullptr;  // made when the item is first drawn
    bool iconMade = false;
    HBITMAP bitmap = nullptr;  // premultiplied, for the dimmed drawing
    HBITMAP grey = nullptr;
    // The system draws the item and asks the program for its picture alone (classic
    // style): a bitmap of its own per item would hold 4 KiB of every item of every menu
    // for as long as the program runs.
    bool pictureOnly = false;
    bool separator = false;
    bool submenu = false;
    bool barColumn = false;  // in a column that began with a bar break
  };

  // `depth` counts the popup levels down to `target`, the top popup being 1.
  bool AddItems(HMENU target, const MenuItem& parent, const ImageList& images, MenuStyle style,
                int depth);
  const Entry* EntryOf(ULONG_PTR data) const noexcept;
  // The entry's icon, made at its first call.
  HICON IconOf(Entry& entry) noexcept;
  HFONT TextFont() noexcept;
  // Pixels at 96 DPI, at the DPI the menus are shown at.
  int Scaled(int pixels) const noexcept { return MulDiv(pixels, dpi_, USER_DEFAULT_SCREEN_DPI); }
  int IconColumn() const noexcept { return Scaled(kIconColumnWidth); }
  void DrawIcon(HDC dc, const Entry& entry, const RECT& column, bool selected,
                bool disabled) const noexcept;
  void DrawPictureOnly(const DRAWITEMSTRUCT& draw, Entry& entry) noexcept;

  // What screen readers read of an owner-drawn item: its item data points here, and a
  // reader takes it for MSAAMENUINFO by the signature at its start.
  struct Accessible {
    MSAAMENUINFO info;
    std::wstring text;
  };

  std::vector<Entry> entries_;  // the item of id n is entries_[n - 1]
  // Beside entries_, reserved for every item of the built menu before the first is
  // added, so the items' data never moves.
  std::vector<Accessible> accessible_;
  // The pictures of the last build, which its items are drawn from; the caller keeps
  // them alive as long as the menu.
  const ImageList* builtImages_ = nullptr;
  // While a menu is open: its pictures and handle, for icons that come meanwhile.
  const ImageList* shownImages_ = nullptr;
  HMENU shownMenu_ = nullptr;
  MenuStyle shownStyle_ = MenuStyle::Classic;
  PictureCache pictures_;
  UniqueFont textFont_;
  MemoryDc measureDc_;  // with the text font selected, from the first measure on
  TEXTMETRICW textMetrics_{};
  int dpi_ = USER_DEFAULT_SCREEN_DPI;  // the system's, until the owner says otherwise
};

// A caption as the menu shows it: every "&" doubled, so none marks a shortcut key.
std::wstring MenuCaptionText(std::wstring_view caption);

}  // namespace kromelik
