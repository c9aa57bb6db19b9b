#pragma once

// The user's stored lists, each one subkey of the program's key. Nothing is kept between
// calls: every operation opens the subkey (creating it), does its work and closes it, so
// the registry is the only state and an organizer and a menu never disagree.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/RegistryLayout.h"
#include "core/ports/Registry.h"

namespace kromelik {

class SettingsStore;

enum class MruLayout {
  NumberedPairs,  // "N" = display name, "HN" = target, N from 1 to the capacity
  Numbered,       // "N" = target
  Named,          // value name = display name, data = target
};

// One list as it is stored.
struct MruListKind {
  std::string_view subkey;
  MruLayout layout;
  int capacity;         // numbered layouts; 0 for Named
  bool targetRequired;  // NumberedPairs: an entry needs its "HN" as text too
};

inline constexpr MruListKind kQuickLaunchMru{registry_layout::kQuickLaunchList,
                                             MruLayout::NumberedPairs, 20, true};
inline constexpr MruListKind kInternetMru{registry_layout::kInternetList, MruLayout::NumberedPairs,
                                          10, false};
inline constexpr MruListKind kDocumentsMru{registry_layout::kDocumentsList, MruLayout::Numbered, 15,
                                           false};
inline constexpr MruListKind kFavouritesMru{registry_layout::kFavouritesList, MruLayout::Named, 0,
                                            false};
inline constexpr MruListKind kProgramsMru{registry_layout::kProgramsList, MruLayout::Named, 0, false};
inline constexpr MruListKind kGamesMru{registry_layout::kGamesList, MruLayout::Named, 0, false};

struct MruEntry {
  // 1 to the capacity in the numbered layouts, or the spare number; 0 in Named
  int number = 0;
  std::string name;    // empty in Numbered
  std::string target;  // a path, a folder or a web address

  bool operator==(const MruEntry&) const = default;
};

class MruList {
 public:
  // Numbered layouts: "0" (with "H0"), outside the numbers 1 to the capacity that other
  // readers of the lists know, carries an entry while a full list is rewritten; it is
  // empty whenever no rewrite is under way or was cut off.
  static constexpr int kSpareNumber = 0;

  MruList(Registry& registry, const MruListKind& kind) : registry_(registry), kind_(kind) {}

  // The entries, in the list's order: ascending numbers, or the registry's order of the
  // values. Only text values make entries; anything else stored there by hand is
  // skipped. An entry at the spare number comes first unless it repeats another.
  std::vector<MruEntry> ReadEntries() const;

  // Numbered pairs: stores the target with its display name at the lowest number whose
  // "N" does not exist (an orphan "N" keeps its number); the number, or none when every
  // number is taken.
  std::optional<int> AddAtFirstFreeNumber(std::string_view target);
  // Numbered layouts: removes entry `number` ("N", then "HN"); nothing when "N" is missing.
  void RemoveNumber(int number);

  // Numbered layouts: stores `entries` in their order as numbers 1, 2, ... (their own
  // numbers are not looked at), as many as the capacity holds, and deletes every number
  // after the last one written and the spare, so nothing stale is left behind the new
  // end. Killed at any point, it leaves every entry it keeps or adds readable.
  void WriteInOrder(const std::vector<MruEntry>& entries);

  // Named: letter case is ignored, as the registry ignores it.
  bool HasName(std::string_view name) const;
  void WriteNamed(std::string_view name, std::string_view target);
  void RemoveNamed(std::string_view name);

  // Leaves the list's subkey existing and empty.
  void ClearList();

  // A quick-launch entry's name, from its target: a drive root is its own name;
  // otherwise what follows the last "\" or ":" (so "http://host" gives "//host"), as if
  // the target had no closing backslashes.
  static std::string DisplayNameForTarget(std::string_view target);

 private:
  std::string Path() const;
  std::optional<MruEntry> ReadNumber(SettingsStore& list, int number) const;

  Registry& registry_;
  MruListKind kind_;
};

}  // namespace kromelik
