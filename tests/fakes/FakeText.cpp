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
void AppendUtf8(std::string& out, char32_t code) { Append(out, code); }

int FakeTextServices::Compare(std::string_view a, std::string_view b) const {
  return CompareCodePoints(a, b);
}

int FakeTextServices::CompareIgnoringCase(std::string_view a, std::string_view b) const {
  return CompareCodePoints(UpperCase(a), UpperCase(b));
}

namespace {

// Bytes 0x80 to 0xFF of code page 1250; the five it leaves undefined keep their value.
constexpr char32_t kCodePage1250[128] = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021,
    0x0088, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

}  // namespace

std::string FakeTextServices::FromAnsiCodePage(std::string_view bytes) const {
  std::string text;
  text.reserve(bytes.size());
  for (const char byte : bytes) {
    const auto value = static_cast<unsigned char>(byte);
    Append(text, value < 0x80 ? char32_t{value} : kCodePage1250[value - 0x80]);
  }
  return text;
}

}  // namespace kromelik::fakes
