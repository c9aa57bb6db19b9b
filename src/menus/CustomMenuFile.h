#pragma once

// The user's own menu, read from "lista.txt" beside the program: a tree of submenus,
// separators and links under "Inne" of the Internet menu. Every line is searched for
// five tags; a line with none of them is ignored:
//
//   <menu>Narzędzia              opens a submenu captioned by the rest of the line
//   <item>Notatnik<url>notepad   a link: caption between the tags, target after <url>
//   <item-b>Kalkulator<url>calc  the same, starting a new column of its submenu
//   <separator>                  a separator line
//   </menu>                      closes the current submenu
//
// Hostile files are expected: nothing here recurses, every line is looked at a fixed
// number of times, and both the nesting and the number of entries are bounded.

#include <cstddef>
#include <string>
#include <string_view>

#include "core/ports/TextServices.h"
#include "menus/MenuItem.h"

namespace kromelik {

inline constexpr std::string_view kCustomMenuFileName = "lista.txt";
inline constexpr std::string_view kEmptySubmenuCaption = "(Puste)";
// Deeper submenus could not be opened by anybody's hand, and every walk of a menu tree
// would pay for them; their contents go into the deepest submenu allowed. With the
// Internet menu and "Inne" above them, the platform's menus still hold them whole.
inline constexpr int kMaxCustomMenuDepth = 24;
// Every submenu costs the platform a menu handle each time the Internet menu opens, and
// a process may hold only so many (10,000 by default): past them no menu opens at all.
// Submenus, links, separators and placeholders all count; the entries beyond are not
// made and the rest of the file is not read.
inline constexpr std::size_t kMaxCustomMenuItems = 5000;

// The file's bytes as UTF-8 text: as they are when they are UTF-8 (a byte-order mark
// dropped), else read in the system's ANSI code page, as older editors saved it.
std::string CustomMenuText(std::string_view bytes, const TextServices& text);

// Appends the items the text describes to `inne`. A "</menu>" that closes the level of
// `inne` sends what follows to the end of `internetMenu`, which holds `inne`; nothing goes
// further up. Links get `openLink` as their action. False when the text would make more
// than kMaxCustomMenuItems entries: the first that many are made, nothing after them.
bool ParseCustomMenu(std::string_view text, MenuItem& inne, MenuItem& internetMenu,
                     const MenuAction& openLink);

}  // namespace kromelik
