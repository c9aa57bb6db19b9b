#include "menus/MenuBuilders.h"

#include <gtest/gtest.h>

#include "core/ComponentNames.h"
#include "unit/ToolbarFixture.h"

namespace kromelik {
namespace {

using Strings = std::vector<std::string>;

// The builders through the running toolbar: built at creation or at the press, chosen as
// the user chooses, and the lists looked at in the registry afterwards.
class MenuBuildersTest : public ToolbarFixture {
 protected:
  const MenuItem& Chosen(ToolbarButton button, std::string_view name) {
    EXPECT_TRUE(controller.PressButton(button));
    const MenuItem& item = Item(name);
    controller.Choose(item);
    return item;
  }
  const MenuItem& Captioned(std::string_view menu, std::string_view caption) {
    for (const auto& item : Item(menu).Items())
      if (item->Caption == caption) return *item;
    ADD_FAILURE() << "no item " << caption << " in " << menu;
    return Item(menu);
  }
  // The picture an item shows, from the list it takes its pictures from.
  static Picture PictureOf(const MenuItem& item, const ImageList& images) {
    EXPECT_GE(item.ImageIndex, 0) << item.Caption;
    const auto index = static_cast<std::size_t>(item.ImageIndex);
    return index < images.Count() ? images.Pictures()[index] : Picture{};
  }
  std::string OpenedLast() const { return shell.opened.empty() ? "" : shell.opened.back().target; }
  Strings Pages() const {
    Strings pages;
    for (int number = 1; number <= 11; ++number) {
      const auto name = ListValue("InternetMRU", std::to_string(number));
      const auto address = ListValue("InternetMRU", "H" + std::to_string(number));
      if (name || address) pages.push_back(name.value_or("?") + "=" + address.value_or("?"));
    }
    return pages;
  }
};

TEST_F(MenuBuildersTest, QuickLaunchSlotsKeepTheirNumbersAndRebuildAtEveryPress) {
  registry.Plant(RegistryRoot::CurrentUser, "Software\\Brenvald\\Kromelik", "Ext",
                 {fakes::FakeRegistry::StoredKind::Number, std::string("\0\0\0\0", 4)});
  PlantListText("SzybkieUrMRU", "1", "notatnik.txt");
  PlantListText("SzybkieUrMRU", "H1", "C:\\Dane\\notatnik.txt");
  PlantListText("SzybkieUrMRU", "3", "C:\\");
  PlantListText("SzybkieUrMRU", "H3", "C:\\");
  controller.Create();

  ASSERT_TRUE(controller.PressButton(ToolbarButton::Ulubione));
  EXPECT_EQ(Shown(controller.Menus().UlubionePM), (Strings{"Organizuj", "-", "notatnik", "C:\\"}));
  EXPECT_FALSE(Item("U2").Visible);
  EXPECT_EQ(Item("U1").ImageIndex, 0) << "the list starts again at every build";
  EXPECT_EQ(PictureOf(Item("U3"), controller.Menus().il_SzybkieUr),
            Picture(IconOfFile{"C:\\", FileIconKind::Shell, -1}))
      << "the shell's icon, with nothing standing in for it";

  // Changed meanwhile by the organizer: the next press shows it, in a list begun anew.
  registry.Plant(RegistryRoot::CurrentUser, "Software\\Brenvald\\Kromelik\\SzybkieUrMRU", "1",
                 {fakes::FakeRegistry::StoredKind::ExpandText, "notatnik.txt"});
  Chosen(ToolbarButton::Ulubione, "U3");
  EXPECT_FALSE(Item("U1").Visible);
  EXPECT_EQ(controller.Menus().il_SzybkieUr.Count(), 1U);
  EXPECT_EQ(OpenedLast(), "C:\\");
  EXPECT_EQ(window.shownDown.back(), ToolbarButton::Kromelik) << "released after the launch";
}

TEST_F(MenuBuildersTest, AnOpenedPageMovesToTheFrontWithItsOwnName) {
  for (int number = 1; number <= 10; ++number) {
    PlantListText("InternetMRU", std::to_string(number), "Strona " + std::to_string(number));
    PlantListText("InternetMRU", "H" + std::to_string(number),
                  "http://s" + std::to_string(number) + ".pl");
  }
  PlantListText("UlubioneMRU", "Siódemka", "HTTP://S7.PL");
  PlantListText("UlubioneMRU", "Nowa", "http://nowa.pl");
  controller.Create();

  Chosen(ToolbarButton::Internet, "Url4");
  EXPECT_EQ(OpenedLast(), "http://s4.pl");
  EXPECT_EQ(Pages(), (Strings{"Strona 4=http://s4.pl", "Strona 1=http://s1.pl",
                              "Strona 2=http://s2.pl", "Strona 3=http://s3.pl",
                              "Strona 5=http://s5.pl", "Strona 6=http://s6.pl",
                              "Strona 7=http://s7.pl", "Strona 8=http://s8.pl",
                              "Strona 9=http://s9.pl", "Strona 10=http://s10.pl"}));
  EXPECT_EQ(Item("Url1").Caption, "Strona 4") << "the menu follows at once";

  // A favourite whose address is listed already (letter case aside) takes that page's
  // place at the front under its own name; a new one pushes the last page out.
  ASSERT_TRUE(controller.PressButton(ToolbarButton::Internet));
  controller.Choose(Captioned(names::kUlubione, "Siódemka"));
  ASSERT_TRUE(controller.PressButton(ToolbarButton::Internet));
  controller.Choose(Captioned(names::kUlubione, "Nowa"));
  EXPECT_EQ(Pages(), (Strings{"Nowa=http://nowa.pl", "Siódemka=HTTP://S7.PL",
                              "Strona 4=http://s4.pl", "Strona 1=http://s1.pl",
                              "Strona 2=http://s2.pl", "Strona 3=http://s3.pl",
                              "Strona 5=http://s5.pl", "Strona 6=http://s6.pl",
                              "Strona 8=http://s8.pl", "Strona 9=http://s9.pl"}));
  EXPECT_EQ(Shown(controller.Menus().InternetPM)[5], "Nowa");
}

TEST_F(MenuBuildersTest, StoredDocumentsShowWhileTheirFilesExistAndAnOpenedOneGoesFirst) {
  for (int number = 1; number <= 15; ++number) {
    const std::string path = "C:\\Dane\\d" + std::to_string(number) + ".doc";
    PlantListText("DokumentyMRU", std::to_string(number), path);
    if (number != 5) files.AddFile(path);
  }
  folders.folders[5] = "C:\\Moje";
  files.AddDirectory("C:\\Moje\\Moja muzyka");
  controller.Create();

  ASSERT_TRUE(controller.PressButton(ToolbarButton::Dokumenty));
  EXPECT_FALSE(Item("D5").Visible) << "its file is gone; the later ones keep their numbers";
  EXPECT_EQ(Item("D6").Caption, "d6.doc");
  EXPECT_EQ(Shown(controller.Menus().DokumentyPM)[1], "Moja muzyka");
  EXPECT_FALSE(Item(names::kMojeobrazy1).Visible);

  controller.Choose(Item("D7"));
  EXPECT_EQ(OpenedLast(), "C:\\Dane\\d7.doc");
  Strings stored;
  for (int number = 1; number <= 16; ++number)
    stored.push_back(ListValue("DokumentyMRU", std::to_string(number)).value_or("-"));
  EXPECT_EQ(stored, (Strings{"C:\\Dane\\d7.doc", "C:\\Dane\\d1.doc", "C:\\Dane\\d2.doc",
                             "C:\\Dane\\d3.doc", "C:\\Dane\\d4.doc", "C:\\Dane\\d5.doc",
                             "C:\\Dane\\d6.doc", "C:\\Dane\\d8.doc", "C:\\Dane\\d9.doc",
                             "C:\\Dane\\d10.doc", "C:\\Dane\\d11.doc", "C:\\Dane\\d12.doc",
                             "C:\\Dane\\d13.doc", "C:\\Dane\\d14.doc", "C:\\Dane\\d15.doc", "-"}));
}

TEST_F(MenuBuildersTest, RecentShortcutsAreSortedIntoDocumentsProgramsAndFolders) {
  folders.folders[8] = "C:\\Recent";
  const auto link = [&](const std::string& name, const std::string& target) {
    files.AddFile("C:\\Recent\\" + name);
    shortcuts.Add("C:\\Recent\\" + name, target);
  };
  link("raport.doc.lnk", "C:\\Dane\\raport.doc");
  link("Notatnik.lnk", "C:\\Windows\\notepad.exe");
  link("Dane.lnk", "C:\\Dane");
  link("zgubiony.lnk", "C:\\Nie ma\\x.doc");
  // On a server not known to answer yet: kept, shown as a document, never waited for.
  link("sieć.lnk", "\\\\serwer\\udział\\plik.doc");
  paths.MarkSlow("\\\\serwer\\udział\\plik.doc");
  files.AddFile("C:\\Dane\\raport.doc");
  files.AddFile("C:\\Windows\\notepad.exe");
  for (int number = 1; number <= 15; ++number)
    PlantListText("DokumentyMRU", std::to_string(number), "C:\\d" + std::to_string(number));
  controller.Create();

  EXPECT_EQ(Shown(Item(names::kDokumenty1)), (Strings{"raport.doc", "sieć"}));
  EXPECT_EQ(Shown(Item(names::kOstatniootwieranefoldery1)), (Strings{"Dane"}));
  const MenuItem& notepad = Item(names::kOstatniouruchamianeprogramy1)[0];
  EXPECT_EQ(notepad.Caption, "Notatnik");
  EXPECT_EQ(notepad.ImageIndex, 77) << "the program's icon, after the fixed pictures";
  EXPECT_TRUE(Item(names::kOstatniouruchamianeprogramy1).Visible);

  // A program run from there is a document opened through the toolbar: it goes first
  // and the oldest of the full list goes.
  ASSERT_TRUE(controller.PressButton(ToolbarButton::Foldery));
  EXPECT_TRUE(Item(names::kNOstatniootwieranefoldery1).Visible) << "tidied at the opening";
  ASSERT_TRUE(controller.PressButton(ToolbarButton::Programy));
  controller.Choose(notepad);
  EXPECT_EQ(OpenedLast(), "C:\\Windows\\notepad.exe");
  EXPECT_EQ(ListValue("DokumentyMRU", "1"), "C:\\Windows\\notepad.exe");
  EXPECT_EQ(ListValue("DokumentyMRU", "15"), "C:\\d14");
  EXPECT_EQ(ListValue("DokumentyMRU", "16"), std::nullopt);
  EXPECT_EQ(Item("D1").Caption, "notepad.exe");
}

TEST_F(MenuBuildersTest, WithoutTheShellLinkObjectTheRecentScanFindsNothingAndStartStillEnds) {
  folders.folders[8] = "C:\\Recent";
  files.AddFile("C:\\Recent\\a.lnk");
  shortcuts.unavailable = true;
  EXPECT_NO_THROW(controller.Create());
  EXPECT_TRUE(Item(names::kDokumenty1).Items().empty());
}

TEST_F(MenuBuildersTest, RegisteredApplicationsNameTheirProgramAndTheUsersOwnShowItsIcon) {
  const std::string applications = "Applications";
  PlantText(RegistryRoot::ClassesRoot, applications + "\\foo.exe\\shell", "FriendlyCache", "Foo");
  PlantText(RegistryRoot::ClassesRoot, applications + "\\foo.exe\\shell\\open\\command", "",
            "\"C:\\Program Files\\Foo\\foo.exe\" /n \"%1\"");
  PlantText(RegistryRoot::ClassesRoot, applications + "\\bar.EXE\\shell\\play\\command", "",
            "%windir%\\Bar.exe %1");
  PlantText(RegistryRoot::ClassesRoot, applications + "\\notes.txt\\shell\\open\\command", "",
            "C:\\notes.exe");
  PlantText(RegistryRoot::ClassesRoot, applications + "\\gone.exe\\shell\\open\\command", "",
            "C:\\gone.exe");
  files.AddFile("C:\\Program Files\\Foo\\foo.exe");
  files.AddFile("C:\\Windows\\bar.exe");
  files.AddFile("C:\\notes.exe");
  fakes::FakeFile& bar = fileInformation.Add("c:\\windows\\bar.exe");
  bar.isProgram = true;
  bar.version = fakes::FakeVersion{VersionTranslation{0x0415, 0x04E2},
                            {{"\\StringFileInfo\\041504e2\\FileDescription", "Odtwarzacz Bar"}},
                            std::nullopt};
  PlantListText("ProgramyMRU", "Edytor", "C:\\Edytor\\edytor.exe");
  PlantListText("ProgramyMRU", "Bez ikony", "C:\\brak.exe");
  PlantListText("GryMRU", "Szachy", "C:\\Gry\\szachy.exe");
  controller.Create();

  const MenuItem& registered = Item(names::kTwojeprogramy1);
  EXPECT_TRUE(registered.Visible);
  ASSERT_EQ(registered.Count(), 2U);
  const MenuItem& foo = *registered.Items()[registered[0].Caption == "Foo" ? 0 : 1];
  const MenuItem& other = *registered.Items()[registered[0].Caption == "Foo" ? 1 : 0];
  EXPECT_EQ(foo.Hint, "c:\\program files\\foo\\foo.exe");
  EXPECT_EQ(PictureOf(foo, controller.Menus().ImageListPM),
            Picture(IconOfFile{"c:\\program files\\foo\\foo.exe", FileIconKind::Shell, 64}))
      << "the shell's icon, the plain program standing in";
  EXPECT_EQ(other.Caption, "Odtwarzacz Bar") << "the file's own description wins";
  EXPECT_EQ(other.Hint, "C:\\Windows\\bar.exe") << "the marker gives the folder as the system spells it";

  const MenuItem& own = Item(names::kProgramyUzytkownika);
  ASSERT_EQ(own.Count(), 4U);  // Organizuj, the separator and the two programs
  EXPECT_EQ(own[2].Caption, "Edytor");
  EXPECT_EQ(PictureOf(own[2], controller.Menus().ImageListPM),
            Picture(IconOfFile{"C:\\Edytor\\edytor.exe", FileIconKind::Stored, 64}))
      << "the program's own first icon";
  EXPECT_EQ(controller.Menus().GryPM.Items().back()->Caption, "Szachy");
  ASSERT_TRUE(controller.PressButton(ToolbarButton::Programy));
  EXPECT_TRUE(Item(names::kN16).Visible) << "between the organizer's item and the programs";
  ASSERT_TRUE(controller.PressButton(ToolbarButton::Gry));
  EXPECT_TRUE(Item(names::kN2).Visible);

  controller.Choose(own[2]);
  EXPECT_EQ(OpenedLast(), "C:\\Edytor\\edytor.exe");
}

// A share that stopped answering: its entries show while nobody knows whether they are
// there, go once they are known to be missing, and no file of it is read meanwhile.
TEST_F(MenuBuildersTest, EntriesOnASlowShareShowUntilKnownMissingAndNoneOfItsFilesIsRead) {
  const std::string share = "\\\\serwer\\udzial\\";
  PlantListText("DokumentyMRU", "1", share + "raport.doc");
  PlantText(RegistryRoot::CurrentUser, "Software\\Brenvald\\Wolny", "Path", share + "wolny.exe");
  PlantText(RegistryRoot::ClassesRoot, "Applications\\baz.exe\\shell\\open\\command", "",
            share + "baz.exe");
  fakes::FakeFile& baz = fileInformation.Add(share + "baz.exe");
  baz.isProgram = true;
  baz.version = fakes::FakeVersion{VersionTranslation{0x0415, 0x04E2},
                                   {{"\\StringFileInfo\\041504e2\\FileDescription", "Program Baz"}},
                                   std::nullopt};
  for (const char* file : {"raport.doc", "wolny.exe", "baz.exe"}) paths.MarkSlow(share + file);
  controller.Create();

  const MenuItem& registered = Item(names::kTwojeprogramy1);
  ASSERT_EQ(registered.Count(), 1U);
  EXPECT_EQ(registered[0].Caption, "baz") << "its description is on the share";
  ASSERT_TRUE(controller.PressButton(ToolbarButton::Dokumenty));
  EXPECT_TRUE(Item("D1").Visible);
  ASSERT_TRUE(controller.PressButton(ToolbarButton::About));
  EXPECT_EQ(controller.Menus().AboutPM.Items().back()->Caption, "wolny");

  paths.MarkSlow(share + "raport.doc", PathKind::Missing);
  paths.MarkSlow(share + "wolny.exe", PathKind::Missing);
  ASSERT_TRUE(controller.PressButton(ToolbarButton::Dokumenty));
  EXPECT_FALSE(Item("D1").Visible);
  ASSERT_TRUE(controller.PressButton(ToolbarButton::About));
  EXPECT_NE(controller.Menus().AboutPM.Items().back()->Caption, "wolny");
}

TEST_F(MenuBuildersTest, TheMakersProgramsAndTheDrivesAreListedOnceAtEveryOpening) {
  files.AddFile(program.path);
  PlantText(RegistryRoot::CurrentUser, "Brenvald\\Stary", "Path", "C:\\Stary\\stary.exe");
  files.AddFile("C:\\Stary\\stary.exe");
  PlantText(RegistryRoot::CurrentUser, "Software\\Brenvald\\Zepsuty", "Path", "C:\\nie ma.exe");
  drives.Add('C', DriveType::Fixed, "System");
  drives.Add('D', DriveType::CdRom);
  drives.Add('N', DriveType::NoRootDirectory);
  drives.Add('Z', DriveType::Remote, "Sieć");
  controller.Create();

  for (int opening = 0; opening < 2; ++opening) {
    ASSERT_TRUE(controller.PressButton(ToolbarButton::About));
    const MenuItem& about = controller.Menus().AboutPM;
    ASSERT_EQ(about.Count(), 11U);
    EXPECT_EQ(about[9].Caption, "stary");
    EXPECT_EQ(about[10].Caption, "Kromelik");
    EXPECT_EQ(about[9].ImageIndex, 6);
    EXPECT_EQ(controller.Menus().il_IkonyBrenvald.Count(), 8U) << "one icon each, not one per opening";
  }
  EXPECT_TRUE(Item(names::kN6).Visible);

  const MenuItem& drivesMenu = controller.Menus().DyskiPM;
  ASSERT_TRUE(controller.PressButton(ToolbarButton::Dyski));
  EXPECT_EQ(Shown(drivesMenu), (Strings{"Mój komputer", "-", "System (C:)", " (D:)", "Sieć (Z:)"}));
  EXPECT_EQ(drivesMenu[2].ImageIndex, 55);
  EXPECT_EQ(drivesMenu[3].ImageIndex, 56);
  EXPECT_EQ(drivesMenu[4].ImageIndex, -1);
  controller.Choose(drivesMenu[3]);
  EXPECT_EQ(OpenedLast(), "D:\\");

  // Read again at each opening: a drive plugged in since shows, and none shows twice.
  drives.Add('E', DriveType::Removable, "USB");
  ASSERT_TRUE(controller.PressButton(ToolbarButton::Dyski));
  EXPECT_EQ(Shown(drivesMenu),
            (Strings{"Mój komputer", "-", "System (C:)", " (D:)", "USB (E:)", "Sieć (Z:)"}));
}

}  // namespace
}  // namespace kromelik
