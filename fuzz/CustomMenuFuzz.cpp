// Arbitrary bytes as lista.txt: decoded as the program decodes the file, parsed into an
// Internet menu like the program's, then the tree is held to what the renderer and the
// rest of the program rely on. Any broken rule aborts, so libFuzzer keeps the input.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "fakes/FakeText.h"
#include "menus/CustomMenuFile.h"
#include "menus/MenuItem.h"

namespace kromelik {
namespace {

[[noreturn]] void Fail(const char* rule, std::string_view detail = {}) {
  std::fprintf(stderr, "lista.txt rule broken: %s [%.*s]\n", rule,
               static_cast<int>(detail.size() < 200 ? detail.size() : 200), detail.data());
  std::abort();
}

void Require(bool holds, const char* rule, std::string_view detail = {}) {
  if (!holds) Fail(rule, detail);
}

// Decodes each sequence and judges its value, rather than the lead byte's ranges the
// parser checks, so that a slip in either shows as a disagreement. Counts code points.
bool ValidUtf8(std::string_view text, std::size_t* codePoints = nullptr) {
  std::size_t count = 0;
  for (std::size_t at = 0; at < text.size(); ++count) {
    const auto lead = static_cast<unsigned char>(text[at]);
    std::size_t length = 1;
    std::uint32_t value = lead;
    if (lead >= 0x80) {
      if ((lead & 0xE0) == 0xC0) {
        length = 2;
        value = lead & 0x1Fu;
      } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        value = lead & 0x0Fu;
      } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        value = lead & 0x07u;
      } else {
        return false;
      }
      if (text.size() - at < length) return false;
      for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[at + i]);
        if ((next & 0xC0) != 0x80) return false;
        value = (value << 6) | (next & 0x3Fu);
      }
      constexpr std::uint32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
      if (value < kSmallest[length] || value > 0x10FFFF) return false;
      if (value >= 0xD800 && value <= 0xDFFF) return false;
    }
    at += length;
  }
  if (codePoints != nullptr) *codePoints = count;
  return true;
}

// The Internet menu as the program has it when the file is read: entries before "Inne"
// and one after it, each with an action of its own, none with children.
struct InternetMenu {
  MenuItem root;
  std::vector<const MenuItem*> before;  // the entries there before the parse, in order
  MenuItem* inne = nullptr;

  InternetMenu() {
    const MenuAction own = [](const MenuItem&) {};
    root.Add("Telnet", "Telnet").OnClick = own;
    root.AddSeparator();
    inne = &root.Add("MenuInne", "Inne");
    root.Add("WyszukajWInternecie", "Wyszukaj w internecie ...").OnClick = own;
    for (const auto& item : root.Items()) before.push_back(item.get());
  }
};

struct Counts {
  std::size_t items = 0;
  std::size_t textBytes = 0;
};

// Set by the action handed to the parser, so the walk sees which item a link ran it for.
const MenuItem* g_opened = nullptr;

// Every entry the parser made, below "Inne" and after the Internet menu's own entries.
// With `everyMenuClosed`, the text closed each submenu it opened.
Counts CheckTree(const InternetMenu& menu, bool everyMenuClosed) {
  const MenuItem& root = menu.root;
  Require(root.Count() >= menu.before.size(), "entries of the Internet menu went missing");
  for (std::size_t i = 0; i < menu.before.size(); ++i)
    Require(&root[i] == menu.before[i], "the Internet menu's own entries moved");
  Require(root[0].Caption == "Telnet" && root[2].Caption == "Inne" && root[0].Count() == 0 &&
              root[1].Count() == 0 && root[3].Count() == 0,
          "the Internet menu's own entries changed");

  Counts counts;
  // (entry, its depth below the Internet menu)
  std::vector<std::pair<const MenuItem*, int>> pending;
  for (const auto& child : menu.inne->Items()) pending.emplace_back(child.get(), 2);
  for (std::size_t i = menu.before.size(); i < root.Count(); ++i) pending.emplace_back(&root[i], 1);

  while (!pending.empty()) {
    const auto [item, depth] = pending.back();
    pending.pop_back();
    ++counts.items;
    counts.textBytes += item->Caption.size() + item->Hint.size();

    // The renderer and every walk of a menu recurse: this is what bounds them.
    Require(depth <= kMaxCustomMenuDepth + 2, "nested deeper than the bound", item->Caption);
    Require(ValidUtf8(item->Caption), "a caption is no UTF-8", item->Caption);
    Require(ValidUtf8(item->Hint), "a target is no UTF-8", item->Hint);
    Require(item->Caption.find_first_of("\r\n") == std::string::npos, "a caption spans lines",
            item->Caption);
    Require(item->Hint.find_first_of("\r\n") == std::string::npos, "a target spans lines",
            item->Hint);
    Require(item->Name.empty(), "a made entry has a component name", item->Name);
    Require(item->Visible && !item->Checked && item->ImageIndex == -1,
            "a made entry is hidden, checked or has a picture", item->Caption);

    if (item->OnClick) {
      // The renderer makes an entry with children a submenu, whose choice never runs
      // the action.
      Require(item->Count() == 0, "a link has children", item->Caption);
      Require(item->Enabled, "a link is disabled", item->Caption);
      g_opened = nullptr;
      item->OnClick(*item);
      Require(g_opened == item, "a link's action is not the one handed to the parser",
              item->Caption);
    } else {
      Require(item->Break == MenuBreak::None, "a column starts at something not a link",
              item->Caption);
      Require(item->Hint.empty(), "something not a link has a target", item->Caption);
      if (!item->Enabled) {
        Require(item->Caption == kEmptySubmenuCaption && item->Count() == 0,
                "a disabled entry is not an empty submenu's placeholder", item->Caption);
      } else if (everyMenuClosed && item->Count() == 0) {
        // Without children the renderer shows a plain entry that does nothing.
        Require(item->IsSeparator(), "a closed submenu was left without the placeholder",
                item->Caption);
      }
    }
    for (const auto& child : item->Items()) pending.emplace_back(child.get(), depth + 1);
  }
  return counts;
}

