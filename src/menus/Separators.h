#pragma once

#include "menus/MenuItem.h"

namespace kromelik {

// Tidies the separators of a menu and of every submenu in it, after the builders have
// decided what is visible: none is left at the top or the bottom, and exactly one, the
// last of its run, stands between two visible items. Builders therefore only need to
// decide visibility of separators where this leaves a choice.
void NormaliseSeparators(MenuItem& menu);

}  // namespace kromelik
