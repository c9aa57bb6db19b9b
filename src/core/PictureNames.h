#pragma once

// Pictures named by what they show: the platform's own stock pictures, and the few the
// program draws itself because the platform has nothing fitting. The Windows layer
// turns a name into a picture at the size it is shown.

namespace kromelik {

enum class StockIcon {
  Application, Document, Folder, FolderOpen, Computer, DriveFloppy, DriveRemovable, DriveFixed,
  DriveCd, DriveNet, Printer, Network, Internet, Help, Info, Settings, Find, Users, Shield, Key,
  Software, Lock, Link, AudioFiles, ImageFiles, VideoFiles, MediaCd, Recycler, Desktop, Server,
  Warning, Error, Share, MixedFiles,
};

enum class DrawnPicture {
  Programs,  // a window holding a grid of program tiles
  Run,       // a green disc with a start arrow
  ShutDown,  // a red disc with the power sign
  Close,     // a red square with a white cross
  Profile,   // a person's head and shoulders on a blue tile
  Coin,      // a gold coin
};

}  // namespace kromelik
