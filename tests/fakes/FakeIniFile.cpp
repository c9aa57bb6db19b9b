#include "fakes/FakeIniFile.h"

#include "fakes/FakeText.h"

namespace kromelik::fakes {
namespace {

std::string Utf16LeToUtf8(std::string_view bytes) {
  std::u32string code;
  for (std::size_t at = 0; at + 1 < bytes.size(); at += 2) {
    const auto unit = static_cast<char32_t>(static_cast<unsigned char>(bytes[at]) |
                                            static_cast<unsigned char>(bytes[at + 1]) << 8);
    if (unit >= 0xDC00 && unit < 0xE000 && !code.empty() && code.back() >= 0xD800 &&
        code.back() < 0xDC00) {
      code.back() = 0x10000 + ((code.back() - 0xD800) << 10) + (unit - 0xDC00);
    } else {
      code.push_back(unit);
    }
  }
  std::string text;
  for (const char32_t c : code) AppendUtf8(text, c);
  return text;
}

std::string AsUtf8(std::string_view bytes) {
  if (bytes.starts_with("\xFF\xFE")) return Utf16LeToUtf8(bytes.substr(2));
  if (bytes.starts_with("\xEF\xBB\xBF")) return std::string(bytes.substr(3));
  return FakeTextServices().FromAnsiCodePage(bytes);
}

std::string_view Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string_view Unquoted(std::string_view value) {
  if (value.size() > 1 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front())
    return value.substr(1, value.size() - 2);
  return value;
}

bool SameName(std::string_view a, std::string_view b) { return UpperCase(a) == UpperCase(b); }

}  // namespace

std::optional<std::string> FakeIniFile::Read(std::string_view path, std::string_view section,
                                             std::string_view key) const {
  if (Trimmed(section).empty() || Trimmed(key).empty()) return std::nullopt;
  const FileContents contents = files_.ReadWholeFile(path);
  if (!contents.WasRead()) return std::nullopt;
  const std::string text = AsUtf8(contents.bytes);
  enum { Before, Inside, After } place = Before;
  std::string_view rest = text;
  while (!rest.empty() && place != After) {
    const auto end = rest.find_first_of("\r\n");
    const std::string_view line = Trimmed(rest.substr(0, end));
    rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
    if (line.starts_with('[')) {
      // Only the first section of the name is looked into.
      if (place == Inside) place = After;
      else if (SameName(Trimmed(line.substr(1, line.find(']') - 1)), Trimmed(section))) place = Inside;
      continue;
    }
    const auto equals = line.find('=');
    if (place != Inside || equals == std::string_view::npos) continue;
    if (SameName(Trimmed(line.substr(0, equals)), Trimmed(key)))
      return std::string(Unquoted(Trimmed(line.substr(equals + 1))));
  }
  return std::nullopt;
}

}  // namespace kromelik::fakes
