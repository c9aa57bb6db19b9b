#pragma once

#include <string_view>

// The addresses the menus open, kept together so that a move of a site is one change.
namespace kromelik::addresses {

inline constexpr std::string_view kWindowsUpdate = "http://windowsupdate.microsoft.com/";
inline constexpr std::string_view kMakerSite = "http://www.brenvald.pl/";
inline constexpr std::string_view kMakerMail = "kromelik@brenvald.pl";
inline constexpr std::string_view kMailSubjectAndBody =
    "?Subject=Cześć&Body=Gratuluję zrobienia bardzo dobrego programu.";

}  // namespace kromelik::addresses
