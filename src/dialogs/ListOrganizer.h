#pragma once

// What every organizer of a stored list does the same way: its frame and its list, the
// refresh around its own rows, the selection, clearing, closing and the dialog's keys.

#include <cstddef>
#include <optional>
#include <vector>

#include "core/ports/Registry.h"
#include "dialogs/OrganizerFrame.h"
#include "lists/MruList.h"

namespace kromelik {

class ListOrganizer {
 public:
  virtual ~ListOrganizer() = default;
  ListOrganizer(const ListOrganizer&) = delete;
  ListOrganizer& operator=(const ListOrganizer&) = delete;

  const OrganizerFrame& Frame() const { return frame_; }

  void FormShow() { RefreshList(); }
  // The options dialog may change the flag while the program runs; each showing takes
  // the one in force.
  void SetSortWhileEditing(bool sort) { sortWhileEditing_ = sort; }
  // ListView1Click, and every move of the selection by the keyboard too.
  void SelectionChange(std::optional<std::size_t> row) { frame_.Select(row); }
  void sb_WyczyscClick();
  void CloseSBClick() { frame_.CloseWithRestartOffer(); }
  void FormClose() { frame_.OnClosed(); }
  virtual void FormKeyDown(DialogKey key) { frame_.FormKeyDown(key); }

 protected:
  ListOrganizer(const OrganizerServices& services, Registry& registry, const MruListKind& kind,
                bool sortWhileEditing, std::vector<OrganizerColumn> columns);

  // The list read anew: the rows come from AppendRows, then browsing resumes in the
  // stored order or sorted by name, with the columns fitted.
  void RefreshList();
  virtual void AppendRows() = 0;
  // After a refresh, for what the organizer keeps beside the frame.
  virtual void Refreshed() {}

  OrganizerServices services_;
  MruList list_;
  OrganizerFrame frame_;
  bool sortWhileEditing_;
};

}  // namespace kromelik
