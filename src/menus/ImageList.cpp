#include "menus/ImageList.h"

namespace kromelik {

int ImageList::Add(Picture picture) {
  pictures_.push_back(std::move(picture));
  ++generation_;
  return static_cast<int>(pictures_.size()) - 1;
}

}  // namespace kromelik
