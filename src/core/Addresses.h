#pragma once

#include <string_view>

// The addresses the menus open, kept together so that a move of a site is one change.
namespace kromelik::addresses {

inline constexpr std::string_view kWindowsUpdate = "http://windowsupdate.microsoft.com/";
inline constexpr std::string_view kMakerSite = "http://www.brenvald.pl/";
inline constexpr std::string_view kMakerMail = "kromelik@brenvald.pl";
inline constexpr std::string_view kMailSubjectAndBody =
    "?Subject=Cześć&Body=Gratuluję zrobienia bardzo dobrego programu.";
inline constexpr std::string_view kMakerSkype = "brenvald.kromelik";
inline constexpr std::string_view kMakerGaduGadu = "4521379";
inline constexpr std::string_view kAuthorProfile = "http://www.goldenline.pl/brenvald/";
// The page under the maker's site that takes donations.
inline constexpr std::string_view kDonationPage = "datki";
// Where the version file is published; ends in "/".
inline constexpr std::string_view kUpdateHost = "http://www.brenvald.pl/aktualizacje/";

}  // namespace kromelik::addresses
