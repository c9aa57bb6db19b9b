#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "fakes/FakeMachine.h"

namespace kromelik {

// The whole click path on fakes: the window only forwards the press and the choice.
class ToolbarFixture : public ::testing::Test, protected fakes::FakeMachine {
 protected:
  fakes::StartedToolbar controller{*this, 1024};

  void PlantText(RegistryRoot root, std::string_view path, std::string_view name,
                 std::string data) {
    registry.Plant(root, path, name, {fakes::FakeRegistry::StoredKind::Text, std::move(data)});
  }
  // A value of one of the program's lists, or nullopt when it is not there.
  std::optional<std::string> ListValue(std::string_view list, std::string_view name) const {
    const auto value = registry.Peek(RegistryRoot::CurrentUser,
                                     "Software\\Brenvald\\Kromelik\\" + std::string(list), name);
    if (!value) return std::nullopt;
    return value->data;
  }
  void PlantListText(std::string_view list, std::string_view name, std::string data) {
    PlantText(RegistryRoot::CurrentUser, "Software\\Brenvald\\Kromelik\\" + std::string(list),
              name, std::move(data));
  }

  // The captions of a menu's visible items, separators as "-".
  static std::vector<std::string> Shown(const MenuItem& menu) {
    std::vector<std::string> captions;
    for (const auto& item : menu.Items())
      if (item->Visible) captions.push_back(item->Caption);
    return captions;
  }
  const MenuItem& Item(std::string_view name) const {
    return controller.Menus().Item(name);
  }
};

}  // namespace kromelik
