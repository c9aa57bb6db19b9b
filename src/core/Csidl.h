#pragma once

// The platform's special-folder numbers that the program asks for.
namespace kromelik::csidl {

inline constexpr int kPrograms = 2;
inline constexpr int kPersonal = 5;
inline constexpr int kFavorites = 6;
inline constexpr int kStartup = 7;
inline constexpr int kRecent = 8;
inline constexpr int kSendTo = 9;
inline constexpr int kStartMenu = 11;
inline constexpr int kDesktopDirectory = 16;
inline constexpr int kDrives = 17;
inline constexpr int kNetHood = 19;
inline constexpr int kFonts = 20;
inline constexpr int kTemplates = 21;
inline constexpr int kCommonStartMenu = 22;
inline constexpr int kCommonPrograms = 23;
inline constexpr int kCommonDesktopDirectory = 25;
inline constexpr int kAppData = 26;
inline constexpr int kInternetCache = 32;
inline constexpr int kCookies = 33;
inline constexpr int kHistory = 34;
inline constexpr int kProfile = 40;

}  // namespace kromelik::csidl
