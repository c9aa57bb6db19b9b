#include "menus/CustomMenuFile.h"

#include <vector>

namespace kromelik {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr char kEndOfText = '\x1A';  // Ctrl+Z at the start of a line ends the file

// Whether the bytes are well-formed UTF-8: no overlong forms, no surrogates, nothing
// past U+10FFFF. Text in a single-byte code page with any letter beyond ASCII almost
// never is.
bool IsUtf8(std::string_view bytes) {
  std::size_t at = 0;
  while (at < bytes.size()) {
    const auto lead = static_cast<unsigned char>(bytes[at]);
    if (lead < 0x80) {
      ++at;
      continue;
    }
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
      length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      length = 3;
      if (lead == 0xE0) low = 0xA0;
      if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      length = 4;
      if (lead == 0xF0) low = 0x90;
      if (lead == 0xF4) high = 0x8F;
    } else {
      return false;
    }
    if (bytes.size() - at < length) return false;
    for (std::size_t i = 1; i < length; ++i) {
      const auto next = static_cast<unsigned char>(bytes[at + i]);
      if (next < (i == 1 ? low : 0x80) || next > (i == 1 ? high : 0xBF)) return false;
    }
    at += length;
  }
  return true;
}

// The next line from `at`, without its end: a line feed ends it, a carriage return is
// dropped wherever it stands. False once the text or a Ctrl+Z at a line's start ends it.
bool NextLine(std::string_view text, std::size_t& at, std::string& line) {
  if (at >= text.size() || text[at] == kEndOfText) return false;
  const std::size_t end = text.find('\n', at);
  const std::string_view raw = text.substr(at, end == std::string_view::npos ? end : end - at);
  at = end == std::string_view::npos ? text.size() : end + 1;
  line.clear();
  line.reserve(raw.size());
  for (const char c : raw)
    if (c != '\r') line.push_back(c);
  return true;
}

// Where the parser appends: a stack of the open submenus, the Internet menu at the
// bottom and "Inne" above it. Every entry is made here, so here it is counted.
class Levels {
 public:
  Levels(MenuItem& internetMenu, MenuItem& inne) : open_{&internetMenu, &inne} {}

  MenuItem& Current() const { return *open_.back(); }

  // A new entry at the end of the current level; nullptr once the file has made all the
  // entries it may, and from then on Full() says so.
  MenuItem* Make(std::string caption) {
    if (made_ == kMaxCustomMenuItems) {
      full_ = true;
      return nullptr;
    }
    ++made_;
    return &Current().Add("", std::move(caption));
  }
  bool Full() const { return full_; }

  // The submenus opened beyond the deepest level are not made: their lines count, so
  // that their "</menu>" lines close them and nothing else.
  void Open(std::string caption) {
    if (Depth() >= kMaxCustomMenuDepth) {
      ++unmade_;
      return;
    }
    if (MenuItem* submenu = Make(std::move(caption))) open_.push_back(submenu);
  }
  // A submenu closed while nothing was put into it gets the placeholder first. False
  // when it closed one that was never made.
  bool Close(bool empty) {
    if (unmade_ > 0) {
      --unmade_;
      return false;
    }
    if (empty) {
      if (MenuItem* placeholder = Make(std::string(kEmptySubmenuCaption)))
        placeholder->Enabled = false;
    }
    // The Internet menu itself is as high as anything goes.
    if (open_.size() > 1) open_.pop_back();
    return true;
  }

 private:
  int Depth() const { return static_cast<int>(open_.size()) - 2; }  // below "Inne"

  std::vector<MenuItem*> open_;
  int unmade_ = 0;
  std::size_t made_ = 0;
  bool full_ = false;
};

struct LinkTag {
  std::string_view tag;
  MenuBreak breaks;
};
constexpr LinkTag kLinkTags[] = {{"<item>", MenuBreak::None}, {"<item-b>", MenuBreak::BarColumn}};
constexpr std::string_view kUrlTag = "<url>";

}  // namespace

std::string CustomMenuText(std::string_view bytes, const TextServices& text) {
  if (bytes.starts_with(kByteOrderMark)) bytes.remove_prefix(kByteOrderMark.size());
  if (IsUtf8(bytes)) return std::string(bytes);
  return text.FromAnsiCodePage(bytes);
}

bool ParseCustomMenu(std::string_view text, MenuItem& inne, MenuItem& internetMenu,
                     const MenuAction& openLink) {
  Levels levels(internetMenu, inne);
  bool emptySubmenu = false;  // one flag for every level, as the file was always read
  std::size_t at = 0;
  std::string line;
  while (!levels.Full() && NextLine(text, at, line)) {
    // The tests run in this order whatever the order of the tags in the line.
    if (const auto menu = line.find("<menu>"); menu != std::string::npos) {
      levels.Open(line.substr(menu + 6));
      emptySubmenu = true;
    }
    if (line.find("<separator>") != std::string::npos) {
      levels.Make(std::string(MenuItem::kSeparatorCaption));
      emptySubmenu = false;
    }
    if (line.find("</menu>") != std::string::npos) {
      // Past an unmade submenu, the deepest made one is as empty as it still is.
      emptySubmenu = !levels.Close(emptySubmenu) && levels.Current().Items().empty();
    }
    for (const LinkTag& link : kLinkTags) {
      const auto item = line.find(link.tag);
      const auto url = line.find(kUrlTag);
      if (item == std::string::npos || url == std::string::npos) continue;
      const std::size_t captionStart = item + link.tag.size();
      MenuItem* added = levels.Make(
          url > captionStart ? line.substr(captionStart, url - captionStart) : std::string{});
      if (added == nullptr) break;
      added->Hint = line.substr(url + kUrlTag.size());
      added->Break = link.breaks;
      added->OnClick = openLink;
      emptySubmenu = false;
    }
  }
  return !levels.Full();
}

}  // namespace kromelik
