#include "win32/Win32Shortcuts.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <algorithm>
#include <climits>
#include <type_traits>

#include "win32/Handles.h"
#include "win32/WideText.h"

namespace kromelik {
namespace {

// Only a drive path or a network path can be checked for existence. Wine answers
// "::{clsid}" for virtual folders where Windows gives no path, and its reading of the
// item lists that Vista and later write yields names with control characters, which no
// file name can hold.
bool IsFileSystemPath(std::wstring_view path) {
  if (path.size() < 3) return false;
  const auto letter = static_cast<wchar_t>(path[0] | 0x20);
  const bool drive = letter >= L'a' && letter <= L'z' && path[1] == L':' && path[2] == L'\\';
  const bool network = path[0] == L'\\' && path[1] == L'\\' && path[2] != L'\\';
  return (drive || network) &&
         std::none_of(path.begin(), path.end(), [](wchar_t c) { return c < L' '; });
}

// The text as a link-info block holds it: Wine writes and reads that block's path in
// the ANSI code page, so letters outside it come back replaced.
std::wstring ThroughAnsiCodePage(std::wstring_view text) {
  if (text.empty() || text.size() > static_cast<std::size_t>(INT_MAX)) return {};
  const int length = static_cast<int>(text.size());
  const int needed =
      WideCharToMultiByte(CP_ACP, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
  if (needed <= 0) return {};
  std::string ansi(static_cast<std::size_t>(needed), '\0');
  WideCharToMultiByte(CP_ACP, 0, text.data(), length, ansi.data(), needed, nullptr, nullptr);
  const int wide = MultiByteToWideChar(CP_ACP, 0, ansi.data(), needed, nullptr, 0);
  if (wide <= 0) return {};
  std::wstring result(static_cast<std::size_t>(wide), L'\0');
  MultiByteToWideChar(CP_ACP, 0, ansi.data(), needed, result.data(), wide);
  return result;
}

bool EqualIgnoringCase(std::wstring_view left, std::wstring_view right) {
  if (left.size() != right.size() || left.size() > static_cast<std::size_t>(INT_MAX)) return false;
  const int length = static_cast<int>(left.size());
  return CompareStringOrdinal(left.data(), length, right.data(), length, TRUE) == CSTR_EQUAL;
}

// A relative path leads from the link's own folder, wherever that was when the link was
// made: its steps up say nothing about the target, the names after them do.
std::wstring_view NamesAfterStepsUp(std::wstring_view relative) {
  while (true) {
    if (relative.starts_with(L".\\")) {
      relative.remove_prefix(2);
    } else if (relative.starts_with(L"..\\")) {
      relative.remove_prefix(3);
    } else {
      return relative;
    }
  }
}

// Whether the item list and the stored path name one target. When they differ, one of
// them was misread, and nothing short of looking at the disk could tell which.
bool NameTheSameTarget(std::wstring_view items, std::wstring_view stored) {
  const std::wstring fromItems = ThroughAnsiCodePage(items);
  const std::wstring fromStored = ThroughAnsiCodePage(stored);
  if (IsFileSystemPath(stored)) return EqualIgnoringCase(fromItems, fromStored);
  const std::wstring tail = L"\\" + std::wstring(NamesAfterStepsUp(fromStored));
  return tail.size() > 1 && fromItems.size() > tail.size() &&
         EqualIgnoringCase(std::wstring_view(fromItems).substr(fromItems.size() - tail.size()),
                           tail);
}

// The target as the link's item list names it. The list keeps every name in UTF-16,
// where the link-info block holds an ANSI path only under Wine: there a target outside
// the ANSI code page ("źdźbło") would come back altered from the stored path.
std::wstring ItemListPath(IShellLinkW& link) {
  UniqueCoTaskMemory<std::remove_pointer_t<PIDLIST_ABSOLUTE>> items;
  if (link.GetIDList(items.Put()) != S_OK || !items) return {};
  wchar_t path[MAX_PATH] = {};
  if (!SHGetPathFromIDListW(items.Get(), path)) return {};
  path[MAX_PATH - 1] = L'\0';
  return path;
}

// The path the link stores, or empty when it gives none. Wine gives a link's relative
// path here when the link has no link-info block.
std::wstring StoredPath(IShellLinkW& link) {
  wchar_t path[MAX_PATH] = {};
  if (link.GetPath(path, MAX_PATH, nullptr, 0) != S_OK) return {};
  path[MAX_PATH - 1] = L'\0';
  return path;
}

}  // namespace

// Resolve is never called: on Windows it looks for moved targets, tracks them across
// volumes and waits on the network, seconds per link, and under Wine it only converts
// the item list, which is read here anyway.
//
// The link objects are made for each link, though that costs about as much as reading
// it: the Recent folder is read on a thread of its own, whose apartment they must belong
// to, and nothing a link left in them can answer for the next one.
std::string Win32Shortcuts::LinkTarget(std::string_view linkPath) {
  ComPtr<IShellLinkW> link;
  ComPtr<IPersistFile> file;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                              IID_PPV_ARGS(link.Put()))) ||
      FAILED(link->QueryInterface(IID_PPV_ARGS(file.Put())))) {
    throw ShellLinkUnavailable("the shell link object cannot be created");
  }
  if (FAILED(file->Load(Utf8ToWide(linkPath).c_str(), STGM_READ))) return {};

  std::wstring items = ItemListPath(*link.Get());
  if (!IsFileSystemPath(items)) items.clear();
  const std::wstring stored = StoredPath(*link.Get());

  // Where the two differ, the stored path answers: Wine misreads most item lists that
  // Vista and later write, and few link-info blocks (a path split into a base and a
  // suffix, one written in another code page). Links without a stored path (no link-info
  // block and no relative path) leave the item list to answer; links without an item list
  // (written by other tools) or with one that names no file (a control panel item) leave
  // the stored path. A relative path alone leads nowhere that could be looked up without
  // searching.
  if (stored.empty() || (!items.empty() && NameTheSameTarget(items, stored)))
    return WideToUtf8(items);
  return IsFileSystemPath(stored) ? WideToUtf8(stored) : std::string();
}

}  // namespace kromelik
