#pragma once

// The favourites organizer: named web pages for the toolbar's Internet menu, kept in
// UlubioneMRU, without a limit on their number.

#include <string>
#include <string_view>

#include "dialogs/ListOrganizer.h"

namespace kromelik {

namespace favourites_texts {
inline constexpr std::string_view kCaption = "Organizuj ulubione";
inline constexpr std::string_view kHeader = "Ulubione";
inline constexpr std::string_view kAddressLabel = "Adres do strony WWW:";
inline constexpr std::string_view kNameLabel = "Nazwa strony WWW:";
inline constexpr std::string_view kBadAddress = "Podany adres strony WWW jest nieprawidłowy !!!";
inline constexpr std::string_view kNameTaken =
    "Podana nazwa strony WWW już istnieje, zmień nazwę aby dodać stronę sieci Web do "
    "Ulubionych !!!";
inline constexpr std::string_view kErrorTitle = "BŁĄD !!!";
}  // namespace favourites_texts

class TOrganizujUlubione : public ListOrganizer {
 public:
  // Every row shows this picture of the dialog's own image list.
  static constexpr int kPagePicture = 0;

  TOrganizujUlubione(const OrganizerServices& services, Registry& registry,
                     bool sortWhileEditing);

  const std::string& Address() const { return address_; }  // AdresE
  const std::string& Name() const { return name_; }        // NazwaE

  void DodajSBClick();
  // AdresEChange, raised by either edit.
  void AddressChange(std::string_view text);
  void NameChange(std::string_view text);
  void OKsb_ADDClick();
  void SpeedButton3Click();
  void UsunSBClick();
  void AdresEKeyDown(DialogKey key);

 private:
  void AppendRows() override;
  void UpdateOk();

  std::string address_;
  std::string name_;
};

}  // namespace kromelik
