#pragma once

// The options the toolbar and the menus take from the registry at start, and the
// program's registration in its own key.

#include <cstdint>
#include <optional>
#include <string_view>

#include "core/SettingsStore.h"
#include "core/ports/FileInformation.h"
#include "core/ports/FileSystem.h"
#include "core/ports/ProgramFile.h"
#include "core/ports/Registry.h"
#include "core/ports/TextServices.h"

namespace kromelik {

inline constexpr std::string_view kApplicationTitle = "Kromelik";

enum class MenuStyle { Classic, Pastel };

// The toolbar panel's bevels: raised inside and out with the given width, or none.
struct PanelBevel {
  bool raised = true;
  std::int32_t width = 1;

  bool operator==(const PanelBevel&) const = default;
};

// The widest bevel the options offer; wider ones would leave the strip no inside (its
// two bevels stand on each edge of a 45-pixel strip). No bevel at all draws nothing.
inline constexpr std::int32_t kMaxBevelWidth = 10;
std::int32_t FittingBevelWidth(std::int32_t width);

struct ToolbarLook {
  MenuStyle menuStyle = MenuStyle::Classic;
  // A platform colour value (red in the low byte); none: the system button face.
  std::optional<std::uint32_t> colour;
  PanelBevel bevel;

  bool operator==(const ToolbarLook&) const = default;
};

struct StartupOptions {
  ToolbarLook look;
  bool showFileExtensions = true;  // ShowFileExtensions
  bool sortWhileEditing = true;    // SortWhileEditing

  bool operator==(const StartupOptions&) const = default;
};

// red + green * 256 + blue * 65536, from the low byte of each.
std::uint32_t ComposeColour(std::int32_t red, std::int32_t green, std::int32_t blue);

// Whether the open main key lacks a usable registration: `Path` missing, not Text, or
// naming no existing file.
bool NeedsRegistration(const SettingsStore& mainKey, const FileSystem& files);
// Writes Version, Path and Name, in that order, into the open main key.
void WriteRegistration(SettingsStore& mainKey, std::string_view versionText,
                       std::string_view programPath);

// Reads the options from the open main key; whatever is missing or of another kind
// keeps its default.
StartupOptions ReadStartupOptions(const SettingsStore& mainKey, const TextServices& text);

// Opacity of the toolbar (the low byte of `Transparent`) when translucency is on.
std::optional<std::uint8_t> ReadTransparency(const SettingsStore& mainKey);

// What the toolbar's creation does with the registry: opens the main key (creating it),
// registers the program when needed, reads the options and closes the key.
StartupOptions RegisterAndReadOptions(Registry& registry, const FileSystem& files,
                                      const ProgramFile& program,
                                      const FileInformation& fileInformation,
                                      const TextServices& text);

}  // namespace kromelik
