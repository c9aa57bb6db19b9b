#pragma once

// What the about box makes of the maker's version file.

#include <string>
#include <string_view>

namespace kromelik {

// Whether `published` is a later version than `program`. Each is four decimal fields,
// the first three ended by "."; a version that is not (fewer fields, a fourth holding a
// further ".", anything but digits) is never newer, and neither is an equal one.
bool IsNewerVersion(std::string_view program, std::string_view published);

// An address from the downloaded file, if it is one the shell may be handed: whoever
// controls the file, or the network on its way, must not make a click run a local
// program. Only "http://" and "https://" addresses pass (letter case aside); otherwise
// `fallback`.
std::string WebAddressOr(std::string_view address, std::string_view fallback);

}  // namespace kromelik
