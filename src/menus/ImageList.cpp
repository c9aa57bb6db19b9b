#include "menus/ImageList.h"

namespace kromelik {

int ImageList::Add(Picture picture) {
  if (auto* file = std::get_if<IconOfFile>(&picture); file != nullptr && file->standBy >= 0) {
    const auto standBy = static_cast<std::size_t>(file->standBy);
    if (standBy >= pictures_.size() || std::holds_alternative<IconOfFile>(pictures_[standBy]))
      file->standBy = -1;
  }
  pictures_.push_back(std::move(picture));
  ++generation_;
  return static_cast<int>(pictures_.size()) - 1;
}

void ImageList::Truncate(std::size_t count) {
  while (pictures_.size() > count) {
    if (const auto* icon = std::get_if<IconHandle>(&pictures_.back());
        icon != nullptr && *icon != 0 && release_)
      release_(*icon);
    pictures_.pop_back();
    ++generation_;
  }
}

}  // namespace kromelik
