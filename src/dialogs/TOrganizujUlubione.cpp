#include "dialogs/TOrganizujUlubione.h"

namespace kromelik {

namespace texts = favourites_texts;

TOrganizujUlubione::TOrganizujUlubione(const OrganizerServices& services, Registry& registry,
                                       bool sortWhileEditing)
    : ListOrganizer(services, registry, kFavouritesMru, sortWhileEditing,
                    {{"Nazwa strony WWW", 150}, {"Adres", 310}}) {}

void TOrganizujUlubione::AppendRows() {
  for (const MruEntry& entry : list_.ReadEntries())
    frame_.AppendRowWithImage({entry.name, entry.target}, kPagePicture);
}

void TOrganizujUlubione::DodajSBClick() {
  if (!frame_.Controls().addEnabled) return;
  frame_.EnterPanel(OrganizerMode::Adding);
  address_ = "http://";
  name_.clear();
  UpdateOk();
}

void TOrganizujUlubione::UpdateOk() {
  frame_.Controls().panelOkEnabled = !address_.empty() && !name_.empty();
}

void TOrganizujUlubione::AddressChange(std::string_view text) {
  address_ = std::string(text);
  UpdateOk();
}

void TOrganizujUlubione::NameChange(std::string_view text) {
  name_ = std::string(text);
  UpdateOk();
}

void TOrganizujUlubione::OKsb_ADDClick() {
  if (frame_.Mode() != OrganizerMode::Adding || !frame_.Controls().panelOkEnabled) return;
  if (address_.find("http://") == std::string::npos && address_.find('.') == std::string::npos) {
    services_.messages.Show(texts::kBadAddress, texts::kErrorTitle, MessageIcon::Error);
    return;
  }
  // An existing favourite is never overwritten from here: the user picks another name.
  if (list_.HasName(name_)) {
    services_.messages.Show(texts::kNameTaken, texts::kErrorTitle, MessageIcon::Information);
    return;
  }
  list_.WriteNamed(name_, address_);
  // The new row stands last, unsorted, until the next refresh puts the list in order.
  frame_.AppendRowWithImage({name_, address_}, kPagePicture);
  frame_.LeavePanel();
}

void TOrganizujUlubione::SpeedButton3Click() {
  if (frame_.Mode() != OrganizerMode::Adding) return;
  frame_.LeavePanel();
}

void TOrganizujUlubione::UsunSBClick() {
  const OrganizerRow* row = frame_.SelectedRow();
  if (!frame_.Controls().removeEnabled || row == nullptr) return;
  list_.RemoveNamed(row->cells[0]);
  RefreshList();
}

void TOrganizujUlubione::AdresEKeyDown(DialogKey key) {
  if (frame_.Mode() != OrganizerMode::Adding) return;
  if (key == DialogKey::Escape) SpeedButton3Click();
  if (key == DialogKey::Enter && frame_.Controls().panelVisible &&
      frame_.Controls().panelOkEnabled)
    OKsb_ADDClick();
}

}  // namespace kromelik
