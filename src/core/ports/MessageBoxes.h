#pragma once

#include <string_view>

namespace kromelik {

enum class MessageIcon { Information, Warning, Error, Question };

enum class MessageButtons { YesNo, YesNoCancel };
enum class MessageAnswer { Yes, No, Cancel };

// Modal message boxes, owned by the window the instance was made for (the toolbar, or a
// dialog that must stay behind its own questions).
class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;

  // With an OK button.
  virtual void Show(std::string_view text, std::string_view title, MessageIcon icon) = 0;
  // The button the user chose; closing the box with Escape or its close box answers
  // Cancel where there is one and No otherwise, as the platform does.
  virtual MessageAnswer Ask(std::string_view text, std::string_view title, MessageIcon icon,
                            MessageButtons buttons) = 0;
};

}  // namespace kromelik
