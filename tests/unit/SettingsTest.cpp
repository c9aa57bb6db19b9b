#include "core/Settings.h"

#include <gtest/gtest.h>

#include "core/RegistryLayout.h"
#include "fakes/FakeEnvironment.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeRegistry.h"
#include "fakes/FakeText.h"

namespace kromelik {
namespace {

namespace layout = registry_layout;
using fakes::FakeRegistry;
using Stored = FakeRegistry::StoredKind;

std::string NumberBytes(std::uint32_t value) {
  std::string bytes(4, '\0');
  for (int i = 0; i < 4; ++i) bytes[static_cast<std::size_t>(i)] = static_cast<char>((value >> (8 * i)) & 0xFF);
  return bytes;
}

class SettingsTest : public ::testing::Test {
 protected:
  SettingsTest() {
    files.AddFile(program.path);
    auto& self = fileInformation.Add(program.path);
    self.isProgram = true;
    FixedVersionInfo fixed;
    fixed.fileVersionMS = (2u << 16) | 0u;
    fixed.fileVersionLS = (0u << 16) | 42u;
    self.version = fakes::FakeVersion{std::nullopt, {}, fixed};
  }

  void Text(std::string_view name, std::string_view data) {
    registry.Plant(RegistryRoot::CurrentUser, layout::kMainKey, name, {Stored::Text, std::string(data)});
  }
  void Number(std::string_view name, std::uint32_t data) {
    registry.Plant(RegistryRoot::CurrentUser, layout::kMainKey, name, {Stored::Number, NumberBytes(data)});
  }
  std::optional<FakeRegistry::StoredValue> Stored(std::string_view name) const {
    return registry.Peek(RegistryRoot::CurrentUser, layout::kMainKey, name);
  }
  StartupOptions Start() {
    return RegisterAndReadOptions(registry, files, program, fileInformation, text);
  }
  std::vector<std::string> MainKeyValues() {
    return registry.OpenKey(RegistryRoot::CurrentUser, layout::kMainKey, false)->ValueNames();
  }