// A line makes at most a submenu, a separator, a placeholder and two links, and the
// submenu and each link hold at most the line's text: more means work beyond the file's.
void CheckSize(const Counts& counts, std::string_view text) {
  std::size_t lines = 1;
  for (const char c : text) lines += c == '\n' ? 1 : 0;
  Require(counts.items <= 5 * lines, "more entries than the lines can make");
  Require(counts.textBytes <= 3 * text.size() + 8 * counts.items,
          "more text in the entries than in the file");
}

void ParseAndCheck(std::string_view text, bool everyMenuClosed) {
  InternetMenu menu;
  const bool whole =
      ParseCustomMenu(text, *menu.inne, menu.root, [](const MenuItem& item) { g_opened = &item; });
  // A file cut short at the bound may leave its last submenus without their placeholder.
  const Counts counts = CheckTree(menu, everyMenuClosed && whole);
  Require(counts.items <= kMaxCustomMenuItems, "more entries than the bound");
  Require(whole || counts.items == kMaxCustomMenuItems, "cut short before the bound");
  CheckSize(counts, text);
}

std::string AsciiOnly(std::string_view text) {
  std::string ascii;
  for (const char c : text)
    if (static_cast<unsigned char>(c) < 0x80) ascii.push_back(c);
  return ascii;
}

void CheckDecoding(std::string_view bytes, const std::string& text) {
  std::string_view body = bytes;
  if (body.starts_with("\xEF\xBB\xBF")) body.remove_prefix(3);
  std::size_t codePoints = 0;
  Require(ValidUtf8(text, &codePoints), "the decoded text is no UTF-8", text);
  if (ValidUtf8(body)) {
    Require(text == body, "UTF-8 was not kept as it is", text);
  } else {
    // A single-byte code page: one character a byte, and the tags and line ends, all
    // ASCII, where they were.
    Require(codePoints == body.size(), "not one character for each byte of the code page");
    Require(AsciiOnly(text) == AsciiOnly(body), "the code page moved ASCII characters");
  }
}

}  // namespace
}  // namespace kromelik

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kromelik;
  static const fakes::FakeTextServices services;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::string text = CustomMenuText(bytes, services);
  CheckDecoding(bytes, text);
  ParseAndCheck(text, false);

  // The same text with every submenu closed at its end, unless a Ctrl+Z at a line's start
  // ends the file before the closes. Lines are counted as the parser sees them: a carriage
  // return anywhere is dropped (so "<me\rnu>" opens a submenu), and a line opens at most one.
  if (!text.starts_with('\x1A') && text.find("\n\x1A") == std::string::npos) {
    std::size_t opened = 0;
    std::string line;
    for (std::size_t at = 0; at <= text.size(); ++at) {
      if (at == text.size() || text[at] == '\n') {
        if (line.find("<menu>") != std::string::npos) ++opened;
        line.clear();
      } else if (text[at] != '\r') {
        line.push_back(text[at]);
      }
    }
    std::string closed = text + "\n";
    for (std::size_t i = 0; i < opened; ++i) closed += "</menu>\n";
    ParseAndCheck(closed, true);
  }
  return 0;
}
