#include "core/Settings.h"

#include "core/RegistryLayout.h"
#include "core/WspolneFunkcje.h"

namespace kromelik {

namespace layout = registry_layout;

namespace {

std::uint32_t LowByte(std::int32_t value) { return static_cast<std::uint32_t>(value) & 0xFFu; }

}  // namespace

std::uint32_t ComposeColour(std::int32_t red, std::int32_t green, std::int32_t blue) {
  return LowByte(red) | (LowByte(green) << 8) | (LowByte(blue) << 16);
}

bool NeedsRegistration(const SettingsStore& mainKey, const FileSystem& files) {
  const auto path = mainKey.TextOption(layout::kPath);
  return !path || !files.FileExists(*path);
}

void WriteRegistration(SettingsStore& mainKey, std::string_view versionText,
                       std::string_view programPath) {
  mainKey.PutText(layout::kVersion, versionText);
  mainKey.PutText(layout::kPath, programPath);
  mainKey.PutText(layout::kName, kApplicationTitle);
}

std::int32_t FittingBevelWidth(std::int32_t width) {
  return width < 0 ? 0 : width > kMaxBevelWidth ? kMaxBevelWidth : width;
}

StartupOptions ReadStartupOptions(const SettingsStore& mainKey, const TextServices& text) {
  StartupOptions options;

  if (const auto style = mainKey.TextOption(layout::kXPMenu); style && text.Upper(*style) == "YES")
    options.look.menuStyle = MenuStyle::Pastel;

  if (mainKey.FlagOption(layout::kChangeColor).value_or(false)) {
    const auto red = mainKey.NumberOption(layout::kColorR);
    const auto green = mainKey.NumberOption(layout::kColorG);
    const auto blue = mainKey.NumberOption(layout::kColorB);
    // The grey-scale position is no part of the colour, but a set without it was never
    // written by the options dialog, so it is not trusted.
    const auto grey = mainKey.NumberOption(layout::kColorGS);
    if (red && green && blue && grey) options.look.colour = ComposeColour(*red, *green, *blue);
  }

  if (const auto raised = mainKey.FlagOption(layout::kFlat)) {
    if (*raised) {
      if (const auto width = mainKey.NumberOption(layout::kFlatSize))
        options.look.bevel.width = FittingBevelWidth(*width);
    } else {
      options.look.bevel.raised = false;
    }
  }

  options.showFileExtensions = mainKey.FlagOption(layout::kExt).value_or(true);
  options.sortWhileEditing = mainKey.FlagOption(layout::kSort).value_or(true);
  return options;
}

std::optional<std::uint8_t> ReadTransparency(const SettingsStore& mainKey) {
  if (!mainKey.FlagOption(layout::kChangeTransparent).value_or(false)) return std::nullopt;
  const auto alpha = mainKey.NumberOption(layout::kTransparent);
  if (!alpha) return std::nullopt;
  // Fully transparent, the strip would still take clicks that nobody could aim: such a
  // value, which the options dialog never stores, counts as opaque.
  const auto opacity = static_cast<std::uint8_t>(LowByte(*alpha));
  if (opacity == 0) return std::nullopt;
  return opacity;
}

StartupOptions RegisterAndReadOptions(Registry& registry, const FileSystem& files,
                                      const ProgramFile& program,
                                      const FileInformation& fileInformation,
                                      const TextServices& text) {
  SettingsStore store(registry);
  if (!store.OpenKey(layout::kMainKey, true)) return {};
  if (NeedsRegistration(store, files))
    WriteRegistration(store, ProgramVersionText(program, fileInformation), program.Path());
  StartupOptions options = ReadStartupOptions(store, text);
  store.CloseKey();
  return options;
}

}  // namespace kromelik
