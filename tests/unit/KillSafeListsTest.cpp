// Every operation that rewrites a stored list, killed after each possible number of
// registry changes, as a crash or the task manager may kill it: the list read then must
// hold every entry it held before except those the operation drops, keep an entry that is
// being renamed under one of its names, never lose an entry the operation has added once
// it showed, and show nothing that is neither old nor new.

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "OrganizerFixture.h"
#include "dialogs/TOrganizujProgramy.h"
#include "lists/MruList.h"

namespace kromelik {
namespace {

using Shown = std::pair<std::string, std::string>;  // name and target

struct Change {
  std::vector<Shown> dropped;
  std::vector<std::pair<Shown, Shown>> renamed;  // old, new: one of them at every cut
  std::vector<Shown> added;
  std::vector<Shown> finished;  // the whole list, in order, once the operation is done
};

bool Has(const std::vector<Shown>& list, const Shown& entry) {
  return std::find(list.begin(), list.end(), entry) != list.end();
}

std::string Text(const Shown& entry) {
  return "\"" + entry.first + "\" -> \"" + entry.second + "\"";
}

class KillSafeListsTest : public OrganizerFixture {
 protected:
  static std::string KeyOf(const MruListKind& kind) {
    return std::string(registry_layout::kMainKey) + "\\" + std::string(kind.subkey);
  }

  std::vector<Shown> Read(const MruListKind& kind) {
    std::vector<Shown> shown;
    for (const MruEntry& entry : MruList(registry, kind).ReadEntries())
      shown.emplace_back(entry.name, entry.target);
    return shown;
  }

  // Numbered layouts: the entry at `number`, as the layout stores it.
  void Plant(const MruListKind& kind, int number, const Shown& entry) {
    const std::string key = KeyOf(kind);
    const auto stored = [](const std::string& data) {
      return fakes::FakeRegistry::StoredValue{fakes::FakeRegistry::StoredKind::Text, data};
    };
    if (kind.layout == MruLayout::Numbered) {
      registry.Plant(RegistryRoot::CurrentUser, key, std::to_string(number), stored(entry.second));
      return;
    }
    registry.Plant(RegistryRoot::CurrentUser, key, std::to_string(number), stored(entry.first));
    registry.Plant(RegistryRoot::CurrentUser, key, "H" + std::to_string(number),
                   stored(entry.second));
  }

