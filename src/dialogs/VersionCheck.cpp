#include "dialogs/VersionCheck.h"

#include <array>
#include <optional>

namespace kromelik {

namespace {

// A version field is what a version resource can hold: 0 to 65535, in decimal digits
// alone. Anything else makes the version malformed.
std::optional<long long> DecimalField(std::string_view field) {
  if (field.empty()) return std::nullopt;
  long long value = 0;
  for (const char c : field) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
    if (value > 0xFFFF) return std::nullopt;
  }
  return value;
}

std::optional<std::array<long long, 4>> Fields(std::string_view version) {
  std::array<long long, 4> fields{};
  for (std::size_t i = 0; i < 3; ++i) {
    const auto dot = version.find('.');
    if (dot == std::string_view::npos) return std::nullopt;
    const auto field = DecimalField(version.substr(0, dot));
    if (!field) return std::nullopt;
    fields[i] = *field;
    version.remove_prefix(dot + 1);
  }
  const auto last = DecimalField(version);  // a further "." makes it no number
  if (!last) return std::nullopt;
  fields[3] = *last;
  return fields;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    char c = text[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != prefix[i]) return false;
  }
  return true;
}

}  // namespace

bool IsNewerVersion(std::string_view program, std::string_view published) {
  const auto mine = Fields(program);
  const auto theirs = Fields(published);
  if (!mine || !theirs) return false;
  for (std::size_t i = 0; i < 4; ++i)
    if ((*mine)[i] != (*theirs)[i]) return (*theirs)[i] > (*mine)[i];
  return false;
}

std::string WebAddressOr(std::string_view address, std::string_view fallback) {
  const bool web = (StartsWithNoCase(address, "http://") && address.size() > 7) ||
                   (StartsWithNoCase(address, "https://") && address.size() > 8);
  return std::string(web ? address : fallback);
}

}  // namespace kromelik
