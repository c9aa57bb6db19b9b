#pragma once

#include <string_view>

// Where the program keeps its state, under HKEY_CURRENT_USER. These names are stored
// data: existing installations depend on them, so they never change.
namespace kromelik::registry_layout {

inline constexpr std::string_view kMainKey = "Software\\Brenvald\\Kromelik";
inline constexpr std::string_view kMakerKey = "Software\\Brenvald";
inline constexpr std::string_view kMakerRootKey = "Brenvald";
// The installer writes this value in the same form (the program's path, unquoted) and
// the uninstaller removes it (installer/kromelik.nsi).
inline constexpr std::string_view kRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr std::string_view kRunValue = "Kromelik";

// Values of the main key.
inline constexpr std::string_view kPath = "Path";
inline constexpr std::string_view kVersion = "Version";
inline constexpr std::string_view kName = "Name";
inline constexpr std::string_view kXPMenu = "XPMenu";
inline constexpr std::string_view kChangeColor = "ChangeColor";
inline constexpr std::string_view kColorR = "ColorR";
inline constexpr std::string_view kColorG = "ColorG";
inline constexpr std::string_view kColorB = "ColorB";
inline constexpr std::string_view kColorGS = "ColorGS";
inline constexpr std::string_view kChangeTransparent = "ChangeTransparent";
inline constexpr std::string_view kTransparent = "Transparent";
inline constexpr std::string_view kFlat = "Flat";
inline constexpr std::string_view kFlatSize = "FlatSize";
inline constexpr std::string_view kExt = "Ext";
inline constexpr std::string_view kSort = "Sort";
inline constexpr std::string_view kHotkey = "Hotkey";
inline constexpr std::string_view kSearchService = "wyszukiwarka";

// Subkeys of the main key holding the user's lists.
inline constexpr std::string_view kQuickLaunchList = "SzybkieUrMRU";
inline constexpr std::string_view kFavouritesList = "UlubioneMRU";
inline constexpr std::string_view kInternetList = "InternetMRU";
inline constexpr std::string_view kProgramsList = "ProgramyMRU";
inline constexpr std::string_view kGamesList = "GryMRU";
inline constexpr std::string_view kDocumentsList = "DokumentyMRU";
inline constexpr std::string_view kSearchHistory = "FindMRU";

}  // namespace kromelik::registry_layout
