#pragma once

#include <string_view>

namespace kromelik {

enum class PathKind { Unknown, Missing, File, Folder };

struct PathState {
  PathKind kind = PathKind::Unknown;
  // On a fixed drive of this machine, where looking at the file costs nothing: its
  // contents (a version block, a description) may be read while a menu waits.
  bool local = false;
};

// What is known of a path, answered without waiting. A share that stopped answering, a
// disconnected mapped drive or a removable drive without its medium can hold a look for
// many seconds: such paths are looked at elsewhere, answer Unknown until then, and what
// is known of them is looked at again now and then. A menu shows a path it does not know
// to be missing.
class PathChecks {
 public:
  virtual ~PathChecks() = default;
  virtual PathState Check(std::string_view path) = 0;
};

// A file as far as is known: one not yet known to be missing is shown.
inline bool MayBeFile(PathState state) {
  return state.kind == PathKind::File || state.kind == PathKind::Unknown;
}

}  // namespace kromelik