  FakeRegistry registry;
  fakes::FakeFileSystem files;
  fakes::FakeProgramFile program;
  fakes::FakeFileInformation fileInformation;
  fakes::FakeTextServices text;
};

TEST_F(SettingsTest, FirstStartRegistersAndLeavesEveryOptionAtItsDefault) {
  const StartupOptions options = Start();

  EXPECT_EQ(options, StartupOptions{});
  EXPECT_EQ(MainKeyValues(), (std::vector<std::string>{"Version", "Path", "Name"}));
  EXPECT_EQ(Stored("Version")->data, "2.0.0.42");
  EXPECT_EQ(Stored("Path")->data, program.path);
  EXPECT_EQ(Stored("Name")->data, "Kromelik");
  EXPECT_FALSE(registry.KeyExists(RegistryRoot::CurrentUser, layout::kRunKey));
}

TEST_F(SettingsTest, RegistrationIsKeptWhileThePathNamesAnExistingFile) {
  Text("Path", program.path);
  Text("Version", "1.0.0.0");
  Start();
  EXPECT_EQ(Stored("Version")->data, "1.0.0.0") << "a newer file at the same place keeps the old version";
  EXPECT_FALSE(Stored("Name").has_value());
}

TEST_F(SettingsTest, RegistersAgainWhenThePathIsGoneOrNotPlainText) {
  Text("Path", "C:\\Old\\kromelik.exe");
  Text("Version", "1.0.0.0");
  Start();
  EXPECT_EQ(Stored("Path")->data, program.path);
  EXPECT_EQ(Stored("Version")->data, "2.0.0.42");

  registry.Plant(RegistryRoot::CurrentUser, layout::kMainKey, "Path", {Stored::ExpandText, program.path});
  Start();
  EXPECT_EQ(Stored("Path")->kind, Stored::Text) << "expandable text is replaced by plain text";
}

TEST_F(SettingsTest, ProgramWithoutVersionBlockRegistersAsZeroVersion) {
  fileInformation.files.clear();
  Start();
  EXPECT_EQ(Stored("Version")->data, "0.0.0.0");
}

TEST_F(SettingsTest, MenuStyleIsPastelOnlyForTextYesInAnyCase) {
  Text("XPMenu", "yes");
  EXPECT_EQ(Start().look.menuStyle, MenuStyle::Pastel);
  Text("XPMenu", "NO");
  EXPECT_EQ(Start().look.menuStyle, MenuStyle::Classic);
  Number("XPMenu", 1);
  EXPECT_EQ(Start().look.menuStyle, MenuStyle::Classic);
}

TEST_F(SettingsTest, ColourNeedsTheFlagAndAllFourNumbers) {
  Number("ChangeColor", 1);
  Number("ColorR", 255);
  Number("ColorG", 0);
  Number("ColorB", 0);
  EXPECT_EQ(Start().look.colour, std::nullopt) << "no ColorGS: default colour";

  Number("ColorGS", 7);
  EXPECT_EQ(Start().look.colour, 0x0000FFu);

  Number("ColorR", 300);
  Number("ColorG", 0x1234);
  Number("ColorB", 0xFFFFFFFF);
  EXPECT_EQ(Start().look.colour, 0xFF342Cu) << "the low byte of each part";

  Number("ChangeColor", 0);
  EXPECT_EQ(Start().look.colour, std::nullopt);
  Text("ChangeColor", "1");
  EXPECT_EQ(Start().look.colour, std::nullopt);
}

TEST_F(SettingsTest, BevelFollowsFlatAndFlatSize) {
  Number("FlatSize", 5);
  EXPECT_EQ(Start().look.bevel, (PanelBevel{true, 1})) << "no Flat: the design";

  Number("Flat", 0);
  EXPECT_EQ(Start().look.bevel.raised, false);

  Number("Flat", 1);
  EXPECT_EQ(Start().look.bevel, (PanelBevel{true, 5}));

  // Whatever was stored by hand, the bevels fit in the strip.
  Number("FlatSize", 12);
  EXPECT_EQ(Start().look.bevel.width, kMaxBevelWidth);
  Number("FlatSize", 0x7FFFFFFF);
  EXPECT_EQ(Start().look.bevel.width, kMaxBevelWidth);
  Number("FlatSize", 0xFFFFFFFDu);  // -3
  EXPECT_EQ(Start().look.bevel.width, 0);
  Number("FlatSize", 0);
  EXPECT_EQ(Start().look.bevel.width, 0);

  registry.OpenKey(RegistryRoot::CurrentUser, layout::kMainKey, false)->DeleteValue("FlatSize");
  EXPECT_EQ(Start().look.bevel, (PanelBevel{true, 1}));
}

TEST_F(SettingsTest, ListFlagsDefaultToTrueUnlessStoredAsNumbers) {
  Text("Ext", "0");
  Number("Sort", 0);
  StartupOptions options = Start();
  EXPECT_TRUE(options.showFileExtensions) << "text is treated as missing";
  EXPECT_FALSE(options.sortWhileEditing);

  Number("Ext", 0);
  Number("Sort", 7);
  options = Start();
  EXPECT_FALSE(options.showFileExtensions);
  EXPECT_TRUE(options.sortWhileEditing);
}

TEST_F(SettingsTest, TransparencyNeedsTheFlagAndUsesTheLowByte) {
  SettingsStore store(registry);
  ASSERT_TRUE(store.OpenKey(layout::kMainKey, true));
  EXPECT_EQ(ReadTransparency(store), std::nullopt);

  Number("ChangeTransparent", 1);
  EXPECT_EQ(ReadTransparency(store), std::nullopt) << "no Transparent value";
  Number("Transparent", 0x100 + 40);
  EXPECT_EQ(ReadTransparency(store), 40);
  Number("Transparent", 0x100);
  EXPECT_EQ(ReadTransparency(store), std::nullopt) << "invisible yet clickable: opaque instead";
  Number("ChangeTransparent", 0);
  EXPECT_EQ(ReadTransparency(store), std::nullopt);
}

TEST_F(SettingsTest, StartsWithDefaultsWhenTheKeyRefusesWrites) {
  registry.MakeReadOnly(RegistryRoot::CurrentUser, layout::kMainKey);
  Text("XPMenu", "YES");
  const StartupOptions options = Start();
  EXPECT_EQ(options.look.menuStyle, MenuStyle::Pastel);
  EXPECT_FALSE(Stored("Path").has_value());
}

TEST(SettingsStoreTest, WorkWithoutAnOpenKeyIsAnError) {
  FakeRegistry registry;
  SettingsStore store(registry);
  EXPECT_FALSE(store.IsOpen());
  EXPECT_THROW(store.HasValue("Path"), SettingsError);
  EXPECT_THROW(store.TextOption("Path"), SettingsError);
  ASSERT_FALSE(store.OpenKey("Software\\Nowhere", false));
  EXPECT_THROW(store.PutText("Path", "x"), SettingsError);

  ASSERT_TRUE(store.OpenKey("Software\\Somewhere", true));
  store.CloseKey();
  EXPECT_THROW(store.ListValueNames(), SettingsError);
}

TEST(SettingsStoreTest, ClassesRootIsItsOwnTree) {
  FakeRegistry registry;
  SettingsStore classes(registry, RegistryRoot::ClassesRoot);
  ASSERT_TRUE(classes.OpenKey("Applications\\notepad.exe", true));
  ASSERT_TRUE(classes.PutText("FriendlyAppName", "Notatnik"));
  EXPECT_FALSE(registry.KeyExists(RegistryRoot::CurrentUser, "Applications"));
  EXPECT_EQ(classes.ListValueNames(), std::vector<std::string>{"FriendlyAppName"});
}

}  // namespace
}  // namespace kromelik
