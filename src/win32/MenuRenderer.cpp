#include "win32/MenuRenderer.h"

#include <algorithm>
#include <exception>

#include "win32/Diagnostics.h"
#include "win32/WideText.h"

namespace kromelik {

namespace {

// The pastel style's spacing, in pixels at 96 DPI: between the icon column and the text,
// after the text, and the room kept for the arrow the system draws beside a submenu
// item.
constexpr int kTextGap = 8;
constexpr int kArrowRoom = 16;
constexpr int kSeparatorHeight = 7;
// Dim level 30: an unselected icon keeps 70 % of itself over the background.
constexpr BYTE kDimmedAlpha = 179;

UINT BreakType(MenuBreak brk) {
  switch (brk) {
    case MenuBreak::Column: return MFT_MENUBREAK;
    case MenuBreak::BarColumn: return MFT_MENUBARBREAK;
    case MenuBreak::None: break;
  }
  return 0;
}

bool Blend(HDC dc, int x, int y, int size, HBITMAP bitmap, BYTE alpha) noexcept {
  const MemoryDc source(CreateCompatibleDC(dc));
  if (!source) return false;
  const ScopedSelectObject select(source.Get(), bitmap);
  BLENDFUNCTION blend{};
  blend.BlendOp = AC_SRC_OVER;
  blend.SourceConstantAlpha = alpha;
  blend.AlphaFormat = AC_SRC_ALPHA;
  return GdiAlphaBlend(dc, x, y, size, size, source.Get(), 0, 0, size, size, blend) != FALSE;
}

// The system's check mark in `colour`, centred in `cell`. The system draws the mark
// black on white; a monochrome copy of it then works as a stencil, so the mark needs no
// glyph font (Marlett is missing from some Wine prefixes).
void DrawCheckMark(HDC dc, const RECT& cell, COLORREF colour) noexcept {
  const int width = GetSystemMetrics(SM_CXMENUCHECK);
  const int height = GetSystemMetrics(SM_CYMENUCHECK);
  const MemoryDc stencil(CreateCompatibleDC(dc));
  const UniqueBitmap mask(CreateBitmap(width, height, 1, 1, nullptr));
  const UniqueBrush brush(CreateSolidBrush(colour));
  if (!stencil || !mask || !brush) return;
  const ScopedSelectObject selectMask(stencil.Get(), mask.Get());
  RECT glyph{0, 0, width, height};
  DrawFrameControl(stencil.Get(), &glyph, DFC_MENU, DFCS_MENUCHECK);

  const int x = cell.left + (cell.right - cell.left - width) / 2;
  const int y = cell.top + (cell.bottom - cell.top - height) / 2;
  const ScopedSelectObject selectBrush(dc, brush.Get());
  SetTextColor(dc, RGB(0, 0, 0));
  SetBkColor(dc, RGB(255, 255, 255));
  // (source AND destination) OR (NOT source AND brush): the brush where the mark is
  // black, the destination where the stencil is white.
  constexpr DWORD kBrushWhereSourceBlack = 0x00B8074A;
  BitBlt(dc, x, y, width, height, stencil.Get(), 0, 0, kBrushWhereSourceBlack);
}

// A column that begins with a bar break shows the bar beside every one of its items;
// owner-drawn items get none from the system.
void DrawColumnBar(HDC dc, const RECT& item) noexcept {
  RECT shadow{item.left, item.top, item.left + 1, item.bottom};
  FillRect(dc, &shadow, GetSysColorBrush(COLOR_BTNSHADOW));
  RECT light{item.left + 1, item.top, item.left + 2, item.bottom};
  FillRect(dc, &light, GetSysColorBrush(COLOR_BTNHIGHLIGHT));
}

}  // namespace

std::wstring MenuCaptionText(std::wstring_view caption) {
  std::wstring shown;
  shown.reserve(caption.size());
  for (const wchar_t character : caption) {
    shown += character;
    if (character == L'&') shown += L'&';
  }
  return shown;
}

const MenuItem* MenuRenderer::Popup(HWND owner, const MenuItem& menu, const ImageList& images,
                                    MenuStyle style,
                              POINT screenPoint) noexcept {
  try {
    const UniqueMenu popup = Build(menu, images, style);
    if (!popup || GetMenuItemCount(popup.Get()) <= 0) return nullptr;
    // Without the foreground the menu would not close when the user clicks elsewhere,
    // and without a message after it the next click on the owner would be swallowed.
    SetForegroundWindow(owner);
    pictures_.SetWindow(owner);
    shownImages_ = &images;
    shownMenu_ = popup.Get();
    shownStyle_ = style;
    const BOOL chosen = TrackPopupMenuEx(
        popup.Get(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RETURNCMD | TPM_RIGHTBUTTON,
        screenPoint.x, screenPoint.y, owner, nullptr);
    shownImages_ = nullptr;
    shownMenu_ = nullptr;
    PostMessageW(owner, WM_NULL, 0, 0);
    return chosen > 0 ? ItemOfCommand(static_cast<UINT_PTR>(chosen)) : nullptr;
  } catch (const std::exception& error) {
    shownImages_ = nullptr;
    shownMenu_ = nullptr;
    ReportSwallowed(owner, L"menu", error.what());
    return nullptr;
  } catch (...) {
    shownImages_ = nullptr;
    shownMenu_ = nullptr;
    ReportSwallowed(owner, L"menu", nullptr);
    return nullptr;
  }
}

namespace {

std::size_t ItemsUnder(const MenuItem& menu) {
  std::size_t count = 0;
  for (const auto& child : menu.Items()) count += 1 + ItemsUnder(*child);
  return count;
}

}  // namespace

UniqueMenu MenuRenderer::Build(const MenuItem& menu, const ImageList& images, MenuStyle style) {
  entries_.clear();
  accessible_.clear();
  accessible_.reserve(ItemsUnder(menu));
  builtImages_ = &images;
  // The last menu is gone with its bitmaps: what the icons fetched meanwhile replaced
  // can go.
  pictures_.Refresh();
  pictures_.ReleaseRetired();
  UniqueMenu popup(CreatePopupMenu());
  if (!popup) return popup;
  if (!AddItems(popup.Get(), menu, images, style, 1)) {
    entries_.clear();
    accessible_.clear();
    return UniqueMenu();
  }

  if (style == MenuStyle::Pastel) {
    // Around and between the items the menu shows its own background.
    MENUINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = MIM_BACKGROUND | MIM_APPLYTOSUBMENUS;
    info.hbrBack = GetSysColorBrush(COLOR_BTNFACE);  // a system brush, never deleted
    SetMenuInfo(popup.Get(), &info);
  }
  return popup;
}

bool MenuRenderer::AddItems(HMENU target, const MenuItem& parent, const ImageList& images,
                            MenuStyle style, int depth) {
  // Wine refuses to nest popup menus more than 30 deep, and a refused submenu would
  // take the whole menu with it: below that, an entry with children shows greyed.
  constexpr int kMaxPopupDepth = 30;
  const bool pastel = style == MenuStyle::Pastel;
  bool barColumn = false;
  UINT position = 0;
  for (const auto& child : parent.Items()) {
    const MenuItem& item = *child;
    if (!item.Visible) continue;

    Entry entry;
    entry.item = &item;
    entry.separator = item.IsSeparator();
    entry.submenu = !entry.separator && item.Count() > 0 && depth < kMaxPopupDepth;
    const bool cutOff = !entry.separator && item.Count() > 0 && !entry.submenu;
    const bool greyed = !item.Enabled || cutOff;
    if (item.Break != MenuBreak::None) barColumn = item.Break == MenuBreak::BarColumn;
    entry.barColumn = barColumn;
    if (!entry.separator) {
      entry.text = Utf8ToWide(item.Caption);
      // Icons and bitmaps are made when an item is drawn (OnDrawItem): a first opening of
      // a long menu draws few of its items.
      entry.pictureOnly = !pastel && pictures_.HasIcon(images, item.ImageIndex);
    }
    const bool separator = entry.separator;
    const bool submenu = entry.submenu;
    const bool pictureOnly = entry.pictureOnly;
    std::wstring shown = MenuCaptionText(entry.text);
    Accessible& accessible = accessible_.emplace_back(Accessible{{}, shown});
    accessible.info = {MSAA_MENU_SIG, static_cast<DWORD>(accessible.text.size()),
                       accessible.text.data()};
    entries_.push_back(std::move(entry));
    const UINT id = static_cast<UINT>(entries_.size());

    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_DATA;
    info.fType = BreakType(item.Break) | (separator ? MFT_SEPARATOR : 0u) |
                 (pastel ? MFT_OWNERDRAW : 0u);
    info.fState = (greyed ? MFS_GRAYED : 0u) | (item.Checked ? MFS_CHECKED : 0u);
    info.wID = id;
    info.dwItemData = reinterpret_cast<ULONG_PTR>(&accessible);
    if (!separator) {
      // Owner-drawn items keep their text too, for screen readers and for anyone who
      // reads the menu back.
      info.fMask |= MIIM_STRING;
      info.dwTypeData = shown.data();
      info.cch = static_cast<UINT>(shown.size());
    }
    if (pictureOnly) {
      info.fMask |= MIIM_BITMAP;
      info.hbmpItem = HBMMENU_CALLBACK;
    }
    UniqueMenu sub;
    if (submenu) {
      sub.Reset(CreatePopupMenu());
      if (!sub || !AddItems(sub.Get(), item, images, style, depth + 1)) return false;
      info.fMask |= MIIM_SUBMENU;
      info.hSubMenu = sub.Get();
    }
    if (!InsertMenuItemW(target, position, TRUE, &info)) return false;
    sub.Release();  // destroyed with its parent from now on
    ++position;
  }
  return true;
}

int MenuRenderer::PrepareFixed(const ImageList& images, int first, int count) {
  const int end = std::min(first + count, static_cast<int>(images.Count()));
  for (int index = first; index < end; ++index)
    if (!std::holds_alternative<IconOfFile>(images.Pictures()[static_cast<std::size_t>(index)]))
      pictures_.Icon(images, index);
  return end >= static_cast<int>(images.Count()) ? -1 : end;
}

int MenuRenderer::Warm(const ImageList& images, int first, int count) {
  if (shownMenu_ != nullptr) return first;
  const int end = std::min(first + count, static_cast<int>(images.Count()));
  // A file's icon still on its way comes with its own message, and is warmed then.
  for (int index = first; index < end; ++index) pictures_.Icon(images, index);
  return end >= static_cast<int>(images.Count()) ? -1 : end;
}

void MenuRenderer::IconsArrived() noexcept {
  try {
    if (!pictures_.Refresh() || shownImages_ == nullptr || shownMenu_ == nullptr) return;
    bool changed = false;
    for (std::size_t index = 0; index < entries_.size(); ++index) {
      Entry& entry = entries_[index];
      if (entry.separator || entry.item->ImageIndex < 0) continue;
      bool hasIcon = false;
      if (entry.iconMade) {
        const HICON icon = pictures_.Icon(*shownImages_, entry.item->ImageIndex);
        if (icon == entry.icon) continue;
        entry.icon = icon;
        entry.bitmap = nullptr;  // made when the item is drawn
        entry.grey = nullptr;
        hasIcon = icon != nullptr;
        changed = true;
      } else {
        // Not drawn yet: it makes its icon when it is.
        hasIcon = pictures_.HasIcon(*shownImages_, entry.item->ImageIndex);
      }
      if (shownStyle_ == MenuStyle::Classic && !entry.pictureOnly && hasIcon) {
        entry.pictureOnly = true;
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_BITMAP;
        info.hbmpItem = HBMMENU_CALLBACK;
        SetMenuItemInfoW(shownMenu_, static_cast<UINT>(index + 1), FALSE, &info);
        changed = true;
      }
    }
    if (!changed) return;
    // The open menus are the system's windows on this thread; they draw the new
    // pictures once told their old ones are stale.
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM) -> BOOL {
          wchar_t name[16] = {};
          if (GetClassNameW(window, name, 16) > 0 && lstrcmpW(name, L"#32768") == 0 &&
              IsWindowVisible(window))
            InvalidateRect(window, nullptr, TRUE);
          return TRUE;
        },
        0);
  } catch (const std::exception& error) {
    // The menu keeps the pictures it shows.
    ReportSwallowed(nullptr, L"icons", error.what());
  }
}

