#include "win32/Win32Shortcuts.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <type_traits>

#include "win32/Handles.h"
#include "win32/WideText.h"

namespace kromelik {
namespace {

// The target as the link's item list names it. The list keeps every name in UTF-16,
// where the link-info block that GetPath falls back on holds an ANSI path only under
// Wine: there a target outside the ANSI code page ("źdźbło") would come back altered.
std::wstring ItemListPath(IShellLinkW& link) {
  UniqueCoTaskMemory<std::remove_pointer_t<PIDLIST_ABSOLUTE>> items;
  if (link.GetIDList(items.Put()) != S_OK || !items) return {};
  wchar_t path[MAX_PATH] = {};
  if (!SHGetPathFromIDListW(items.Get(), path)) return {};
  path[MAX_PATH - 1] = L'\0';
  return path;
}

// The path the link stores, or empty when it gives none.
std::wstring StoredPath(IShellLinkW& link) {
  wchar_t path[MAX_PATH] = {};
  if (link.GetPath(path, MAX_PATH, nullptr, 0) != S_OK) return {};
  path[MAX_PATH - 1] = L'\0';
  return path;
}

}  // namespace

std::string Win32Shortcuts::LinkTarget(std::string_view linkPath) {
  ComPtr<IShellLinkW> link;
  ComPtr<IPersistFile> file;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                              IID_PPV_ARGS(link.Put()))) ||
      FAILED(link->QueryInterface(IID_PPV_ARGS(file.Put())))) {
    throw ShellLinkUnavailable("the shell link object cannot be created");
  }
  if (FAILED(file->Load(Utf8ToWide(linkPath).c_str(), STGM_READ))) return {};

  // Links without an item list (written by other tools) or with one that names no file
  // (a control panel item) leave the stored path to answer.
  std::wstring target = ItemListPath(*link.Get());
  if (target.empty()) target = StoredPath(*link.Get());
  if (target.empty()) {
    // Wine answers S_FALSE for some links until Resolve has filled in the path.
    // Resolving must neither show anything nor go looking for a moved target, nor
    // write the link back: the stored target is the answer, whether or not it exists.
    link->Resolve(nullptr, SLR_NO_UI | SLR_NOUPDATE | SLR_NOSEARCH | SLR_NOTRACK);
    target = StoredPath(*link.Get());
  }
  return WideToUtf8(target);
}

}  // namespace kromelik
