#pragma once

// The files' own icons come from one thread for the whole program, so that a menu of a
// thousand programs is built and shown at once and its icons follow, and a file on a
// drive that stopped answering holds up that thread, never a window. A window that asks
// for icons is posted IconsArrivedMessage() when some of them have come; it takes them in
// on its own thread (PictureCache::Refresh) and redraws what shows them.
//
// Everything but the fetching itself happens on the thread of the windows.

#include <windows.h>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "menus/ImageList.h"
#include "win32/Handles.h"
#include "win32/JobThread.h"

namespace kromelik {

struct IconKey {
  std::string path;
  FileIconKind kind = FileIconKind::Shell;
  auto operator<=>(const IconKey&) const = default;
};

// An icon as a fetch gives it, or its pixels alone: the fetcher makes an icon of them
// only where no file before showed one alike.
struct FetchedIcon {
  FetchedIcon(UniqueIcon taken = {}) : icon(std::move(taken)) {}  // NOLINT: an icon is one
  UniqueIcon icon;
  std::optional<std::vector<std::uint32_t>> pixels;
};

class IconFetcher {
 public:
  using FetchFunction = std::function<FetchedIcon(const IconKey&)>;

  // The program's one fetcher, taking the icons from the files.
  static IconFetcher& Process();
  // The message a window that asked is posted when icons have come; no parameters.
  static UINT IconsArrivedMessage();

  // `fetch` runs on the fetcher's thread (a JobThread, let go at the end), `idle` there
  // once it has had nothing to fetch for a moment.
  explicit IconFetcher(FetchFunction fetch, std::function<void()> idle = {});
  ~IconFetcher();
  IconFetcher(const IconFetcher&) = delete;
  IconFetcher& operator=(const IconFetcher&) = delete;

  // Asks for the icon unless it has come already; `window`, if any, is told when it
  // comes, also when it is on its way for another window.
  void Request(const IconKey& key, HWND window);
  // The icon as it came (empty where the file gave none); nullptr while it has not.
  // Files whose icons are alike pixel for pixel share one: a heavy user's thousand
  // documents, shortcuts and copies of one program show a few dozen pictures, and each
  // icon Wine holds costs some 8 KiB.
  const UniqueIcon* Find(const IconKey& key) const;
  // Takes in the icons that came since the last call; true when any did.
  bool Collect();
  // Told of each icon taken in, whichever window's Collect takes it in. A reader is
  // removed before it goes.
  class Reader {
   public:
    virtual void Arrived(const IconKey& key) = 0;

   protected:
    ~Reader() = default;
  };
  void AddReader(Reader& reader);
  void RemoveReader(Reader& reader);
  // A file that gave no icon is asked again at the next request: it may have one by now.
  void Forget(const IconKey& key);
  // Whether a request is still on its way.
  bool Busy() const;

 private:
  struct Shared;
  static void Fetch(const std::shared_ptr<Shared>& shared, const IconKey& key);

  std::shared_ptr<Shared> shared_;
  JobThread thread_;  // after shared_: let go first
  std::map<IconKey, std::shared_ptr<const UniqueIcon>> fetched_;
  std::vector<Reader*> readers_;
};

}  // namespace kromelik
