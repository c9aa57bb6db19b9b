#pragma once

#include <string_view>

namespace kromelik {

enum class MessageIcon { Information, Warning, Error, Question };

// Modal message boxes owned by the toolbar, with an OK button.
class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;

  virtual void Show(std::string_view text, std::string_view title, MessageIcon icon) = 0;
};

}  // namespace kromelik
