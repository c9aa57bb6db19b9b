#pragma once

// Fetches files' own icons on a thread of its own, so that a menu of a thousand programs
// is built and shown at once and its icons follow. Requests and answers are keyed by the
// file and the kind of icon; every answer is handed out once, to the thread that asks.

#include <windows.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "menus/ImageList.h"
#include "win32/Handles.h"

namespace kromelik {

struct IconKey {
  std::string path;
  FileIconKind kind = FileIconKind::Shell;
  auto operator<=>(const IconKey&) const = default;
};

class IconFetcher {
 public:
  IconFetcher() = default;
  // The thread is let go rather than waited for: a fetch from a drive that stopped
  // answering must not hold up the program's end. It ends after its current fetch.
  ~IconFetcher();
  IconFetcher(const IconFetcher&) = delete;
  IconFetcher& operator=(const IconFetcher&) = delete;

  void Request(IconKey key);
  // The icons fetched since the last call; an empty icon where the file gave none.
  std::vector<std::pair<IconKey, UniqueIcon>> TakeFetched();
  // Whether a request is still on its way.
  bool Busy() const;

 private:
  struct Shared;
  std::shared_ptr<Shared> shared_;
};

}  // namespace kromelik
