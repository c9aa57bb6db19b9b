#pragma once

// What the four list organizers have in common: the list with its icons, the button
// row, the panel that covers the list while an entry is entered, the question before
// clearing and the offer to restart on closing. An organizer owns one frame and drives
// it; the dialog's window only shows what the frame holds and forwards the user's acts.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/Toolbar.h"
#include "core/ports/DialogWindow.h"
#include "core/ports/FileInformation.h"
#include "core/ports/MessageBoxes.h"
#include "core/ports/ProgramFile.h"
#include "core/ports/ShellLauncher.h"
#include "core/ports/TextMeasure.h"
#include "core/ports/TextServices.h"
#include "core/ports/ToolbarWindow.h"
#include "menus/ImageList.h"

namespace kromelik {

namespace organizer_texts {
inline constexpr std::string_view kClearQuestion =
    "Czy na pewno chcesz usunąć wszystkie pozycje z listy ???";
inline constexpr std::string_view kClearTitle = "UWAGA";
inline constexpr std::string_view kRestartQuestion =
    "Wprowadzone dane będą widoczne dopiero po ponownym uruchomieniu programu, czy chcesz "
    "to zrobić teraz ?";
inline constexpr std::string_view kRestartTitle = "UWAGA !!!";
}  // namespace organizer_texts

struct OrganizerColumn {
  std::string caption;
  int width = 0;  // pixels
  bool operator==(const OrganizerColumn&) const = default;
};

struct OrganizerRow {
  std::vector<std::string> cells;  // one per column
  std::optional<int> image;        // into the frame's images; none: no picture
  bool operator==(const OrganizerRow&) const = default;
};

enum class OrganizerMode { Browsing, Adding, Editing };

// What the window shows enabled, visible or not.
struct OrganizerControls {
  bool addEnabled = true;      // "Dodaj"
  bool removeEnabled = false;  // "Usuń"
  bool editEnabled = false;    // "Edytuj", in the organizers that have it
  bool clearEnabled = false;   // "Wyczyść"
  bool listEnabled = true;
  bool listVisible = true;
  bool panelVisible = false;
  bool panelOkEnabled = false;  // the panel's "OK"
  bool operator==(const OrganizerControls&) const = default;
};

// The platform as every organizer needs it. `messages` are owned by the dialog.
struct OrganizerServices {
  TextServices& text;
  TextMeasure& measure;  // in the dialog's font
  MessageBoxes& messages;
  DialogWindow& dialog;
  Toolbar& toolbar;
  ToolbarWindow& toolbarWindow;
  ShellLauncher& shell;
  const ProgramFile& program;
  FileInformation& files;
};

class OrganizerFrame {
 public:
  OrganizerFrame(const OrganizerServices& services, std::vector<OrganizerColumn> columns);

  const std::vector<OrganizerColumn>& Columns() const { return columns_; }
  const std::vector<OrganizerRow>& Rows() const { return rows_; }
  const ImageList& Images() const { return images_; }
  const OrganizerControls& Controls() const { return controls_; }
  OrganizerControls& Controls() { return controls_; }
  OrganizerMode Mode() const { return mode_; }
  std::optional<std::size_t> Selected() const { return selected_; }
  const OrganizerRow* SelectedRow() const { return selected_ ? &rows_[*selected_] : nullptr; }

  // Empties the list and its images; nothing stays selected.
  void ClearRows();
  // A row of `cells` (as many as there are columns) at the end; the icon, when there is
  // one, becomes the frame's and the row's picture.
  void AppendRow(std::vector<std::string> cells, IconHandle icon);
  // A row showing the shell's small icon of `path`, which the window fetches when it
  // shows the row: a long list opens at once, without waiting for a thousand icons.
  void AppendRowWithIconOf(std::vector<std::string> cells, const std::string& path);
  // A row that shows picture `image` of the list, where the dialog brings its own.
  void AppendRowWithImage(std::vector<std::string> cells, int image);
  // Takes row `row` out of the list; its picture stays in the images, where later rows
  // may point past it. The selection stays with its row, or goes with it.
  void RemoveRow(std::size_t row);

  // The window reports every change of the list's selection, by mouse or keyboard, so
  // the buttons always act on the row the user sees selected. "Usuń" (and "Edytuj"
  // where there is one) can be used exactly when a row is selected.
  void Select(std::optional<std::size_t> row);

  // The row a name typed on the list leads to, as a list of its own items finds it:
  // from row `start` on, the first whose name (first column) begins with `typed`, or is
  // it when `wholeName`, letter case ignored; past the last row the search goes on from
  // the first when `wrap`. None when no row has such a name.
  std::optional<std::size_t> FindRow(std::string_view typed, std::size_t start, bool wholeName,
                                     bool wrap) const;

  // By the first column, in the user's locale order with letter case significant; rows
  // that compare equal keep their order. The selection stays with its row.
  void SortRowsByName();
  // Each column as wide as its widest text plus a margin; a list without rows keeps
  // the widths it has.
  void AutoSizeColumns();

  // The list shown and usable, the panel hidden: where every refresh ends.
  void EnterBrowsing();
  // The same without looking at "Wyczyść", which keeps the state the last refresh gave
  // it until the next one.
  void LeavePanel();
  // The panel over the list, which stays out of reach until the panel is left.
  void EnterPanel(OrganizerMode mode);

  // Asks before the whole list goes; true when the user agreed.
  bool ConfirmClear();
  // Closes the dialog, then offers to start the program again so that the menus built
  // at start show the changes; on Yes a new instance starts and this one ends.
  void CloseWithRestartOffer();
  // Escape on the dialog or its list closes it, without the restart offer.
  void FormKeyDown(DialogKey key);
  // The dialog's close event, whatever closed it: the toolbar is usable again.
  void OnClosed();

 private:
  void SwitchTo(OrganizerMode mode);

  OrganizerServices services_;
  std::vector<OrganizerColumn> columns_;
  std::vector<OrganizerRow> rows_;
  ImageList images_;
  OrganizerControls controls_;
  OrganizerMode mode_ = OrganizerMode::Browsing;
  std::optional<std::size_t> selected_;
};

}  // namespace kromelik
