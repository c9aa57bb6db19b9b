#include "menus/ToolbarCommands.h"

#include "core/ComponentNames.h"

namespace kromelik {

void WireToolbarCommands(ToolbarMenus& menus, Toolbar& toolbar, MessageBoxes& messages) {
  menus.Item(names::kPomoc1).OnClick = [&toolbar, &messages](const MenuItem&) {
    toolbar.WithMessageBox([&messages] {
      messages.Show(kHelpUnavailableText, kHelpUnavailableTitle, MessageIcon::Information);
    });
  };
}

}  // namespace kromelik
