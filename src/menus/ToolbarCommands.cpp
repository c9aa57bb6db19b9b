#include "menus/ToolbarCommands.h"

namespace kromelik {

void WireToolbarCommands(ToolbarMenus& menus, Toolbar& toolbar, MessageBoxes& messages) {
  menus.Item("Pomoc1").OnClick = [&toolbar, &messages](const MenuItem&) {
    toolbar.WithMessageBox([&messages] {
      messages.Show(kHelpUnavailableText, kHelpUnavailableTitle, MessageIcon::Information);
    });
  };
}

}  // namespace kromelik
