#include "contract/RegistryContract.h"

#include <algorithm>
#include <set>

#include "core/SettingsStore.h"

namespace kromelik::contract {

namespace {

using RawKind = RegistryHarness::RawKind;

std::multiset<std::string> AsSet(const std::vector<std::string>& names) {
  return {names.begin(), names.end()};
}

}  // namespace

void RegistryContract::SetUp() { harness_ = GetParam().make(); }

void RegistryContract::TearDown() {
  if (harness_) harness_->Cleanup();
}

std::string RegistryContract::Path(std::string_view below) const {
  std::string path = harness_->ScratchPath();
  if (!below.empty()) path += "\\" + std::string(below);
  return path;
}

std::unique_ptr<RegistryKey> RegistryContract::OpenScratch(std::string_view below) {
  return Subject().OpenKey(RegistryRoot::CurrentUser, Path(below), true);
}

TEST_P(RegistryContract, CreatesEveryMissingKeyOnThePathOnlyWhenAsked) {
  EXPECT_EQ(Subject().OpenKey(RegistryRoot::CurrentUser, Path("a\\b\\c"), false), nullptr);

  ASSERT_NE(OpenScratch("a\\b\\c"), nullptr);
  EXPECT_NE(Subject().OpenKey(RegistryRoot::CurrentUser, Path("a\\b\\c"), false), nullptr);
  auto middle = Subject().OpenKey(RegistryRoot::CurrentUser, Path("A\\B"), false);
  ASSERT_NE(middle, nullptr) << "key names ignore letter case";
  EXPECT_TRUE(middle->HasSubkey("C"));
  EXPECT_EQ(AsSet(middle->SubkeyNames()), std::multiset<std::string>{"c"});
}

TEST_P(RegistryContract, ValueNamesIgnoreLetterCase) {
  auto key = OpenScratch();
  ASSERT_NE(key, nullptr);
  ASSERT_TRUE(key->WriteText("Path", "first"));
  ASSERT_TRUE(key->WriteText("PATH", "second"));

  EXPECT_EQ(key->ReadText("path"), "second");
  EXPECT_EQ(key->ValueNames().size(), 1u) << "one value whatever the spelling";
  EXPECT_TRUE(key->DeleteValue("pAtH"));
  EXPECT_FALSE(key->KindOf("Path").has_value());
}

TEST_P(RegistryContract, PolishNamesAndDataRoundTripAndIgnoreCase) {
  auto key = OpenScratch("Źródła");
  ASSERT_NE(key, nullptr);
  ASSERT_TRUE(key->WriteText("Zażółć gęślą jaźń", "ĄĆĘŁŃÓŚŹŻ ąćęłńóśźż"));

  EXPECT_EQ(key->ReadText("ZAŻÓŁĆ GĘŚLĄ JAŹŃ"), "ĄĆĘŁŃÓŚŹŻ ąćęłńóśźż");
  EXPECT_EQ(key->ValueNames(), std::vector<std::string>{"Zażółć gęślą jaźń"});
  auto parent = OpenScratch();
  EXPECT_TRUE(parent->HasSubkey("ŹRÓDŁA"));
}

TEST_P(RegistryContract, KindsAreKeptApart) {
  auto key = OpenScratch();
  ASSERT_NE(key, nullptr);
  ASSERT_TRUE(key->WriteText("text", "C:\\kromelik.exe"));
  ASSERT_TRUE(key->WriteNumber("number", 42));
  harness_->Plant(Path(), "expand", RawKind::ExpandText, "%windir%\\notepad.exe");
  harness_->Plant(Path(), "binary", RawKind::Binary, std::string("\x01\x02\x03\x04", 4));
  harness_->Plant(Path(), "multi", RawKind::MultiText, "one");
  harness_->Plant(Path(), "qword", RawKind::QWord, std::string(8, '\x07'));
  harness_->Plant(Path(), "short", RawKind::Number, std::string("\x05\x00", 2));
  harness_->Plant(Path(), "long", RawKind::Number, std::string(8, '\x01'));

  EXPECT_EQ(key->KindOf("text"), ValueKind::Text);
  // A DWORD of another length is no number: whoever asks the kind first can then read it.
  EXPECT_EQ(key->KindOf("short"), ValueKind::Other);
  EXPECT_EQ(key->KindOf("long"), ValueKind::Other);
  EXPECT_EQ(key->ReadNumber("short"), std::nullopt);
  EXPECT_EQ(key->KindOf("number"), ValueKind::Number);
  EXPECT_EQ(key->KindOf("expand"), ValueKind::ExpandText);
  EXPECT_EQ(key->KindOf("binary"), ValueKind::Binary);
  EXPECT_EQ(key->KindOf("multi"), ValueKind::Other);
  EXPECT_EQ(key->KindOf("qword"), ValueKind::Other);

  EXPECT_EQ(key->ReadText("expand"), "%windir%\\notepad.exe") << "read unexpanded";
  EXPECT_EQ(key->ReadText("number"), std::nullopt);
  EXPECT_EQ(key->ReadText("binary"), std::nullopt);
  EXPECT_EQ(key->ReadText("multi"), std::nullopt);
  EXPECT_EQ(key->ReadNumber("text"), std::nullopt);
  EXPECT_EQ(key->ReadNumber("binary"), std::nullopt) << "four bytes of binary are no number";
  EXPECT_EQ(key->ReadNumber("qword"), std::nullopt);

  // A whole list read at once takes exactly what the checking rule calls text.
  ASSERT_TRUE(key->WriteText("Zażółć", ""));
  std::vector<NamedText> texts = key->TextValues();
  std::sort(texts.begin(), texts.end(),
            [](const NamedText& a, const NamedText& b) { return a.name < b.name; });
  EXPECT_EQ(texts, (std::vector<NamedText>{{"Zażółć", ""}, {"text", "C:\\kromelik.exe"}}));
}

TEST_P(RegistryContract, MissingValuesReadAsAbsent) {
  auto key = OpenScratch();
  ASSERT_NE(key, nullptr);
  EXPECT_EQ(key->KindOf("nothing"), std::nullopt);
  EXPECT_EQ(key->ReadText("nothing"), std::nullopt);
  EXPECT_EQ(key->ReadNumber("nothing"), std::nullopt);
  EXPECT_FALSE(key->DeleteValue("nothing"));
  EXPECT_FALSE(key->HasSubkey("nothing"));
  EXPECT_FALSE(key->DeleteSubkeyTree("nothing"));
}

TEST_P(RegistryContract, NumbersKeepAllThirtyTwoBitsAndTextMayBeEmpty) {
  auto key = OpenScratch();
  ASSERT_NE(key, nullptr);
  ASSERT_TRUE(key->WriteNumber("max", 0xFFFFFFFFu));
  ASSERT_TRUE(key->WriteNumber("zero", 0));
  ASSERT_TRUE(key->WriteText("empty", ""));
  ASSERT_TRUE(key->WriteNumber("empty-then-number", 1));
  ASSERT_TRUE(key->WriteText("empty-then-number", "now text"));

  EXPECT_EQ(key->ReadNumber("max"), 0xFFFFFFFFu);
  EXPECT_EQ(key->ReadNumber("zero"), 0u);
  EXPECT_EQ(key->KindOf("empty"), ValueKind::Text);
  EXPECT_EQ(key->ReadText("empty"), "");
  EXPECT_EQ(key->KindOf("empty-then-number"), ValueKind::Text) << "a rewrite changes the kind";
}

TEST_P(RegistryContract, EnumerationYieldsEveryValueAndSubkeyOnce) {
  auto key = OpenScratch();
  ASSERT_NE(key, nullptr);
  const std::vector<std::string> values{"Zeta", "alpha", "Mid", "beta", "10", "9", "H1"};
  for (const auto& name : values) ASSERT_TRUE(key->WriteText(name, name));
  const std::vector<std::string> subkeys{"Zulu", "bravo", "Alpha", "2", "10"};
  for (const auto& name : subkeys) ASSERT_TRUE(key->CreateSubkey(name));
  ASSERT_TRUE(key->CreateSubkey("BRAVO")) << "creating an existing subkey succeeds";

  EXPECT_EQ(AsSet(key->ValueNames()), AsSet(values));
  EXPECT_EQ(AsSet(key->SubkeyNames()), AsSet(subkeys));
}

TEST_P(RegistryContract, DeletingASubkeyRemovesEverythingBelowIt) {
  {
    auto deep = OpenScratch("tree\\inner\\deepest");
    ASSERT_NE(deep, nullptr);
    ASSERT_TRUE(deep->WriteText("value", "x"));
    auto inner = OpenScratch("tree\\inner");
    ASSERT_TRUE(inner->WriteNumber("n", 1));
    ASSERT_TRUE(inner->CreateSubkey("sibling"));
  }
  auto top = OpenScratch();
  ASSERT_TRUE(top->CreateSubkey("kept"));
  ASSERT_TRUE(top->DeleteSubkeyTree("TREE"));

  EXPECT_FALSE(top->HasSubkey("tree"));
  EXPECT_TRUE(top->HasSubkey("kept"));
  EXPECT_EQ(Subject().OpenKey(RegistryRoot::CurrentUser, Path("tree\\inner\\deepest"), false), nullptr);
  EXPECT_EQ(AsSet(top->SubkeyNames()), std::multiset<std::string>{"kept"});
}

TEST_P(RegistryContract, StoreReadsTextOfBothTextKindsAndRaisesOnOthers) {
  harness_->Plant(Path(), "expand", RawKind::ExpandText, "%windir%");
  harness_->Plant(Path(), "binary", RawKind::Binary, "abcd");
  SettingsStore store(Subject());
  ASSERT_TRUE(store.OpenKey(Path(), false));
  ASSERT_TRUE(store.PutText("text", "tekst"));
  ASSERT_TRUE(store.PutNumber("number", -5));
  ASSERT_TRUE(store.PutFlag("flag", true));

  EXPECT_EQ(store.GetText("text"), "tekst");
  EXPECT_EQ(store.GetText("expand"), "%windir%");
  EXPECT_EQ(store.GetText("missing"), "");
  EXPECT_THROW(store.GetText("number"), SettingsError);
  EXPECT_THROW(store.GetText("binary"), SettingsError);

  EXPECT_EQ(store.GetNumber("number"), -5);
  EXPECT_EQ(store.GetNumber("flag"), 1) << "a flag is stored as the number 1";
  EXPECT_THROW(store.GetNumber("missing"), SettingsError);
  EXPECT_THROW(store.GetNumber("text"), SettingsError);
  EXPECT_THROW(store.GetFlag("binary"), SettingsError);
  EXPECT_THROW(store.ValueKind("missing"), SettingsError);

  EXPECT_EQ(store.TextOption("expand"), std::nullopt) << "expandable text is not text for options";
  EXPECT_EQ(store.NumberOption("text"), std::nullopt);
}

}  // namespace kromelik::contract
