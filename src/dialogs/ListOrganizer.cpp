#include "dialogs/ListOrganizer.h"

#include <utility>

namespace kromelik {

ListOrganizer::ListOrganizer(const OrganizerServices& services, Registry& registry,
                             const MruListKind& kind, bool sortWhileEditing,
                             std::vector<OrganizerColumn> columns)
    : services_(services),
      list_(registry, kind),
      frame_(services, std::move(columns)),
      sortWhileEditing_(sortWhileEditing) {}

void ListOrganizer::RefreshList() {
  frame_.ClearRows();
  AppendRows();
  frame_.EnterBrowsing();
  Refreshed();
  if (sortWhileEditing_) frame_.SortRowsByName();
  frame_.AutoSizeColumns();
}

void ListOrganizer::sb_WyczyscClick() {
  if (!frame_.Controls().clearEnabled || !frame_.ConfirmClear()) return;
  list_.ClearList();
  RefreshList();
}

}  // namespace kromelik
