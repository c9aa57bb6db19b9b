#include "menus/ImageList.h"

namespace kromelik {

int ImageList::Add(Picture picture) {
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
