// The links of a corpus made on real Windows machines, resolved as the toolbar resolves
// the links of the Recent folder, against what another reader makes of them.

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "TestFolder.h"
#include "core/FileInfo.h"
#include "win32/Win32Platform.h"
#include "win32/WideText.h"

namespace kromelik {
namespace {

std::string CorpusPath() {
  std::string path = KROMELIK_LNK_CORPUS;
  std::replace(path.begin(), path.end(), '/', '\\');
  return path;
}

std::optional<std::string> ReadBytes(const std::string& path) {
  std::ifstream file(std::filesystem::path(Utf8ToWide(path)), std::ios::binary);
  if (!file) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

struct Reference {
  std::string name;  // under TestFiles, with backslashes
  std::string localPath;
};

std::vector<Reference> ReadReference(std::string_view table) {
  std::vector<Reference> rows;
  while (!table.empty()) {
    const auto end = std::min(table.find('\n'), table.size());
    std::string_view line = table.substr(0, end);
    table.remove_prefix(std::min(end + 1, table.size()));
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty() || line.front() == '#') continue;
    const auto firstTab = line.find('\t');
    const auto secondTab = line.find('\t', firstTab + 1);
    if (firstTab == std::string_view::npos || secondTab == std::string_view::npos) continue;
    Reference row{std::string(line.substr(0, firstTab)),
                  std::string(line.substr(firstTab + 1, secondTab - firstTab - 1))};
    std::replace(row.name.begin(), row.name.end(), '/', '\\');
    rows.push_back(std::move(row));
  }
  return rows;
}

bool IsDrivePath(std::string_view path) {
  return path.size() >= 3 && std::isalpha(static_cast<unsigned char>(path[0])) &&
         path[1] == ':' && path[2] == '\\';
}

// A path the toolbar can ask the file system about: on a drive or a network share, in
// valid UTF-8, with no character that no file name can hold.
bool IsWellFormedPath(std::string_view path) {
  const bool network = path.size() >= 3 && path.substr(0, 2) == "\\\\" && path[2] != '\\';
  const bool control = std::any_of(path.begin(), path.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x20; });
  return (IsDrivePath(path) || network) && !control && WideToUtf8(Utf8ToWide(path)) == path;
}

bool EqualIgnoringCase(std::string_view left, std::string_view right) {
  const std::wstring l = Utf8ToWide(left);
  const std::wstring r = Utf8ToWide(right);
  return CompareStringOrdinal(l.c_str(), static_cast<int>(l.size()), r.c_str(),
                              static_cast<int>(r.size()), TRUE) == CSTR_EQUAL;
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view start) {
  return text.size() >= start.size() && EqualIgnoringCase(text.substr(0, start.size()), start);
}

// The fixed start of every shell link: its header size and the link object's class.
bool HasLinkHeader(std::string_view bytes) {
  static constexpr unsigned char kStart[] = {0x4C, 0x00, 0x00, 0x00, 0x01, 0x14, 0x02, 0x00,
                                             0x00, 0x00, 0x00, 0x00, 0xC0, 0x00, 0x00, 0x00,
                                             0x00, 0x00, 0x00, 0x46};
  return bytes.size() >= sizeof kStart &&
         std::equal(std::begin(kStart), std::end(kStart), bytes.begin(),
                    [](unsigned char expected, char actual) {
                      return expected == static_cast<unsigned char>(actual);
                    });
}

std::uint32_t LittleEndian(std::string_view bytes, std::size_t at, std::size_t width) {
  std::uint32_t value = 0;
  for (std::size_t i = width; i-- > 0;)
    value = (value << 8) | static_cast<unsigned char>(bytes.at(at + i));
  return value;
}

// Where a link's header, item list and link-info block end: a copy cut anywhere before
// lacks part of what names the target.
std::size_t EndOfLinkInfo(std::string_view bytes) {
  constexpr std::size_t kHeaderSize = 0x4C;
  const std::uint32_t flags = LittleEndian(bytes, 0x14, 4);
  std::size_t end = kHeaderSize;
  if (flags & 0x1) end += 2 + LittleEndian(bytes, end, 2);
  if (flags & 0x2) end += LittleEndian(bytes, end, 4);
  return end;
}

TEST(ShortcutCorpusTest, EveryLinkGivesItsLocalTargetOrNothingAndNeverThrows) {
  const std::string corpus = CorpusPath();
  const auto table = ReadBytes(corpus + "\\targets.tsv");
  ASSERT_TRUE(table) << "no corpus at " << corpus;
  const std::vector<Reference> reference = ReadReference(*table);
  ASSERT_EQ(reference.size(), 1002u);

  wine::TestFolder folder;
  Win32Platform platform;
  const auto resolve = [&platform](const std::string& path) -> std::string {
    try {
      return ResolveShortcut(path, platform.fileSystem, platform.shortcuts,
                             platform.textServices);
    } catch (const std::exception& error) {
      ADD_FAILURE() << path << " threw: " << error.what();
    } catch (...) {
      ADD_FAILURE() << path << " threw";
    }
    return {};
  };

  std::set<std::string> madeFolders;
  std::map<std::string, std::string> targets;
  std::size_t compared = 0;
  std::size_t agreeing = 0;
  std::string disagreements;
  for (const Reference& row : reference) {
    SCOPED_TRACE(row.name);
    const std::string source = corpus + "\\TestFiles\\" + row.name;
    const auto bytes = ReadBytes(source);
    ASSERT_TRUE(bytes) << "cannot read " << source;

    // Most ".test" files are links too, by content: under their own name they are no
    // link to the toolbar, and under a link's name every one reaches the link object.
    if (row.name.ends_with(".test")) {
      EXPECT_EQ(resolve(source), "");
    }
    const auto slash = row.name.find('\\');
    if (slash != std::string::npos && madeFolders.insert(row.name.substr(0, slash)).second)
      folder.MakeDirectory(row.name.substr(0, slash));
    const std::string copy = row.name + (row.name.ends_with(".test") ? ".lnk" : "");
    folder.WriteFile(copy, *bytes);
    const std::string target = resolve(folder.PathOf(copy));
    targets[row.name] = target;

    if (!target.empty()) {
      EXPECT_TRUE(IsWellFormedPath(target)) << testing::PrintToString(target);
    }
    if (!HasLinkHeader(*bytes)) {
      EXPECT_EQ(target, "") << "a file that is no link";
    }
    if (IsDrivePath(row.localPath)) {
      ++compared;
      if (EqualIgnoringCase(target, row.localPath)) {
        ++agreeing;
      } else {
        disagreements += row.name + ": " + testing::PrintToString(target) + " for " +
                         row.localPath + "\n";
        // The one misreading known of Wine: a link-info block may split the path into a
        // base ("C:\Users\") and a common suffix ("Administrator"), and Wine reads the base
        // alone.
        EXPECT_TRUE(target.empty() || StartsWithIgnoringCase(row.localPath, target))
            << testing::PrintToString(target) << " for " << row.localPath;
      }
    }
  }
  // Wine 8 reads 509 of these 512 exactly; the other three are the split paths above.
  // Wine misreads most item lists that Vista and later write (the names come out as a
  // few stray characters), so a reading that trusts the item list over the link-info
  // block agrees on fewer than 200.
  EXPECT_EQ(compared, 512u);
  EXPECT_GE(agreeing, 509u) << disagreements;

  // Links without a link-info block have no local path in the table. Wine then gives the
  // link's relative path as the stored one, unless it leads from the link's folder to a
  // file that is there: the item list answers where it ends in the same names, as an XP
  // link's does, and nothing answers where it was misread, as a Server 2008 link's was
  // ("C:\>\" and three stray characters for ARCserveMgr.exe).
  EXPECT_EQ(targets["WinXP\\Windows Messenger.lnk"], "C:\\Program Files\\Messenger\\msmsgs.exe");
  EXPECT_EQ(targets["Misc\\native.2008srv.06.test"], "");

  // Cut anywhere up to the end of its link-info block, a link is a damaged file; cut at
  // nothing, an empty one.
  const std::string whole = *ReadBytes(corpus + "\\TestFiles\\WinVista\\Calculator.lnk");
  ASSERT_EQ(resolve(corpus + "\\TestFiles\\WinVista\\Calculator.lnk"),
            "D:\\Windows\\System32\\calc.exe");
  std::string cutsWithTarget;
  for (std::size_t length = 0; length < EndOfLinkInfo(whole); ++length) {
    folder.WriteFile("ucięty.lnk", std::string_view(whole).substr(0, length));
    if (!resolve(folder.PathOf("ucięty.lnk")).empty())
      cutsWithTarget += std::to_string(length) + " ";
  }
  EXPECT_EQ(cutsWithTarget, "") << "of " << EndOfLinkInfo(whole) << " bytes";
}

}  // namespace
}  // namespace kromelik