HICON MenuRenderer::IconOf(Entry& entry) noexcept {
  if (!entry.iconMade && builtImages_ != nullptr && entry.item != nullptr &&
      entry.item->ImageIndex >= 0) {
    try {
      entry.icon = pictures_.Icon(*builtImages_, entry.item->ImageIndex);
    } catch (const std::exception&) {
      // Without memory for the picture the item shows none.
    }
  }
  entry.iconMade = true;
  return entry.icon;
}

const MenuItem* MenuRenderer::ItemOfCommand(UINT_PTR id) const noexcept {
  const Entry* entry = EntryOf(id);
  return entry != nullptr ? entry->item : nullptr;
}

const MenuRenderer::Entry* MenuRenderer::EntryOf(ULONG_PTR data) const noexcept {
  if (data == 0) return nullptr;
  if (data <= entries_.size()) return &entries_[data - 1];  // a command id
  // An item's data: its place among the accessible texts, which stand beside the entries.
  const auto first = reinterpret_cast<ULONG_PTR>(accessible_.data());
  if (data < first) return nullptr;
  const ULONG_PTR offset = data - first;
  const std::size_t index = offset / sizeof(Accessible);
  if (offset % sizeof(Accessible) != 0 || index >= accessible_.size() || index >= entries_.size())
    return nullptr;
  return &entries_[index];
}

