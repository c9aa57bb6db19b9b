#pragma once

// The options in force in the running program, as the options dialog changes them while
// the user works it. The toolbar's controller keeps them; the dialog only asks and tells.

#include <cstdint>
#include <optional>

#include "core/Settings.h"

namespace kromelik {

class LiveOptions {
 public:
  virtual ~LiveOptions() = default;

  // The look the strip shows now; a colour of none is the system's button face.
  virtual const ToolbarLook& Look() const = 0;
  // What the strip and every menu show now: Look(), or while the system's high contrast
  // is on, the system's colours with menus the system draws, over a Look() kept as it is.
  virtual ToolbarLook InForce() const = 0;
  // The strip's opacity now; nothing when it is opaque.
  virtual std::optional<std::uint8_t> Opacity() const = 0;
  // The strip repaints in `look`, translucent with `opacity` or opaque, and the next
  // menu opens in its style.
  virtual void ApplyLook(const ToolbarLook& look, std::optional<std::uint8_t> opacity) = 0;
  // ShowFileExtensions and SortWhileEditing, for every menu built and every organizer
  // list refreshed from now on.
  virtual void SetListOptions(bool showFileExtensions, bool sortWhileEditing) = 0;
  // The combination that calls the strip (core/Hotkey.h): 0 when there is none, or when
  // another program holds the one asked for.
  virtual std::uint16_t Hotkey() const = 0;
  // The strip answers `code` from now on; false when another program holds it.
  virtual bool SetHotkey(std::uint16_t code) = 0;
};

}  // namespace kromelik
