#pragma once

#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "dialogs/OrganizerFrame.h"
#include "fakes/FakeDialogPorts.h"
#include "fakes/FakeEnvironment.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeRegistry.h"
#include "fakes/FakeShellLauncher.h"
#include "fakes/FakeText.h"
#include "fakes/FakeToolbarPorts.h"

namespace kromelik {

// An organizer's platform on fakes, with the toolbar lent to the dialog as the menu
// command leaves it; the dialog's close event is wired by each test's organizer.
class OrganizerFixture : public ::testing::Test {
 protected:
  OrganizerFixture() { toolbar.toolbar.OpenDialog({}); }

  std::vector<std::string> Column(const OrganizerFrame& frame, std::size_t column) const {
    std::vector<std::string> cells;
    for (const OrganizerRow& row : frame.Rows()) cells.push_back(row.cells.at(column));
    return cells;
  }
  std::optional<std::string> ListValue(std::string_view list, std::string_view name) const {
    const auto value = registry.Peek(RegistryRoot::CurrentUser,
                                     "Software\\Brenvald\\Kromelik\\" + std::string(list), name);
    if (!value) return std::nullopt;
    return value->data;
  }
  void PlantList(std::string_view list, std::string_view name, std::string data,
                 fakes::FakeRegistry::StoredKind kind = fakes::FakeRegistry::StoredKind::Text) {
    registry.Plant(RegistryRoot::CurrentUser,
                   "Software\\Brenvald\\Kromelik\\" + std::string(list), name,
                   {kind, std::move(data)});
  }

  fakes::FakeRegistry registry;
  fakes::FakeFileSystem fileSystem;
  fakes::FakeFileInformation files;
  fakes::FakeTextServices text;
  fakes::FakeTextMeasure measure;
  fakes::FakeMessageBoxes messages;
  fakes::FakeDialogWindow dialog;
  fakes::FakeToolbar toolbar;
  fakes::FakeShellLauncher shell;
  fakes::FakeProgramFile program;
  OrganizerServices services{text,           measure, messages, dialog, toolbar.toolbar,
                             toolbar.window, shell,   program,  files};
};

}  // namespace kromelik
