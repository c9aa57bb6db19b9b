#pragma once

// The toolbar's own commands on its menu items: the ones that need nothing but the
// toolbar and a message box. Launch commands and dialogs hang their actions on the
// items in the same way.

#include "core/Toolbar.h"
#include "core/ports/MessageBoxes.h"
#include "menus/ToolbarMenus.h"

namespace kromelik {

inline constexpr std::string_view kHelpUnavailableText =
    "Pomoc jak na razie jest niedostępna w tej wersji programu";
inline constexpr std::string_view kHelpUnavailableTitle = "Brak pomocy !!!";

void WireToolbarCommands(ToolbarMenus& menus, Toolbar& toolbar, MessageBoxes& messages);

}  // namespace kromelik
