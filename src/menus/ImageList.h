#pragma once

// The toolbar's image lists. A fixed picture is described, not drawn: the Windows layer
// takes it from the platform (a stock shell icon, or the icon of the program or applet
// an item starts), so the menus look at home on the user's system. Icons appended at
// run time are handles from the file-information port; whoever truncates the list
// releases them.

#include <cstdint>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "core/ports/FileInformation.h"

namespace kromelik {

// The platform's own stock pictures, by what they show.
enum class StockIcon {
  Application, Document, Folder, FolderOpen, Computer, DriveFloppy, DriveRemovable, DriveFixed,
  DriveCd, DriveNet, Printer, Network, Internet, Help, Info, Settings, Find, Users, Shield, Key,
  Software, Lock, Link, AudioFiles, ImageFiles, VideoFiles, MediaCd, Recycler, Desktop, Server,
  Warning, Error, Share, MixedFiles,
};

// An icon of a file: `file` is a bare name, looked up in the system directory and then
// the Windows directory; `index` is the icon's position in the file. Where the file is
// missing or has no such icon, `fallback` stands in.
struct FileIconPicture {
  std::string file;
  int index = 0;
  StockIcon fallback = StockIcon::Application;
  bool operator==(const FileIconPicture&) const = default;
};

using Picture = std::variant<StockIcon, FileIconPicture, IconHandle>;

class ImageList {
 public:
  explicit ImageList(std::string name) : name_(std::move(name)) {}
  ImageList(const ImageList&) = delete;
  ImageList& operator=(const ImageList&) = delete;

  const std::string& Name() const { return name_; }
  const std::vector<Picture>& Pictures() const { return pictures_; }
  std::size_t Count() const { return pictures_.size(); }

  // Appends and answers the new image's index.
  int Add(Picture picture);
  // Drops the images from `count` on; icons appended at run time go to `release`.
  template <typename Release>
  void Truncate(std::size_t count, Release release) {
    while (pictures_.size() > count) {
      if (const auto* icon = std::get_if<IconHandle>(&pictures_.back()); icon && *icon != 0)
        release(*icon);
      pictures_.pop_back();
      ++generation_;
    }
  }
  // Bumped at every change, so a renderer can tell that its copy is stale.
  std::uint64_t Generation() const { return generation_; }

 private:
  std::string name_;
  std::vector<Picture> pictures_;
  std::uint64_t generation_ = 0;
};

}  // namespace kromelik
