#pragma once

// The search dialog's services and the address it opens for a phrase.

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace kromelik {

struct SearchService {
  int engine;                // stored as "wyszukiwarka"; the item "w_" + number ticks it
  std::string_view caption;  // of its menu item
  std::string_view submenu;  // the submenu holding the item; empty at the top level
  std::string_view host;     // configuration: whose site the row addresses
  std::string_view prefix;   // between the host and the phrase
  std::string_view suffix;   // after the phrase
};

inline constexpr int kSearchServiceCount = 21;

// Every service, engine 1 first.
const std::array<SearchService, kSearchServiceCount>& SearchServices();
// nullptr for a number outside 1 to 21.
const SearchService* SearchServiceOf(int engine);

// The phrase as it goes into an address. Spaces become "+"; the nine Polish letters,
// capital or small, become the UTF-8 escapes of the small letter, as the search sites
// have always been sent them; ASCII letters, digits and "-", "_", ".", "~" stay; every
// other character goes as the escapes of its UTF-8 bytes, so "&" or "#" in a phrase is
// searched for rather than cutting the address short.
std::string EncodeSearchPhrase(std::string_view phrase);

// "http://" + host + prefix + the encoded phrase + suffix of the engine's row; nothing
// for an engine outside 1 to 21.
std::optional<std::string> BuildSearchUrl(std::string_view phrase, int engine);

}  // namespace kromelik
