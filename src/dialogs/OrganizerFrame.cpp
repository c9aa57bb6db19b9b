#include "dialogs/OrganizerFrame.h"

#include <algorithm>
#include <numeric>
#include <utility>

#include "core/SingleCopy.h"

namespace kromelik {

namespace {
// Room for the row's icon and the column's edges beside the widest text.
constexpr int kColumnMargin = 25;
}  // namespace

OrganizerFrame::OrganizerFrame(const OrganizerServices& services,
                               std::vector<OrganizerColumn> columns)
    : services_(services),
      columns_(std::move(columns)),
      images_("ImageList1", [files = &services.files](IconHandle icon) { files->DestroyIcon(icon); }) {}

void OrganizerFrame::ClearRows() {
  rows_.clear();
  images_.Truncate(0);
  selected_.reset();
}

void OrganizerFrame::AppendRow(std::vector<std::string> cells, IconHandle icon) {
  cells.resize(columns_.size());
  OrganizerRow row{std::move(cells), std::nullopt};
  if (icon != 0) row.image = images_.Add(icon);
  rows_.push_back(std::move(row));
}

void OrganizerFrame::AppendRowWithIconOf(std::vector<std::string> cells, const std::string& path) {
  cells.resize(columns_.size());
  const int image = images_.Add(IconOfFile{path, FileIconKind::Shell, -1});
  rows_.push_back({std::move(cells), image});
}

void OrganizerFrame::AppendRowWithImage(std::vector<std::string> cells, int image) {
  cells.resize(columns_.size());
  rows_.push_back({std::move(cells), image});
}

void OrganizerFrame::RemoveRow(std::size_t row) {
  if (row >= rows_.size()) return;
  rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(row));
  if (selected_ == row) selected_.reset();
  else if (selected_ && *selected_ > row) --*selected_;
}

void OrganizerFrame::Select(std::optional<std::size_t> row) {
  if (row && *row >= rows_.size()) row.reset();
  selected_ = row;
  // Under the panel the list cannot be used, whatever it reports.
  if (mode_ != OrganizerMode::Browsing) return;
  controls_.removeEnabled = selected_.has_value();
  controls_.editEnabled = selected_.has_value();
}

std::optional<std::size_t> OrganizerFrame::FindRow(std::string_view typed, std::size_t start,
                                                   bool wholeName, bool wrap) const {
  if (start >= rows_.size()) {
    if (!wrap) return std::nullopt;
    start = 0;
  }
  const std::string wanted = services_.text.Upper(typed);
  const std::size_t last = wrap ? start + rows_.size() : rows_.size();
  for (std::size_t at = start; at < last; ++at) {
    const std::size_t row = at % rows_.size();
    const std::string name = services_.text.Upper(rows_[row].cells.front());
    if (wholeName ? name == wanted : name.starts_with(wanted)) return row;
  }
  return std::nullopt;
}

void OrganizerFrame::SortRowsByName() {
  std::vector<std::size_t> order(rows_.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::stable_sort(order.begin(), order.end(), [this](std::size_t a, std::size_t b) {
    return services_.text.Compare(rows_[a].cells.front(), rows_[b].cells.front()) < 0;
  });
  std::vector<OrganizerRow> sorted;
  sorted.reserve(rows_.size());
  std::optional<std::size_t> selected;
  for (std::size_t place = 0; place < order.size(); ++place) {
    if (selected_ == order[place]) selected = place;
    sorted.push_back(std::move(rows_[order[place]]));
  }
  rows_ = std::move(sorted);
  selected_ = selected;
}

void OrganizerFrame::AutoSizeColumns() {
  if (rows_.empty()) return;
  for (std::size_t column = 0; column < columns_.size(); ++column) {
    int widest = 0;
    for (const OrganizerRow& row : rows_)
      widest = std::max(widest, services_.measure.Width(row.cells[column]));
    columns_[column].width = widest + kColumnMargin;
  }
}

void OrganizerFrame::EnterBrowsing() {
  LeavePanel();
  controls_.clearEnabled = !rows_.empty();
}

void OrganizerFrame::LeavePanel() {
  SwitchTo(OrganizerMode::Browsing);
  controls_.panelOkEnabled = false;
}

void OrganizerFrame::EnterPanel(OrganizerMode mode) { SwitchTo(mode); }

// The panel covers the list: either the list and "Dodaj" work, or the panel does. The
// list keeps its selection under the panel, and back at the list "Usuń" and "Edytuj" act
// on the row it shows selected: the user sees it highlighted, and a click on it again
// reports no change.
void OrganizerFrame::SwitchTo(OrganizerMode mode) {
  const bool panel = mode != OrganizerMode::Browsing;
  mode_ = mode;
  controls_.addEnabled = !panel;
  controls_.listEnabled = !panel;
  controls_.listVisible = !panel;
  controls_.panelVisible = panel;
  controls_.removeEnabled = !panel && selected_.has_value();
  controls_.editEnabled = controls_.removeEnabled;
}

bool OrganizerFrame::ConfirmClear() {
  return services_.messages.Ask(organizer_texts::kClearQuestion, organizer_texts::kClearTitle,
                                MessageIcon::Question,
                                MessageButtons::YesNo) == MessageAnswer::Yes;
}

void OrganizerFrame::CloseWithRestartOffer() {
  services_.dialog.Close();
  if (services_.messages.Ask(organizer_texts::kRestartQuestion, organizer_texts::kRestartTitle,
                             MessageIcon::Question, MessageButtons::YesNo) != MessageAnswer::Yes)
    return;
  // The new copy waits for this one to end, which follows at once.
  services_.shell.Open(0, "open", services_.program.Path(), kRestartArgument,
                       ShowCommand::ShowNormal);
  services_.toolbarWindow.Close();
}

void OrganizerFrame::FormKeyDown(DialogKey key) {
  if (key == DialogKey::Escape) services_.dialog.Close();
}

void OrganizerFrame::OnClosed() { services_.toolbar.Resume(); }

}  // namespace kromelik