  // Runs `operation` after `prepare`, killed after 0, 1, 2, ... changes until a run
  // needs no more, and checks the list after each cut; `afterCut` checks further with
  // the process started anew.
  void CutAtEveryChange(const MruListKind& kind, const std::function<void()>& prepare,
                        const std::function<void()>& operation, const Change& change,
                        const std::function<void()>& afterCut = {}) {
    std::vector<Shown> before;
    std::vector<Shown> seen;
    for (std::size_t changes = 0;; ++changes) {
      SCOPED_TRACE("killed after " + std::to_string(changes) + " changes");
      ASSERT_LT(changes, 200U) << "the operation never ends";
      registry.DieAfterChanges(std::nullopt);
      MruList(registry, kind).ClearList();
      prepare();
      if (changes == 0) before = Read(kind);
      registry.DieAfterChanges(changes);
      operation();
      const bool died = registry.Died();
      registry.DieAfterChanges(std::nullopt);
      const std::vector<Shown> after = Read(kind);

      for (const Shown& entry : before) {
        if (Has(change.dropped, entry)) continue;
        const auto renamed = std::find_if(change.renamed.begin(), change.renamed.end(),
                                          [&](const auto& pair) { return pair.first == entry; });
        if (renamed == change.renamed.end()) {
          EXPECT_TRUE(Has(after, entry)) << "lost " << Text(entry);
        } else {
          EXPECT_TRUE(Has(after, entry) || Has(after, renamed->second))
              << "lost " << Text(entry) << " under either name";
        }
      }
      std::vector<Shown> added = change.added;
      for (const auto& pair : change.renamed) added.push_back(pair.second);
      for (const Shown& entry : after)
        EXPECT_TRUE(Has(before, entry) || Has(added, entry)) << "made up " << Text(entry);
      for (const Shown& entry : added) {
        if (Has(after, entry)) {
          seen.push_back(entry);
        } else {
          EXPECT_FALSE(Has(seen, entry)) << "lost the added " << Text(entry);
        }
      }

      if (!died) {
        EXPECT_EQ(after, change.finished);
        if (kind.layout != MruLayout::Named) {
          EXPECT_FALSE(registry.Peek(RegistryRoot::CurrentUser, KeyOf(kind), "0").has_value())
              << "the spare number is left holding an entry";
        }
        return;
      }
      if (afterCut) afterCut();
    }
  }
};

std::vector<Shown> Series(int count, const std::function<Shown(int)>& make) {
  std::vector<Shown> series;
  for (int i = 1; i <= count; ++i) series.push_back(make(i));
  return series;
}

std::vector<MruEntry> AsEntries(const std::vector<Shown>& list) {
  std::vector<MruEntry> entries;
  for (const Shown& entry : list) entries.push_back({0, entry.first, entry.second});
  return entries;
}

// The rewrites that remembering a document makes: a new one pushes the oldest out of a
// full list, an old one moves to the front of a full list (a rotation with no free
// number), and one moves to the front of a list with gaps, a value that is no entry and
// an entry left at the spare number by an earlier kill.
TEST_F(KillSafeListsTest, RememberedDocumentsKeepEveryEntryWhereverTheWriteIsCut) {
  const auto document = [](int i) {
    return Shown{"", "C:\\Dokumenty\\d" + std::to_string(i) + ".doc"};
  };
  const std::vector<Shown> full = Series(15, document);
  const auto plantFull = [&] {
    for (int i = 1; i <= 15; ++i) Plant(kDocumentsMru, i, full[static_cast<std::size_t>(i - 1)]);
  };
  const Shown fresh{"", "C:\\nowy.doc"};

  std::vector<Shown> pushed{fresh};
  pushed.insert(pushed.end(), full.begin(), full.end() - 1);
  CutAtEveryChange(kDocumentsMru, plantFull,
                   [&] { MruList(registry, kDocumentsMru).WriteInOrder(AsEntries(pushed)); },
                   {{full.back()}, {}, {fresh}, pushed});

  std::vector<Shown> rotated = full;
  std::rotate(rotated.begin(), rotated.begin() + 4, rotated.begin() + 5);  // d5 first
  CutAtEveryChange(kDocumentsMru, plantFull,
                   [&] { MruList(registry, kDocumentsMru).WriteInOrder(AsEntries(rotated)); },
                   {{}, {}, {}, rotated});

  const std::vector<Shown> gapped{document(7), document(9), document(1), document(3)};
  CutAtEveryChange(
      kDocumentsMru,
      [&] {
        Plant(kDocumentsMru, 0, document(9));
        Plant(kDocumentsMru, 1, document(1));
        registry.Plant(RegistryRoot::CurrentUser, KeyOf(kDocumentsMru), "2",
                       {fakes::FakeRegistry::StoredKind::Number, std::string("\x01\0\0\0", 4)});
        Plant(kDocumentsMru, 3, document(3));
        Plant(kDocumentsMru, 7, document(7));
      },
      [&] { MruList(registry, kDocumentsMru).WriteInOrder(AsEntries(gapped)); },
      {{}, {}, {}, gapped});
}

// Recent pages are pairs, "N" and "HN": besides the moves above, a page reopened under
// another caption replaces its old pair, and no cut may show one page's caption with
// another page's address.
TEST_F(KillSafeListsTest, RecentPagesKeepEveryPageAndNeverPairTwoPagesHalves) {
  const auto page = [](int i) {
    return Shown{"Strona " + std::to_string(i), "http://www.s" + std::to_string(i) + ".pl"};
  };
  const std::vector<Shown> full = Series(10, page);
  const auto plantFull = [&] {
    for (int i = 1; i <= 10; ++i) Plant(kInternetMru, i, full[static_cast<std::size_t>(i - 1)]);
  };
  const auto rewrite = [&](const std::vector<Shown>& pages) {
    return [&, pages] { MruList(registry, kInternetMru).WriteInOrder(AsEntries(pages)); };
  };

  const Shown fresh{"Nowa", "http://www.nowa.pl"};
  std::vector<Shown> pushed{fresh};
  pushed.insert(pushed.end(), full.begin(), full.end() - 1);
  CutAtEveryChange(kInternetMru, plantFull, rewrite(pushed), {{full.back()}, {}, {fresh}, pushed});

  std::vector<Shown> rotated = full;
  std::rotate(rotated.begin(), rotated.begin() + 3, rotated.begin() + 4);
  CutAtEveryChange(kInternetMru, plantFull, rewrite(rotated), {{}, {}, {}, rotated});

  const Shown recaptioned{"Inna nazwa", page(4).second};
  std::vector<Shown> reopened = rotated;
  reopened.front() = recaptioned;
  CutAtEveryChange(kInternetMru, plantFull, rewrite(reopened),
                   {{}, {{page(4), recaptioned}}, {}, reopened});
}

// The quick-launch organizer adds at the first free number, where a target left by an
// earlier kill may wait without its name. A kill in the middle of an add must not leave
// the number taken by half an entry: adding again afterwards takes the same number.
TEST_F(KillSafeListsTest, AQuickLaunchAddCutOffLeavesItsNumberFreeForTheNextAdd) {
  const Shown first{"a.exe", "C:\\a.exe"};
  const Shown third{"c.exe", "C:\\c.exe"};
  const Shown fresh{"nowy.exe", "C:\\nowy.exe"};
  CutAtEveryChange(
      kQuickLaunchMru,
      [&] {
        Plant(kQuickLaunchMru, 1, first);
        registry.Plant(RegistryRoot::CurrentUser, KeyOf(kQuickLaunchMru), "H2",
                       {fakes::FakeRegistry::StoredKind::Text, "C:\\stary.exe"});
        Plant(kQuickLaunchMru, 3, third);
      },
      [&] { MruList(registry, kQuickLaunchMru).AddAtFirstFreeNumber(fresh.second); },
      {{}, {}, {fresh}, {first, fresh, third}},
      [&] { EXPECT_EQ(MruList(registry, kQuickLaunchMru).AddAtFirstFreeNumber(fresh.second), 2); });
}

// The programs organizer stores a renamed entry, an entry edited onto another's name and
// an added entry replacing a taken name: the program stays listed under one name or the
// other at every cut.
TEST_F(KillSafeListsTest, TheProgramsOrganizerNeverLosesAProgramItRenamesOrReplaces) {
  constexpr std::string_view kList = "ProgramyMRU";
  for (const char* path : {"C:\\stary.exe", "C:\\gra.exe", "C:\\nowy.exe"})
    fileSystem.AddFile(path);
  TOrganizujProgramy organizer{services, registry, fileSystem, true};
  const Shown editor{"Edytor", "C:\\stary.exe"};
  const Shown game{"Gra", "C:\\gra.exe"};
  const auto prepare = [&] {
    PlantList(kList, editor.first, editor.second);
    PlantList(kList, game.first, game.second);
    organizer.FormShow();  // sorted by name: the editor is row 0, the game row 1
  };
  const auto edit = [&](std::size_t row, std::string_view name) {
    return [&, row, name] {
      messages.answers = {MessageAnswer::Yes};
      organizer.SelectionChange(row);
      organizer.sb_EdytujClick();
      organizer.NameChange(name);
      organizer.OkClick();
    };
  };

  const Shown renamed{"Arkusz", editor.second};
  CutAtEveryChange(kProgramsMru, prepare, edit(0, renamed.first),
                   {{}, {{editor, renamed}}, {}, {game, renamed}});

  const Shown gameAsEditor{"Edytor", game.second};
  CutAtEveryChange(kProgramsMru, prepare, edit(1, "Edytor"),
                   {{editor}, {{game, gameAsEditor}}, {}, {gameAsEditor}});

  const Shown replaced{"Edytor", "C:\\nowy.exe"};
  CutAtEveryChange(
      kProgramsMru, prepare,
      [&] {
        messages.answers = {MessageAnswer::Yes};
        organizer.DodajSBClick();
        organizer.PathChange(replaced.second);
        organizer.NameChange("EDYTOR");
        organizer.OkClick();
      },
      {{}, {{editor, replaced}}, {}, {replaced, game}});
}

}  // namespace
}  // namespace kromelik
