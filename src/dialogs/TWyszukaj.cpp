#include "dialogs/TWyszukaj.h"

#include <algorithm>
#include <array>

#include "core/RegistryLayout.h"
#include "core/SettingsStore.h"
#include "dialogs/SearchServices.h"
#include "lists/MruList.h"

namespace kromelik {

namespace layout = registry_layout;

namespace {

// Phrases as value names with empty data: a set, not a numbered list.
constexpr MruListKind kSearchHistoryMru{layout::kSearchHistory, MruLayout::Named, 0, false};

// The menu's own order, which is neither the services' numbers nor their names: a
// number alone is an item at the top level, a caption with numbers a submenu. A 0
// ends a submenu's numbers.
struct MenuPlace {
  std::string_view submenu;
  std::array<int, 5> engines;
};
constexpr std::array<MenuPlace, 9> kMenuOrder{{
    {"", {1}},
    {"W portalu ...", {12, 2, 3, 11, 4}},
    {"", {5}},
    {"Encyklopedia", {6, 7}},
    {"Słownik ...", {9, 8, 10}},
    {"Film i muzyka", {15, 13, 14, 16}},
    {"Aukcje", {17, 18}},
    {"", {20}},
    {"Programy", {21, 19}},
}};

std::string ItemName(int engine) { return "w_" + std::to_string(engine); }

void UntickAll(MenuItem& menu) {
  for (const auto& item : menu.Items()) {
    item->Checked = false;
    UntickAll(*item);
  }
}

}  // namespace

TWyszukaj::TWyszukaj(const SearchDialogServices& services)
    : services_(services), menu_("pm_Wyszukiwarki", "") {
  BuildServiceMenu();
}

void TWyszukaj::BuildServiceMenu() {
  for (const MenuPlace& place : kMenuOrder) {
    MenuItem& parent = place.submenu.empty() ? menu_ : menu_.Add("", std::string(place.submenu));
    for (const int engine : place.engines) {
      if (engine == 0) break;
      // The number rides with the item's action: the menu shows no pictures, so it has
      // no use for the image index that once carried it.
      MenuItem& item = parent.Add(ItemName(engine), std::string(SearchServiceOf(engine)->caption));
      item.OnClick = [this, engine](const MenuItem&) { w_1Click(engine); };
    }
  }
}

void TWyszukaj::LoadSearchHistory() {
  controls_.history.clear();
  controls_.phrase.clear();
  SettingsStore store(services_.registry);
  if (store.OpenKey(std::string(layout::kMainKey) + "\\" + std::string(layout::kSearchHistory),
                    true))
    controls_.history = store.ListValueNames();
  engine_ = kDefaultSearchEngine;
  if (store.OpenKey(layout::kMainKey, true)) {
    // Only a hand-edited registry holds a number outside the table; it would name no
    // address to open and no item to tick, so it counts as the first service.
    const auto stored = store.NumberOption(layout::kSearchService);
    if (stored && SearchServiceOf(*stored) != nullptr) engine_ = *stored;
  }
  store.CloseKey();
  // The registry lists values in no order the user could follow.
  std::stable_sort(controls_.history.begin(), controls_.history.end(),
                   [this](const std::string& a, const std::string& b) {
                     return services_.text.CompareIgnoringCase(a, b) < 0;
                   });
}

void TWyszukaj::FormShow() {
  LoadSearchHistory();
  controls_.clearEnabled = !controls_.history.empty();
  cb_WyrazChange("");
}

void TWyszukaj::cb_WyrazChange(std::string_view phrase) {
  controls_.phrase = phrase;
  controls_.okEnabled = !controls_.phrase.empty();
}

void TWyszukaj::cb_WyrazKeyDown(DialogKey key) {
  if (key == DialogKey::Escape) services_.dialog.Close();
  else if (key == DialogKey::Enter && !controls_.phrase.empty()) sb_OKClick();
}

void TWyszukaj::sb_OKClick() {
  // The button is disabled without a phrase; an empty search would only store nothing.
  if (controls_.phrase.empty()) return;
  const std::string phrase = controls_.phrase;
  if (const auto address = BuildSearchUrl(phrase, engine_))
    services_.shell.Open(owner_, "open", *address, std::nullopt, ShowCommand::ShowNormal);

  SettingsStore store(services_.registry);
  if (store.OpenKey(layout::kMainKey, true)) store.PutNumber(layout::kSearchService, engine_);
  store.CloseKey();
  MruList(services_.registry, kSearchHistoryMru).WriteNamed(phrase, "");
  services_.dialog.Close();
}

void TWyszukaj::pm_WyszukiwarkiPopup() {
  UntickAll(menu_);
  if (engine_ > 0) {
    if (MenuItem* item = menu_.Find(ItemName(engine_))) item->Checked = true;
  }
}

void TWyszukaj::sb_WyczyscClick() {
  if (services_.messages.Ask(organizer_texts::kClearQuestion, organizer_texts::kClearTitle,
                             MessageIcon::Question, MessageButtons::YesNo) != MessageAnswer::Yes)
    return;
  MruList(services_.registry, kSearchHistoryMru).ClearList();
  FormShow();
}

}  // namespace kromelik
