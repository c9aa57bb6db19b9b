#include "menus/FixedPictures.h"

#include <array>
#include <utility>

#include "menus/ToolbarMenus.h"

namespace kromelik {

namespace {

using S = StockIcon;

FileIconPicture File(const char* file, S fallback, int index = 0) {
  return FileIconPicture{file, index, fallback};
}

// A list's pictures in the order of its enumeration, one for every name: a picture
// more or less does not compile.
template <typename Names, typename... Pictures>
std::array<Picture, sizeof...(Pictures)> Table(Pictures&&... pictures) {
  static_assert(sizeof...(Pictures) == static_cast<std::size_t>(Names::Count),
                "one picture for every name of the list");
  return {Picture(std::forward<Pictures>(pictures))...};
}

}  // namespace

void AddFixedPictures(ToolbarMenus& menus) {
  // ImageListPM, by index: each picture is the one its items start where the platform
  // has it, so an applet shows its own icon.
  const auto shared = Table<SharedPicture>(
      S::Computer,                          // Computer: Mój komputer
      S::Application,                       // Application
      S::Settings,                          // Organize: Organizuj
      S::Document,                          // Documents: Moje dokumenty, recent files
      S::ImageFiles,                        // Pictures: Moje obrazy
      S::DriveFloppy,                       // Floppy
      File("winmail.exe", S::Link),         // MailClient: mail client
      S::Internet,                          // Browser: browser, pages
      S::Folder,                            // Folder
      S::Internet,                          // Brenvald
      S::Folder,                            // Favourites: Ulubione
      S::Folder,                            // Fonts: Czcionki
      S::Folder,                            // StartMenu: Menu START
      S::Desktop,                           // Desktop: Pulpit
      S::Folder,                            // History: Historia
      S::Network,                           // NetworkConnections: network connections
      S::Settings,                          // AdministrativeTools: administrative tools
      S::Folder,                            // WindowsFolder: Windows
      S::Share,                             // SendTo: Wyślij do
      S::Printer,                           // Printers: Drukarki
      File("cdplayer.exe", S::MediaCd),     // CdPlayer
      File("drwtsn32.exe", S::Warning),     // DrWatson
      File("dvdplay.exe", S::VideoFiles),   // DvdPlayer
      File("calc.exe", S::Application),     // Calculator
      File("magnify.exe", S::Find),         // Magnifier: also the internet search
      File("narrator.exe", S::AudioFiles),  // Narrator
      File("notepad.exe", S::Document),     // Notepad
      File("mplay32.exe", S::VideoFiles),   // MediaPlayer
      File("mspaint.exe", S::ImageFiles),   // Paint
      File("clipbrd.exe", S::Document),     // ClipboardViewer
      File("sndvol32.exe", S::AudioFiles),  // VolumeControl
      File("sndrec32.exe", S::AudioFiles),  // SoundRecorder
      File("charmap.exe", S::Document),     // CharacterMap
      File("write.exe", S::Document),       // WordPad
      File("explorer.exe", S::FolderOpen),  // Explorer
      File("control.exe", S::Settings),     // ControlPanel: Panel sterowania
      File("wuaucpl.cpl", S::Shield),       // AutomaticUpdates: also Windows Update
      File("timedate.cpl", S::Settings),    // DateTime
      File("appwiz.cpl", S::Software),      // AddRemovePrograms
      File("hdwwiz.cpl", S::Settings),      // AddHardware
      File("desk.cpl", S::Desktop),         // Display: also desktop themes
      File("keyboard.cpl", S::Settings),    // Keyboard
      File("main.cpl", S::Settings),        // Mouse
      File("joy.cpl", S::Settings),         // GameControllers
      File("inetcpl.cpl", S::Internet),     // InternetOptions
      File("intl.cpl", S::Settings),        // RegionalOptions
      File("telephon.cpl", S::Settings),    // PhoneAndModem
      File("access.cpl", S::Settings),      // Accessibility
      File("powercfg.cpl", S::Settings),    // PowerOptions
      File("sticpl.cpl", S::ImageFiles),    // ScannersAndCameras
      File("sysdm.cpl", S::Computer),       // System: also computer management
      File("input.cpl", S::Settings),       // TextInput
      S::FolderOpen,                        // FolderOptions: folder options, shared folders
      S::Users,                             // UserAccounts: user accounts
      S::DriveRemovable,                    // RemovableDrive
      S::DriveFixed,                        // FixedDrive
      S::DriveCd,                           // CdDrive
      File("tweakui.cpl", S::Settings),     // TweakUi
      File("quicktime.cpl", S::VideoFiles), // QuickTime
      File("nvtuicpl.cpl", S::Desktop),     // NView
      File("jpicpl32.cpl", S::Software),    // JavaPlugIn
      File("directx.cpl", S::Settings),     // DirectX
      File("ac3filter.cpl", S::AudioFiles), // Ac3Filter
      S::Server,                            // Services
      S::Application,                       // PlainProgram: a program without an icon of its own
      S::DriveFixed,                        // DiskManagement: disk management
      S::Computer,                          // DeviceManager: device manager
      File("sapi.cpl", S::AudioFiles),      // Speech
      File("eudcedit.exe", S::Document),    // PrivateCharacterEditor
      File("freecell.exe", S::Application), // FreeCell
      File("mshearts.exe", S::Application), // Hearts
      File("sol.exe", S::Application),      // Solitaire
      File("spider.exe", S::Application),   // SpiderSolitaire
      File("winmine.exe", S::Application),  // Minesweeper
      S::Lock,                              // Lock
      S::Recycler,                          // Recycler
      S::Key  // Key
  );
  for (const Picture& picture : shared) menus.ImageListPM.Add(picture);

  // The about menu: help, mail, web site, about, options and a spare.
  for (const Picture& picture :
       Table<AboutPicture>(S::Help, File("winmail.exe", S::Link), S::Internet, S::Info,
                           S::Settings, S::Application))
    menus.il_IkonyBrenvald.Add(picture);

  // The quick-launch menu's picture until its first build replaces it.
  menus.il_SzybkieUr.Add(S::Application);
}

}  // namespace kromelik
