#include "menus/Separators.h"

namespace kromelik {

void NormaliseSeparators(MenuItem& menu) {
  // Every separator starts hidden; the last one seen since the previous visible item is
  // shown when another visible item follows it, so a run never shows twice and a
  // trailing run never shows at all.
  MenuItem* lastOfRun = nullptr;
  bool seenVisibleItem = false;

  for (const auto& child : menu.Items()) {
    MenuItem& item = *child;
    if (item.Count() > 0) NormaliseSeparators(item);

    if (item.IsSeparator()) {
      item.Visible = false;
      if (seenVisibleItem) lastOfRun = &item;
      continue;
    }
    if (!item.Visible) continue;
    if (lastOfRun != nullptr) lastOfRun->Visible = true;
    lastOfRun = nullptr;
    seenVisibleItem = true;
  }
}

}  // namespace kromelik
