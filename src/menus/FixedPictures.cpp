#include "menus/FixedPictures.h"

#include <array>

#include "menus/ToolbarMenus.h"

namespace kromelik {

namespace {

using S = StockIcon;

FileIconPicture File(const char* file, S fallback, int index = 0) {
  return FileIconPicture{file, index, fallback};
}

}  // namespace

void AddFixedPictures(ToolbarMenus& menus) {
  // ImageListPM, by index: each picture is the one its items start where the platform
  // has it, so an applet shows its own icon.
  const std::array<Picture, 77> shared{{
      S::Computer,                                // 0 Mój komputer
      S::Application,                             // 1
      S::Settings,                                // 2 Organizuj
      S::Document,                                // 3 Moje dokumenty, recent files
      S::ImageFiles,                              // 4 Moje obrazy
      S::DriveFloppy,                             // 5
      File("winmail.exe", S::Link),               // 6 mail client
      S::Internet,                                // 7 browser, pages
      S::Folder,                                  // 8
      S::Internet,                                // 9 Brenvald
      S::Folder,                                  // 10 Ulubione
      S::Folder,                                  // 11 Czcionki
      S::Folder,                                  // 12 Menu START
      S::Desktop,                                 // 13 Pulpit
      S::Folder,                                  // 14 Historia
      S::Network,                                 // 15 network connections
      S::Settings,                                // 16 administrative tools
      S::Folder,                                  // 17 Windows
      S::Share,                                   // 18 Wyślij do
      S::Printer,                                 // 19 Drukarki
      File("cdplayer.exe", S::MediaCd),           // 20
      File("drwtsn32.exe", S::Warning),           // 21
      File("dvdplay.exe", S::VideoFiles),         // 22
      File("calc.exe", S::Application),           // 23
      File("magnify.exe", S::Find),               // 24 also the internet search
      File("narrator.exe", S::AudioFiles),        // 25
      File("notepad.exe", S::Document),           // 26
      File("mplay32.exe", S::VideoFiles),         // 27
      File("mspaint.exe", S::ImageFiles),         // 28
      File("clipbrd.exe", S::Document),           // 29
      File("sndvol32.exe", S::AudioFiles),        // 30
      File("sndrec32.exe", S::AudioFiles),        // 31
      File("charmap.exe", S::Document),           // 32
      File("write.exe", S::Document),             // 33
      File("explorer.exe", S::FolderOpen),        // 34
      File("control.exe", S::Settings),           // 35 Panel sterowania
      File("wuaucpl.cpl", S::Shield),             // 36 also Windows Update
      File("timedate.cpl", S::Settings),          // 37
      File("appwiz.cpl", S::Software),            // 38
      File("hdwwiz.cpl", S::Settings),            // 39
      File("desk.cpl", S::Desktop),               // 40 also desktop themes
      File("keyboard.cpl", S::Settings),          // 41
      File("main.cpl", S::Settings),              // 42
      File("joy.cpl", S::Settings),               // 43
      File("inetcpl.cpl", S::Internet),           // 44
      File("intl.cpl", S::Settings),              // 45
      File("telephon.cpl", S::Settings),          // 46
      File("access.cpl", S::Settings),            // 47
      File("powercfg.cpl", S::Settings),          // 48
      File("sticpl.cpl", S::ImageFiles),          // 49
      File("sysdm.cpl", S::Computer),             // 50 also computer management
      File("input.cpl", S::Settings),             // 51
      S::FolderOpen,                              // 52 folder options, shared folders
      S::Users,                                   // 53 user accounts
      S::DriveRemovable,                          // 54
      S::DriveFixed,                              // 55
      S::DriveCd,                                 // 56
      File("tweakui.cpl", S::Settings),           // 57
      File("quicktime.cpl", S::VideoFiles),       // 58
      File("nvtuicpl.cpl", S::Desktop),           // 59
      File("jpicpl32.cpl", S::Software),          // 60
      File("directx.cpl", S::Settings),           // 61
      File("ac3filter.cpl", S::AudioFiles),       // 62
      S::Server,                                  // 63 services
      S::Application,                             // 64 a program without an icon of its own
      S::DriveFixed,                              // 65 disk management
      S::Computer,                                // 66 device manager
      File("sapi.cpl", S::AudioFiles),            // 67
      File("eudcedit.exe", S::Document),          // 68
      File("freecell.exe", S::Application),       // 69
      File("mshearts.exe", S::Application),       // 70
      File("sol.exe", S::Application),            // 71
      File("spider.exe", S::Application),         // 72
      File("winmine.exe", S::Application),        // 73
      S::Lock,                                    // 74
      S::Recycler,                                // 75
      S::Key,                                     // 76
  }};
  for (const Picture& picture : shared) menus.ImageListPM.Add(picture);

  // The about menu: help, mail, web site, about, options and a spare.
  for (const Picture& picture :
       std::array<Picture, 6>{S::Help, File("winmail.exe", S::Link), S::Internet, S::Info,
                              S::Settings, S::Application})
    menus.il_IkonyBrenvald.Add(picture);

  // The quick-launch menu's picture until its first build replaces it.
  menus.il_SzybkieUr.Add(S::Application);
}

}  // namespace kromelik
