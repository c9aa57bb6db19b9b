#pragma once

// The toolbar's image lists. A fixed picture is described, not drawn: the Windows layer
// takes it from the platform (a stock shell icon, or the icon of the program or applet
// an item starts), so the menus look at home on the user's system. Icons appended at
// run time are handles from the file-information port, and the list owns them: it
// hands each to the release it was made with when it drops the icon or goes.

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "core/PictureNames.h"
#include "core/ports/FileInformation.h"

namespace kromelik {

// An icon of a file: `file` is a bare name, looked up in the system directory and then
// the Windows directory; `index` is the icon's position in the file. Where the file is
// missing or has no such icon, `fallback` stands in.
struct FileIconPicture {
  std::string file;
  int index = 0;
  StockIcon fallback = StockIcon::Application;
  bool operator==(const FileIconPicture&) const = default;
};

// Where a file's own icon comes from: the shell's small icon for the file, or the first
// icon stored in the file itself (a program's).
enum class FileIconKind { Shell, Stored };

// A file's own icon, described rather than fetched: the platform fetches it away from the
// building of the menu, since under Wine one costs milliseconds and a heavy user's menus
// hold thousands. Until it comes, and where the file gives none, picture `standBy` of the
// same list stands in; -1 shows nothing.
struct IconOfFile {
  std::string path;
  FileIconKind kind = FileIconKind::Shell;
  int standBy = -1;
  bool operator==(const IconOfFile&) const = default;
};

using Picture = std::variant<StockIcon, FileIconPicture, IconHandle, IconOfFile>;

class ImageList {
 public:
  // Gives a run-time icon back to the platform; empty where the icons are not real
  // handles (tests with made-up numbers).
  using IconRelease = std::function<void(IconHandle)>;

  explicit ImageList(std::string name, IconRelease release = {})
      : name_(std::move(name)), release_(std::move(release)) {}
  ImageList(const ImageList&) = delete;
  ImageList& operator=(const ImageList&) = delete;
  ~ImageList() { Truncate(0); }

  const std::string& Name() const { return name_; }
  const std::vector<Picture>& Pictures() const { return pictures_; }
  std::size_t Count() const { return pictures_.size(); }

  // Appends and answers the new image's index; a run-time icon is the list's from now.
  // A file's icon may stand by only on a picture before it that is no file's icon.
  int Add(Picture picture);
  // Drops the images from `count` on, releasing their run-time icons.
  void Truncate(std::size_t count);
  // Bumped at every change, so a renderer can tell that its copy is stale.
  std::uint64_t Generation() const { return generation_; }

 private:
  std::string name_;
  IconRelease release_;
  std::vector<Picture> pictures_;
  std::uint64_t generation_ = 0;
};

}  // namespace kromelik
