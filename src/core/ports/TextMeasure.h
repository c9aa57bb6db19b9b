#pragma once

#include <string_view>

namespace kromelik {

// How wide a text is drawn in one window's font, so columns can be fitted to it.
class TextMeasure {
 public:
  virtual ~TextMeasure() = default;

  // In pixels, on one line, without padding.
  virtual int Width(std::string_view text) const = 0;
};

}  // namespace kromelik
