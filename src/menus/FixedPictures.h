#pragma once

namespace kromelik {

class ToolbarMenus;

// The pictures of ImageListPM, shared by every menu that draws from it, by what they
// show; the value is the picture's index in the list. None: an item without a picture.
enum class SharedPicture : int {
  None = -1,
  Computer, Application, Organize, Documents, Pictures, Floppy,
  MailClient, Browser, Folder, Brenvald, Favourites, Fonts,
  StartMenu, Desktop, History, NetworkConnections, AdministrativeTools, WindowsFolder,
  SendTo, Printers, CdPlayer, DrWatson, DvdPlayer, Calculator,
  Magnifier, Narrator, Notepad, MediaPlayer, Paint, ClipboardViewer,
  VolumeControl, SoundRecorder, CharacterMap, WordPad, Explorer, ControlPanel,
  AutomaticUpdates, DateTime, AddRemovePrograms, AddHardware, Display, Keyboard,
  Mouse, GameControllers, InternetOptions, RegionalOptions, PhoneAndModem, Accessibility,
  PowerOptions, ScannersAndCameras, System, TextInput, FolderOptions, UserAccounts,
  RemovableDrive, FixedDrive, CdDrive, TweakUi, QuickTime, NView,
  JavaPlugIn, DirectX, Ac3Filter, Services, PlainProgram, DiskManagement,
  DeviceManager, Speech, PrivateCharacterEditor, FreeCell, Hearts, Solitaire,
  SpiderSolitaire, Minesweeper, Lock, Recycler, Key,
  Count,
};
inline constexpr int kSharedPictureCount = 77;
static_assert(static_cast<int>(SharedPicture::Count) == kSharedPictureCount,
              "one name for each picture of ImageListPM");

constexpr int ImageOf(SharedPicture picture) { return static_cast<int>(picture); }

// The pictures of il_IkonyBrenvald, the about menu's own list.
enum class AboutPicture : int { Help, Mail, WebSite, About, Options, Spare, Count };

constexpr int ImageOf(AboutPicture picture) { return static_cast<int>(picture); }

// Fills the image lists with their fixed pictures: ImageListPM's 77, il_IkonyBrenvald's
// 6 and il_SzybkieUr's one; il_Dokumenty1 starts empty.
void AddFixedPictures(ToolbarMenus& menus);

}  // namespace kromelik
