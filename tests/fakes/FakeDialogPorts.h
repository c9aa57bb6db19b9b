#pragma once

// Fakes of what a dialog's logic asks of its window.

#include <functional>
#include <string_view>

#include "core/ports/DialogWindow.h"
#include "core/ports/TextMeasure.h"

namespace kromelik::fakes {

// Every character (not byte: Polish letters are two bytes) is `characterWidth` pixels.
class FakeTextMeasure : public TextMeasure {
 public:
  int Width(std::string_view text) const override {
    int characters = 0;
    for (const char byte : text) {
      if ((static_cast<unsigned char>(byte) & 0xC0) != 0x80) ++characters;
    }
    return characters * characterWidth;
  }
  int characterWidth = 6;
};

class FakeDialogWindow : public DialogWindow {
 public:
  void Close() override {
    ++closes;
    if (onClose) onClose();
  }
  int closes = 0;
  std::function<void()> onClose;  // the dialog's close event, as the window would raise it
};

}  // namespace kromelik::fakes
