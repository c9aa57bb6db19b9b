#pragma once

// The combination that calls the strip from anywhere, as the platform's hotkey control
// gives it and as it is stored: the virtual-key code in the low byte, the modifiers
// (HOTKEYF_SHIFT 1, HOTKEYF_CONTROL 2, HOTKEYF_ALT 4, HOTKEYF_EXT 8) in the next; 0 is
// none.

#include <cstdint>
#include <string>

#include "core/SettingsStore.h"

namespace kromelik {

using HotkeyCode = std::uint16_t;

inline constexpr HotkeyCode kHotkeyShift = 0x01;
inline constexpr HotkeyCode kHotkeyControl = 0x02;
inline constexpr HotkeyCode kHotkeyAlt = 0x04;
// No Windows combination uses Ctrl+Alt+K, and AltGr+K makes no Polish letter.
inline constexpr HotkeyCode kDefaultHotkey = ((kHotkeyControl | kHotkeyAlt) << 8) | 'K';

// `Hotkey` of the open main key: absent, or of another kind, is the default.
HotkeyCode ReadHotkey(const SettingsStore& mainKey);

// The modifiers as RegisterHotKey takes them (MOD_ALT 1, MOD_CONTROL 2, MOD_SHIFT 4),
// which order them otherwise than the hotkey control.
unsigned RegistrationModifiers(HotkeyCode code);
inline unsigned VirtualKeyOf(HotkeyCode code) { return code & 0xFFu; }

// "Ctrl+Alt+K", as a user reads it on the keyboard.
std::string HotkeyName(HotkeyCode code);
// What the user is told once at start when another program holds the combination.
std::string HotkeyTakenText(HotkeyCode code);

}  // namespace kromelik
