#include "fakes/FakeText.h"

#include <cstdint>

namespace kromelik::fakes {

namespace {

// Decodes one code point; malformed bytes pass through as themselves.
char32_t Next(std::string_view text, std::size_t& at) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(at);
  std::size_t length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3
                     : (lead >> 3) == 0x1E ? 4 : 1;
  if (at + length > text.size()) length = 1;
  char32_t code = length == 1 ? char32_t{lead} : char32_t{lead} & (char32_t{0x7F} >> length);
  for (std::size_t i = 1; i < length; ++i) code = (code << 6) | (byte(at + i) & 0x3F);
  at += length;
  return code;
}

void Append(std::string& out, char32_t code) {
  const auto put = [&](std::uint32_t value) { out.push_back(static_cast<char>(value)); };
  const auto c = static_cast<std::uint32_t>(code);
  if (c < 0x80) {
    put(c);
  } else if (c < 0x800) {
    put(0xC0 | (c >> 6));
    put(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    put(0xE0 | (c >> 12));
    put(0x80 | ((c >> 6) & 0x3F));
    put(0x80 | (c & 0x3F));
  } else {
    put(0xF0 | (c >> 18));
    put(0x80 | ((c >> 12) & 0x3F));
    put(0x80 | ((c >> 6) & 0x3F));
    put(0x80 | (c & 0x3F));
  }
}

// Latin Extended-A pairs capitals and small letters in two patterns: capital on the even
// code point in 0100-0137 and 014A-0177, on the odd one in 0139-0148 and 0179-017E.
// The dotted and dotless i (0130, 0131) pair with ASCII letters instead and are left alone.
bool EvenCapitalRange(char32_t c) {
  return (c >= 0x100 && c <= 0x12F) || (c >= 0x132 && c <= 0x137) || (c >= 0x14A && c <= 0x177);
}
bool OddCapitalRange(char32_t c) { return (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E); }

char32_t ToUpper(char32_t c) {
  if (c >= 'a' && c <= 'z') return c - 0x20;
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 0x20;
  if (c == 0xFF) return 0x178;
  if (EvenCapitalRange(c) && c % 2 == 1) return c - 1;
  if (OddCapitalRange(c) && c % 2 == 0) return c - 1;
  return c;
}

char32_t ToLower(char32_t c) {
  if (c >= 'A' && c <= 'Z') return c + 0x20;
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 0x20;
  if (c == 0x178) return 0xFF;
  if (EvenCapitalRange(c) && c % 2 == 0) return c + 1;
  if (OddCapitalRange(c) && c % 2 == 1) return c + 1;
  return c;
}

template <typename Map>
std::string MapText(std::string_view text, Map map) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t at = 0; at < text.size();) Append(out, map(Next(text, at)));
  return out;
}

int CompareCodePoints(std::string_view a, std::string_view b) {
  std::size_t i = 0;
  std::size_t j = 0;
  while (i < a.size() && j < b.size()) {
    const char32_t x = Next(a, i);
    const char32_t y = Next(b, j);
    if (x != y) return x < y ? -1 : 1;
  }
  if (i < a.size()) return 1;
  if (j < b.size()) return -1;
  return 0;
}

}  // namespace

std::string UpperCase(std::string_view text) { return MapText(text, ToUpper); }
std::string LowerCase(std::string_view text) { return MapText(text, ToLower); }

int FakeTextServices::Compare(std::string_view a, std::string_view b) const {
  return CompareCodePoints(a, b);
}

int FakeTextServices::CompareIgnoringCase(std::string_view a, std::string_view b) const {
  return CompareCodePoints(UpperCase(a), UpperCase(b));
}

}  // namespace kromelik::fakes
