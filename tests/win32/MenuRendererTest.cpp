#include <windows.h>

#include <oleacc.h>

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "TestIcons.h"
#include "menus/CustomMenuFile.h"
#include "menus/ImageList.h"
#include "menus/MenuItem.h"
#include "menus/Separators.h"
#include "win32/MenuRenderer.h"

#include "win32/Pictures.h"
#include "win32/WideText.h"

namespace kromelik {
namespace {

struct ShownItem {
  UINT type = 0;
  UINT state = 0;
  UINT id = 0;
  ULONG_PTR data = 0;
  HMENU submenu = nullptr;
  HBITMAP bitmap = nullptr;
  std::wstring text;
};

ShownItem ItemAt(HMENU menu, int position) {
  MENUITEMINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_DATA | MIIM_SUBMENU | MIIM_BITMAP;
  ShownItem shown;
  if (!GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info)) return shown;
  shown = {info.fType, info.fState, info.wID, info.dwItemData, info.hSubMenu, info.hbmpItem, {}};
  wchar_t text[128] = {};
  GetMenuStringW(menu, static_cast<UINT>(position), text, 128, MF_BYPOSITION);
  shown.text = text;
  return shown;
}

std::vector<ShownItem> ItemsOf(HMENU menu) {
  std::vector<ShownItem> items;
  for (int i = 0; i < GetMenuItemCount(menu); ++i) items.push_back(ItemAt(menu, i));
  return items;
}

class MenuRendererTest : public ::testing::Test {
 protected:
  MenuRendererTest() {
    images.Add(AsHandle(red.Get()));
    images.Add(StockIcon::Folder);
  }
  static IconHandle AsHandle(HICON icon) { return reinterpret_cast<IconHandle>(icon); }

