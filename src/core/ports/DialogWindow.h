#pragma once

namespace kromelik {

// The keys a dialog's logic tells apart; the window reports every other one as Other.
enum class DialogKey { Escape, Enter, Other };

// A dialog's own window, as the logic behind it needs it.
class DialogWindow {
 public:
  virtual ~DialogWindow() = default;

  // Hides the dialog; its close event follows at once, before this returns, as the
  // platform raises it for a closing by the user.
  virtual void Close() = 0;
};

}  // namespace kromelik
