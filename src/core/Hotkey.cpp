#include "core/Hotkey.h"

#include "core/RegistryLayout.h"

namespace kromelik {

HotkeyCode ReadHotkey(const SettingsStore& mainKey) {
  const auto stored = mainKey.NumberOption(registry_layout::kHotkey);
  if (!stored) return kDefaultHotkey;
  return static_cast<HotkeyCode>(static_cast<std::uint32_t>(*stored) & 0xFFFFu);
}

unsigned RegistrationModifiers(HotkeyCode code) {
  const unsigned modifiers = code >> 8;
  return ((modifiers & kHotkeyAlt) != 0 ? 1u : 0u) | ((modifiers & kHotkeyControl) != 0 ? 2u : 0u) |
         ((modifiers & kHotkeyShift) != 0 ? 4u : 0u);
}

namespace {

// The keys a combination is likely made of, by their names on a Polish keyboard's
// caps; any other is named by its code.
std::string Numbered(std::string name, unsigned number) {
  name += std::to_string(number);
  return name;
}

std::string KeyName(unsigned key) {
  if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z'))
    return std::string(1, static_cast<char>(key));
  if (key >= 0x70 && key <= 0x87) return Numbered("F", key - 0x70 + 1);
  if (key >= 0x60 && key <= 0x69) return Numbered("Num ", key - 0x60);
  switch (key) {
    case 0x20: return "Spacja";
    case 0x21: return "Page Up";
    case 0x22: return "Page Down";
    case 0x23: return "End";
    case 0x24: return "Home";
    case 0x25: return "Strzałka w lewo";
    case 0x26: return "Strzałka w górę";
    case 0x27: return "Strzałka w prawo";
    case 0x28: return "Strzałka w dół";
    case 0x2D: return "Insert";
    case 0x2E: return "Delete";
    case 0x13: return "Pause";
    case 0x91: return "Scroll Lock";
    default: return Numbered("klawisz ", key);
  }
}

}  // namespace

std::string HotkeyName(HotkeyCode code) {
  const unsigned modifiers = code >> 8;
  std::string name;
  if ((modifiers & kHotkeyControl) != 0) name += "Ctrl+";
  if ((modifiers & kHotkeyAlt) != 0) name += "Alt+";
  if ((modifiers & kHotkeyShift) != 0) name += "Shift+";
  name += KeyName(VirtualKeyOf(code));
  return name;
}

std::string HotkeyTakenText(HotkeyCode code) {
  std::string text = "Skrót ";
  text += HotkeyName(code);
  text += " jest zajęty przez inny program.";
  return text;
}

}  // namespace kromelik