  UniqueIcon red = test::MakeIcon(PictureCache::IconSize(SystemDpi()), 0xFFFF0000u);
  ImageList images{"test"};
  MenuItem root{"PM", ""};
  MenuRenderer renderer;
};

TEST_F(MenuRendererTest, ShowsVisibleItemsAsWrittenWithTheirFlags) {
  root.AddSeparator();
  root.Add("A", "Tom & Jerry");
  root.AddSeparator();
  root.Add("hidden", "Ukryty").Visible = false;
  root.AddSeparator();
  root.Add("B", "&&").Break = MenuBreak::Column;
  root.Add("C", "Zażółć gęślą jaźń").Break = MenuBreak::BarColumn;
  root.Add("D", "Wyłączony").Enabled = false;
  MenuItem& ticked = root.Add("E", "Zaznaczony");
  ticked.Checked = true;
  ticked.Add("E1", "Ukryty").Visible = false;
  root.AddSeparator();

  // The controller tidies a menu before it is shown; the renderer shows what it is given.
  NormaliseSeparators(root);
  for (const MenuStyle style : {MenuStyle::Classic, MenuStyle::Pastel}) {
    const UniqueMenu menu = renderer.Build(root, images, style);
    const std::vector<ShownItem> items = ItemsOf(menu.Get());
    ASSERT_EQ(items.size(), 6u) << "hidden items and the spare separators left out";
    EXPECT_EQ(items[0].text, L"Tom && Jerry") << "a literal ampersand, no shortcut";
    EXPECT_NE(items[1].type & MFT_SEPARATOR, 0u);
    EXPECT_EQ(items[2].text, L"&&&&");
    EXPECT_EQ(items[3].text, L"Zażółć gęślą jaźń");

    const UINT breaks = MFT_MENUBREAK | MFT_MENUBARBREAK;
    EXPECT_EQ(items[0].type & breaks, 0u);
    EXPECT_EQ(items[0].state & (MFS_GRAYED | MFS_CHECKED), 0u);
    EXPECT_EQ(items[2].type & breaks, static_cast<UINT>(MFT_MENUBREAK));
    EXPECT_EQ(items[3].type & breaks, static_cast<UINT>(MFT_MENUBARBREAK));
    EXPECT_EQ(items[4].state & MFS_GRAYED, static_cast<UINT>(MFS_GRAYED));
    EXPECT_EQ(items[5].state & MFS_CHECKED, static_cast<UINT>(MFS_CHECKED));
    ASSERT_NE(items[5].submenu, nullptr);
    EXPECT_EQ(GetMenuItemCount(items[5].submenu), 0);
  }
}

// Walks the built menu and checks that each id leads back to the item shown there.
void ExpectIdsMapBack(const MenuRenderer& renderer, HMENU menu, const MenuItem& model,
                      std::vector<UINT>& seen) {
  std::size_t child = 0;
  for (const ShownItem& shown : ItemsOf(menu)) {
    while (!model[child].Visible) ++child;
    const MenuItem* item = renderer.ItemOfCommand(shown.id);
    EXPECT_EQ(item, &model[child]) << WideToUtf8(shown.text);
    EXPECT_EQ(renderer.ItemOfCommand(shown.data), item);
    seen.push_back(shown.id);
    if (shown.submenu != nullptr) ExpectIdsMapBack(renderer, shown.submenu, model[child], seen);
    ++child;
  }
}

// Popup levels below `menu` along its first items, and the deepest level reached.
std::pair<int, HMENU> DepthBelow(HMENU menu) {
  int depth = 0;
  while (GetMenuItemCount(menu) == 1 && ItemAt(menu, 0).submenu != nullptr) {
    menu = ItemAt(menu, 0).submenu;
    ++depth;
  }
  return {depth, menu};
}

// The platform refuses menus nested too deep, which would leave a button without its
// menu: a list file nested ten thousand deep, as the parser leaves it, is shown whole down
// to the link at its bottom, and a deeper tree is cut short, never lost.
TEST_F(MenuRendererTest, DeepMenusAreShownWholeOrCutShortNeverLost) {
  std::string text;
  for (int i = 0; i < 10000; ++i) text += "<menu>p\n";
  text += "<item>dno<url>x\n";
  MenuItem& inne = root.Add("MenuInne", "Inne");
  ParseCustomMenu(text, inne, root, [](const MenuItem&) {});
  MenuItem deep{"deep", ""};
  MenuItem* level = &deep;
  for (int i = 0; i < 40; ++i) level = &level->Add("", "p");
  level->Add("", "dno");
  for (const MenuStyle style : {MenuStyle::Classic, MenuStyle::Pastel}) {
    const UniqueMenu menu = renderer.Build(root, images, style);
    ASSERT_NE(menu.Get(), nullptr);
    const auto [depth, bottom] = DepthBelow(menu.Get());
    EXPECT_EQ(depth, kMaxCustomMenuDepth + 1);
    EXPECT_EQ(ItemAt(bottom, 0).text, L"dno");

    const UniqueMenu cut = renderer.Build(deep, images, style);
    ASSERT_NE(cut.Get(), nullptr);
    const auto [cutDepth, cutBottom] = DepthBelow(cut.Get());
    EXPECT_EQ(cutDepth, 29) << "thirty popups in all";
    EXPECT_EQ(ItemAt(cutBottom, 0).text, L"p");
    EXPECT_NE(ItemAt(cutBottom, 0).state & MFS_GRAYED, 0u);
  }
}

TEST_F(MenuRendererTest, NestedItemsGetFreshIdsThatMapBack) {
  MenuItem& programs = root.Add("P", "Programy");
  programs.Add("P1", "Notatnik");
  programs.Add("P2", "Ukryty").Visible = false;
  MenuItem& games = programs.Add("G", "Gry");
  games.Add("G1", "Saper");
  games.Add("G2", "Pasjans");
  root.Add("Z", "Zamknij");

  const UniqueMenu menu = renderer.Build(root, images, MenuStyle::Pastel);
  std::vector<UINT> ids;
  ExpectIdsMapBack(renderer, menu.Get(), root, ids);
  EXPECT_EQ(ids, (std::vector<UINT>{1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(renderer.ItemOfCommand(0), nullptr);
  EXPECT_EQ(renderer.ItemOfCommand(7), nullptr);

  MenuItem other{"other", ""};
  other.Add("X", "Inne");
  const UniqueMenu rebuilt = renderer.Build(other, images, MenuStyle::Classic);
  EXPECT_EQ(renderer.ItemOfCommand(1), &other[0]);
  EXPECT_EQ(renderer.ItemOfCommand(2), nullptr);
}

TEST_F(MenuRendererTest, PastelItemsAreOwnerDrawnClassicItemsCarryTheirPictures) {
  root.Add("pictured", "Z obrazkiem", 0);
  root.Add("bare", "Bez obrazka");
  root.AddSeparator();
  root.Add("sub", "Podmenu", 1).Add("inner", "Wewnątrz", 1);

  const UniqueMenu classic = renderer.Build(root, images, MenuStyle::Classic);
  std::vector<ShownItem> items = ItemsOf(classic.Get());
  ASSERT_EQ(items.size(), 4u);
  EXPECT_NE(items[0].bitmap, nullptr);
  EXPECT_EQ(items[1].bitmap, nullptr);
  EXPECT_NE(items[3].bitmap, nullptr);
  EXPECT_NE(ItemAt(items[3].submenu, 0).bitmap, nullptr);
  for (const ShownItem& item : items) EXPECT_EQ(item.type & MFT_OWNERDRAW, 0u);

  const UniqueMenu pastel = renderer.Build(root, images, MenuStyle::Pastel);
  items = ItemsOf(pastel.Get());
  ASSERT_EQ(items.size(), 4u);
  items.push_back(ItemAt(items[3].submenu, 0));
  for (const ShownItem& item : items) {
    EXPECT_EQ(item.type & MFT_OWNERDRAW, static_cast<UINT>(MFT_OWNERDRAW));
    EXPECT_EQ(item.bitmap, nullptr);
  }
}

// A screen reader finds an owner-drawn item's text where its item data points, behind
// the MSAAMENUINFO signature. Enough items that a list of them grows while the menu is
// built, which must move none of them.
TEST_F(MenuRendererTest, PastelItemsTellScreenReadersTheirCaptions) {
  for (int i = 0; i < 40; ++i) root.Add("item" + std::to_string(i), "Pozycja " + std::to_string(i));
  root.Add("sub", "Kopia & zapis").Add("inner", "Wewnątrz", 1);

  const UniqueMenu pastel = renderer.Build(root, images, MenuStyle::Pastel);
  std::vector<ShownItem> items = ItemsOf(pastel.Get());
  ASSERT_EQ(items.size(), 41u);
  items.push_back(ItemAt(items[40].submenu, 0));
  for (const ShownItem& item : items) {
    ASSERT_NE(item.data, 0u);
    const auto& info = *reinterpret_cast<const MSAAMENUINFO*>(item.data);
    ASSERT_EQ(info.dwMSAASignature, static_cast<DWORD>(MSAA_MENU_SIG)) << WideToUtf8(item.text);
    EXPECT_EQ(std::wstring(info.pszWText, info.cchWText), item.text);
  }
  EXPECT_EQ(items[40].text, L"Kopia && zapis");
  EXPECT_EQ(items[41].text, L"Wewnątrz");
}

MEASUREITEMSTRUCT Measure(MenuRenderer& renderer, const ShownItem& item) {
  MEASUREITEMSTRUCT measure{};
  measure.CtlType = ODT_MENU;
  measure.itemID = item.id;
  measure.itemData = item.data;
  EXPECT_TRUE(renderer.OnMeasureItem(measure));
  return measure;
}

TEST_F(MenuRendererTest, PastelItemsMeasureToFitTextIconAndArrow) {
  root.Add("short", "Gry");
  root.Add("long", "Narzędzia administracyjne systemu");
  root.Add("sub", "Gry").Add("inner", "Saper");
  root.AddSeparator();
  root.Add("end", "Koniec");
  const UniqueMenu menu = renderer.Build(root, images, MenuStyle::Pastel);
  const std::vector<ShownItem> items = ItemsOf(menu.Get());
  ASSERT_EQ(items.size(), 5u);

  const MEASUREITEMSTRUCT shortItem = Measure(renderer, items[0]);
  const MEASUREITEMSTRUCT longItem = Measure(renderer, items[1]);
  const MEASUREITEMSTRUCT submenu = Measure(renderer, items[2]);
  const MEASUREITEMSTRUCT separator = Measure(renderer, items[3]);
  EXPECT_GE(shortItem.itemHeight, static_cast<UINT>(PictureCache::IconSize(SystemDpi()) + 4));
  EXPECT_LE(shortItem.itemHeight, 40u);
  EXPECT_GT(shortItem.itemWidth, static_cast<UINT>(MenuRenderer::kIconColumnWidth + 10));
  EXPECT_GT(longItem.itemWidth, shortItem.itemWidth + 100);
  EXPECT_GT(submenu.itemWidth, shortItem.itemWidth) << "room for the arrow";
  EXPECT_LT(separator.itemHeight, shortItem.itemHeight);
  renderer.SetDpi(192);
  EXPECT_EQ(Measure(renderer, items[3]).itemHeight, 2 * separator.itemHeight)
      << "the spacing follows the DPI";

  MEASUREITEMSTRUCT foreign{ODT_MENU, 0, 0, 0, 0, 99};
  EXPECT_FALSE(renderer.OnMeasureItem(foreign)) << "not an item of this renderer";
  foreign = MEASUREITEMSTRUCT{ODT_LISTBOX, 0, 0, 0, 0, items[0].data};
  EXPECT_FALSE(renderer.OnMeasureItem(foreign)) << "not a menu";
}

// Draws one pastel item into a DC of our own and answers the colour at a point.
class DrawnItem {
 public:
  DrawnItem(MenuRenderer& renderer, const ShownItem& item, UINT state) {
    const WindowDc screen(nullptr);
    bitmap_.Reset(CreateCompatibleBitmap(screen.Get(), kWidth, kHeight));
    const ScopedSelectObject select(dc_.Get(), bitmap_.Get());
    DRAWITEMSTRUCT draw{};
    draw.CtlType = ODT_MENU;
    draw.itemID = item.id;
    draw.itemData = item.data;
    draw.itemState = state;
    draw.hDC = dc_.Get();
    draw.rcItem = RECT{0, 0, kWidth, kHeight};
    handled_ = renderer.OnDrawItem(draw);
  }
  bool Handled() const { return handled_; }
  COLORREF At(int x, int y) const {
    const ScopedSelectObject select(dc_.Get(), bitmap_.Get());
    return GetPixel(dc_.Get(), x, y);
  }
  // The middle of the icon column, where the picture sits.
  COLORREF Icon() const { return At(MenuRenderer::kIconColumnWidth / 2, kHeight / 2); }
  static constexpr int kWidth = 160;
  static constexpr int kHeight = 22;

 private:
  MemoryDc dc_{CreateCompatibleDC(nullptr)};
  UniqueBitmap bitmap_;
  bool handled_ = false;
};

TEST_F(MenuRendererTest, PastelDrawingFillsSelectionAndDimsUnselectedIcons) {
  root.Add("pictured", "Czerwony", 0);
  root.AddSeparator();
  root.Add("ticked", "Zaznaczony").Checked = true;
  root.Add("bar", "Druga kolumna").Break = MenuBreak::BarColumn;
  root.Add("below", "Pod spodem");
  const UniqueMenu menu = renderer.Build(root, images, MenuStyle::Pastel);
  const std::vector<ShownItem> items = ItemsOf(menu.Get());
  ASSERT_EQ(items.size(), 5u);
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  const int right = DrawnItem::kWidth - 3;

  const DrawnItem selected(renderer, items[0], ODS_SELECTED);
  ASSERT_TRUE(selected.Handled());
  EXPECT_EQ(selected.At(right, 2), GetSysColor(COLOR_HIGHLIGHT));
  EXPECT_EQ(selected.At(0, 0), GetSysColor(COLOR_HIGHLIGHT)) << "the frame";
  EXPECT_EQ(selected.Icon(), RGB(255, 0, 0)) << "full strength";

  const DrawnItem normal(renderer, items[0], 0);
  EXPECT_EQ(normal.At(right, 2), face);
  const COLORREF dimmed = normal.Icon();
  EXPECT_NEAR(GetRValue(dimmed), 255 * 7 / 10 + GetRValue(face) * 3 / 10, 3);
  EXPECT_NEAR(GetGValue(dimmed), GetGValue(face) * 3 / 10, 3);

  const DrawnItem disabled(renderer, items[0], ODS_GRAYED | ODS_DISABLED);
  const COLORREF grey = disabled.Icon();
  EXPECT_EQ(GetRValue(grey), GetGValue(grey));
  EXPECT_EQ(GetGValue(grey), GetBValue(grey));

  const DrawnItem separator(renderer, items[1], 0);
  EXPECT_EQ(separator.At(right, DrawnItem::kHeight / 2), GetSysColor(COLOR_BTNSHADOW));
  EXPECT_EQ(separator.At(right, 2), face);
  EXPECT_EQ(separator.At(MenuRenderer::kIconColumnWidth / 2, DrawnItem::kHeight / 2), face)
      << "the line leaves the icon column alone";

  const DrawnItem ticked(renderer, items[2], ODS_CHECKED);
  int markPixels = 0;
  for (int x = 0; x < MenuRenderer::kIconColumnWidth; ++x)
    for (int y = 0; y < DrawnItem::kHeight; ++y)
      if (ticked.At(x, y) == GetSysColor(COLOR_MENUTEXT)) ++markPixels;
  EXPECT_GT(markPixels, 4) << "a tick in the icon column";
  EXPECT_EQ(ticked.At(0, DrawnItem::kHeight / 2), face) << "no bar in the first column";

  for (std::size_t index : {std::size_t{3}, std::size_t{4}}) {
    const DrawnItem barred(renderer, items[index], 0);
    EXPECT_EQ(barred.At(0, DrawnItem::kHeight / 2), GetSysColor(COLOR_BTNSHADOW)) << index;
  }
}

// An owner window that hands its menu messages to the renderer and drives the open
// menu with keys, as a user would.
struct PopupDriver {
  MenuRenderer* renderer = nullptr;
  std::vector<WPARAM> keys;
  // Asked at each tick while the menu is open; the keys go once it answers true.
  std::function<bool(HWND popup)> ready;
  int drawn = 0;
  int ticks = 0;
  bool sent = false;
  bool forced = false;
};

LRESULT CALLBACK DriverProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* driver = reinterpret_cast<PopupDriver*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (driver != nullptr) {
    switch (message) {
      case WM_MEASUREITEM:
        if (driver->renderer->OnMeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)))
          return TRUE;
        break;
      case WM_DRAWITEM:
        if (driver->renderer->OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) {
          ++driver->drawn;
          return TRUE;
        }
        break;
      case WM_TIMER: {
        const HWND popup = FindWindowW(L"#32768", nullptr);
        ++driver->ticks;
        if (!driver->sent && popup != nullptr && IsWindowVisible(popup) && driver->ticks > 3 &&
            (!driver->ready || driver->ready(popup))) {
          for (const WPARAM key : driver->keys) PostMessageW(window, WM_KEYDOWN, key, 0);
          driver->sent = true;
        }
        if (driver->ticks > 100 && !driver->forced) {
          driver->forced = true;  // never hang the run on a menu left open
          EndMenu();
        }
        return 0;
      }
      default:
        if (message == IconFetcher::IconsArrivedMessage()) {
          driver->renderer->IconsArrived();
          return 0;
        }
        break;
    }
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

class MenuRendererPopupTest : public MenuRendererTest {
 protected:
  void SetUp() override {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = DriverProcedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"KromelikMenuDriver";
    RegisterClassW(&windowClass);
    owner = CreateWindowExW(WS_EX_TOOLWINDOW, windowClass.lpszClassName, L"", WS_POPUP | WS_VISIBLE,
                            0, 0, 20, 20, nullptr, nullptr, windowClass.hInstance, nullptr);
    ASSERT_NE(owner, nullptr);
    driver.renderer = &renderer;
    SetWindowLongPtrW(owner, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&driver));
    SetTimer(owner, 1, 50, nullptr);

    root.Add("first", "Pierwszy", 0);
    root.Add("hidden", "Ukryty").Visible = false;
    root.Add("second", "Drugi", 1);
  }
  void TearDown() override {
    if (owner != nullptr) DestroyWindow(owner);
  }
  const MenuItem* Open(MenuStyle style, std::vector<WPARAM> keys) {
    driver.keys = std::move(keys);
    driver.ticks = 0;
    driver.sent = false;
    driver.forced = false;
    return renderer.Popup(owner, root, images, style, POINT{100, 100});
  }

  HWND owner = nullptr;
  PopupDriver driver;
};

TEST_F(MenuRendererPopupTest, AnswersTheChosenItemOrNothingWhenCancelled) {
  EXPECT_EQ(Open(MenuStyle::Pastel, {VK_DOWN, VK_DOWN, VK_RETURN}), root.Find("second"));
  EXPECT_GT(driver.drawn, 0) << "pastel items are drawn by the renderer";
  EXPECT_FALSE(driver.forced);

  EXPECT_EQ(Open(MenuStyle::Classic, {VK_ESCAPE}), nullptr);
  EXPECT_TRUE(driver.sent);
  EXPECT_FALSE(driver.forced) << "cancelled by the key, not by the safety net";
  EXPECT_EQ(Open(MenuStyle::Classic, {VK_DOWN, VK_RETURN}), root.Find("first"));
  EXPECT_FALSE(driver.forced);
}

// A file's icon that comes while its menu is open shows there at once, in either style,
// in place of the picture that stood by for it.
TEST_F(MenuRendererPopupTest, AFileIconThatComesWhileItsMenuIsOpenShowsThere) {
  const HANDLE gate = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  ASSERT_NE(gate, nullptr);
  const int size = PictureCache::IconSize(SystemDpi());
  IconFetcher fetcher([&](const IconKey&) {
    WaitForSingleObject(gate, 10000);
    return test::MakeIcon(size, 0xFF00FF00u);
  });
  MenuRenderer late(fetcher);
  late.SetOwner(owner);
  driver.renderer = &late;
  ImageList files("files");
  files.Add(StockIcon::Folder);
  MenuItem menu{"PM", ""};

  for (const MenuStyle style : {MenuStyle::Pastel, MenuStyle::Classic}) {
    const std::string path = style == MenuStyle::Pastel ? "C:\\pastel.exe" : "C:\\classic.exe";
    files.Add(IconOfFile{path, FileIconKind::Stored, 0});
    menu.Add(path, path, static_cast<int>(files.Count()) - 1);
    ResetEvent(gate);
    bool green = false;
    driver.ready = [&](HWND popup) {
      SetEvent(gate);
      const HMENU shown = reinterpret_cast<HMENU>(SendMessageW(popup, MN_GETHMENU, 0, 0));
      RECT item{};
      const int last = GetMenuItemCount(shown) - 1;
      if (shown == nullptr || !GetMenuItemRect(nullptr, shown, static_cast<UINT>(last), &item))
        return false;
      POINT middle{item.left, (item.top + item.bottom) / 2};
      ScreenToClient(popup, &middle);
      const HDC drawn = GetDC(popup);
      for (int x = middle.x; x < middle.x + 40 && !green; ++x) {
        const COLORREF pixel = GetPixel(drawn, x, middle.y);
        green = GetGValue(pixel) > 150 && GetRValue(pixel) < 100 && GetBValue(pixel) < 100;
      }
      ReleaseDC(popup, drawn);
      return green;
    };
    driver.keys = {VK_ESCAPE};
    driver.ticks = 0;
    driver.sent = false;
    driver.forced = false;
    late.Popup(owner, menu, files, style, POINT{100, 100});
    EXPECT_TRUE(green) << (style == MenuStyle::Pastel ? "pastel" : "classic");
    EXPECT_FALSE(driver.forced);
  }
  driver.renderer = &renderer;
  SetEvent(gate);
  CloseHandle(gate);
}

}  // namespace
}  // namespace kromelik
