#pragma once

// Fakes of what the options dialog changes while the user works it: the running
// toolbar's look and list flags, and the system colour it falls back on.

#include <cstdint>
#include <optional>
#include <vector>

#include "core/Hotkey.h"
#include "core/LiveOptions.h"
#include "core/ports/SystemColours.h"

namespace kromelik::fakes {

class FakeSystemColours : public SystemColours {
 public:
  std::uint32_t ButtonFace() const override { return buttonFace; }
  std::uint32_t buttonFace = 0x00C8D0D4u;  // the classic grey button face
};

// Keeps the last look it was given, as the toolbar does, and every one in order.
class FakeLiveOptions : public LiveOptions {
 public:
  struct Applied {
    ToolbarLook look;
    std::optional<std::uint8_t> opacity;
    bool operator==(const Applied&) const = default;
  };

  const ToolbarLook& Look() const override { return look; }
  ToolbarLook InForce() const override { return look; }
  void ApplyLook(const ToolbarLook& newLook, std::optional<std::uint8_t> opacity) override {
    look = newLook;
    shownOpacity = opacity;
    applied.push_back({newLook, opacity});
  }
  void SetListOptions(bool extensions, bool sort) override {
    showFileExtensions = extensions;
    sortWhileEditing = sort;
  }

  std::optional<std::uint8_t> Opacity() const override { return shownOpacity; }
  std::uint16_t Hotkey() const override { return hotkey; }
  bool SetHotkey(std::uint16_t code) override {
    hotkey = code;
    return true;
  }

  ToolbarLook look;
  std::optional<std::uint8_t> shownOpacity;
  std::vector<Applied> applied;
  std::optional<bool> showFileExtensions;
  std::optional<bool> sortWhileEditing;
  // As the toolbar holds it after a start with none stored.
  std::uint16_t hotkey = kDefaultHotkey;
};

}  // namespace kromelik::fakes