void MenuRenderer::SetDpi(int dpi) noexcept {
  if (dpi <= 0 || dpi == dpi_) return;
  dpi_ = dpi;
  // The measuring context lets go of the font before it goes.
  measureDc_ = MemoryDc();
  textFont_.Reset();
  pictures_.SetDpi(dpi);
}

HFONT MenuRenderer::TextFont() noexcept {
  if (!textFont_) {
    LOGFONTW font{};
    font.lfHeight = -MulDiv(8, dpi_, 72);
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = EASTEUROPE_CHARSET;
    lstrcpynW(font.lfFaceName, L"Tahoma", LF_FACESIZE);
    textFont_.Reset(CreateFontIndirectW(&font));
  }
  return textFont_ ? textFont_.Get() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

bool MenuRenderer::OnMeasureItem(MEASUREITEMSTRUCT& measure) noexcept {
  if (measure.CtlType != ODT_MENU) return false;
  const Entry* entry = EntryOf(measure.itemData);
  if (entry == nullptr) return false;
  if (entry->pictureOnly) {
    measure.itemWidth = static_cast<UINT>(pictures_.IconSize());
    measure.itemHeight = static_cast<UINT>(pictures_.IconSize());
    return true;
  }

  if (entry->separator) {
    measure.itemWidth = static_cast<UINT>(IconColumn());
    measure.itemHeight = static_cast<UINT>(Scaled(kSeparatorHeight));
    return true;
  }
  // One context with the font left in it for every item: a long menu measures
  // thousands, and under Wine every selection of a font into a screen context rereads
  // the X resources.
  if (!measureDc_) {
    measureDc_ = MemoryDc(CreateCompatibleDC(nullptr));
    if (measureDc_) {
      SelectObject(measureDc_.Get(), TextFont());
      GetTextMetricsW(measureDc_.Get(), &textMetrics_);
    }
  }
  SIZE extent{};
  if (measureDc_ && !entry->text.empty())
    GetTextExtentPoint32W(measureDc_.Get(), entry->text.c_str(),
                          static_cast<int>(entry->text.size()), &extent);
  const TEXTMETRICW& metrics = textMetrics_;
  const int height = std::max(pictures_.IconSize() + 4, static_cast<int>(metrics.tmHeight) + 6);
  const int width = IconColumn() + Scaled(kTextGap) + static_cast<int>(extent.cx) +
                    Scaled(kTextGap) + (entry->submenu ? Scaled(kArrowRoom) : 0);
  measure.itemWidth = static_cast<UINT>(width);
  measure.itemHeight = static_cast<UINT>(height);
  return true;
}

void MenuRenderer::DrawIcon(HDC dc, const Entry& entry, const RECT& column, bool selected,
                            bool disabled) const noexcept {
  const int size = pictures_.IconSize();
  const int x = column.left + (column.right - column.left - size) / 2;
  const int y = column.top + (column.bottom - column.top - size) / 2;
  if (disabled && entry.grey != nullptr && Blend(dc, x, y, size, entry.grey, 255)) return;
  if (!selected && !disabled && entry.bitmap != nullptr &&
      Blend(dc, x, y, size, entry.bitmap, kDimmedAlpha))
    return;
  DrawIconEx(dc, x, y, entry.icon, size, size, 0, nullptr, DI_NORMAL);
}

void MenuRenderer::DrawPictureOnly(const DRAWITEMSTRUCT& draw, Entry& entry) noexcept {
  const HICON icon = IconOf(entry);
  const int size = pictures_.IconSize();
  const RECT& cell = draw.rcItem;
  const int x = cell.left + (cell.right - cell.left - size) / 2;
  const int y = cell.top + (cell.bottom - cell.top - size) / 2;
  if ((draw.itemState & (ODS_GRAYED | ODS_DISABLED)) != 0 && builtImages_ != nullptr) {
    try {
      if (entry.grey == nullptr)
        entry.grey = pictures_.GreyBitmap(*builtImages_, entry.item->ImageIndex);
    } catch (const std::exception&) {
      // Without memory for the bitmap the icon is drawn as it is.
    }
    if (entry.grey != nullptr && Blend(draw.hDC, x, y, size, entry.grey, 255)) return;
  }
  DrawIconEx(draw.hDC, x, y, icon, size, size, 0, nullptr, DI_NORMAL);
}

bool MenuRenderer::OnDrawItem(const DRAWITEMSTRUCT& draw) noexcept {
  if (draw.CtlType != ODT_MENU) return false;
  const Entry* const found = EntryOf(draw.itemData);
  if (found == nullptr || draw.hDC == nullptr) return false;
  Entry* const entry = &entries_[static_cast<std::size_t>(found - entries_.data())];
  if (entry->pictureOnly) {
    DrawPictureOnly(draw, *entry);
    return true;
  }
  if (!entry->separator && IconOf(*entry) != nullptr && builtImages_ != nullptr) {
    const bool greyed = (draw.itemState & (ODS_GRAYED | ODS_DISABLED)) != 0;
    try {
      if (greyed && entry->grey == nullptr)
        entry->grey = pictures_.GreyBitmap(*builtImages_, entry->item->ImageIndex);
      else if (!greyed && entry->bitmap == nullptr)
        entry->bitmap = pictures_.Bitmap(*builtImages_, entry->item->ImageIndex);
    } catch (const std::exception&) {
      // Without memory for the bitmap the icon is drawn as it is.
    }
  }

  const HDC dc = draw.hDC;
  const RECT item = draw.rcItem;
  const int saved = SaveDC(dc);
  const bool selected = (draw.itemState & ODS_SELECTED) != 0 && !entry->separator;
  const bool disabled = (draw.itemState & (ODS_GRAYED | ODS_DISABLED)) != 0;
  const bool checked = (draw.itemState & ODS_CHECKED) != 0;
  const RECT column{item.left, item.top, std::min(item.left + IconColumn(), item.right),
                    item.bottom};

  // The icon column and the text area share the button face: no gradient, not flat.
  FillRect(dc, &item, GetSysColorBrush(COLOR_BTNFACE));
  if (entry->separator) {
    const int middle = (item.top + item.bottom) / 2;
    const RECT line{item.left + IconColumn() + Scaled(kTextGap), middle, item.right,
                    middle + 1};
    FillRect(dc, &line, GetSysColorBrush(COLOR_BTNSHADOW));
    if (entry->barColumn) DrawColumnBar(dc, item);
    RestoreDC(dc, saved);
    return true;
  }

  if (selected) {
    FillRect(dc, &item, GetSysColorBrush(COLOR_HIGHLIGHT));
    FrameRect(dc, &item, GetSysColorBrush(COLOR_HIGHLIGHT));
  }
  SetBkMode(dc, TRANSPARENT);
  const COLORREF textColour = GetSysColor(disabled ? COLOR_INACTIVECAPTION : COLOR_MENUTEXT);
  if (entry->icon != nullptr) {
    DrawIcon(dc, *entry, column, selected, disabled);
    if (checked) {
      // A ticked item with a picture shows the tick as a frame around it.
      const int size = pictures_.IconSize();
      const int x = column.left + (column.right - column.left - size) / 2 - 2;
      const int y = column.top + (column.bottom - column.top - size) / 2 - 2;
      const RECT frame{x, y, x + size + 4, y + size + 4};
      FrameRect(dc, &frame, GetSysColorBrush(COLOR_HIGHLIGHT));
    }
  } else if (checked) {
    DrawCheckMark(dc, column, textColour);
  }
  if (entry->barColumn) DrawColumnBar(dc, item);

  {
    RECT text{item.left + IconColumn() + Scaled(kTextGap), item.top,
              item.right - Scaled(kTextGap) - (entry->submenu ? Scaled(kArrowRoom) : 0),
              item.bottom};
    const ScopedSelectObject select(dc, TextFont());
    SetTextColor(dc, textColour);
    DrawTextW(dc, entry->text.c_str(), static_cast<int>(entry->text.size()), &text,
              DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
  }
  RestoreDC(dc, saved);
  return true;
}

}  // namespace kromelik
