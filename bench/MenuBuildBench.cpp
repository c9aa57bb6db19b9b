// The menus built from the machine and the user's lists, on fakes sized as a heavy
// user's machine: a Recent folder of a thousand shortcuts, a thousand entries in each
// named list, a thousand registered applications and every numbered list full. The
// fakes answer at once, so what is measured is the core's own work over that much data.

#include <optional>
#include <string>

#include <benchmark/benchmark.h>

#include "core/Csidl.h"
#include "fakes/FakeMachine.h"

namespace {

using namespace kromelik;

constexpr int kEntries = 1000;
const std::string kListsKey = "Software\\Brenvald\\Kromelik\\";

std::string Numbered(const char* prefix, int number) { return prefix + std::to_string(number); }

struct HeavyMachine : fakes::FakeMachine {
  std::optional<fakes::StartedToolbar> controller;

  HeavyMachine() {
    files.AddFile(program.path);
    drives.Add('C', DriveType::Fixed, "System");
    drives.Add('D', DriveType::CdRom);
    folders.folders[csidl::kPersonal] = "C:\\Moje dokumenty";
    files.AddDirectory("C:\\Moje dokumenty\\Moje obrazy");
    files.AddDirectory("C:\\Moje dokumenty\\Moja muzyka");
    FillRecentFolder();
    FillNamedLists();
    FillRegisteredApplications();
    FillNumberedLists();
  }

  void Text(RegistryRoot root, const std::string& path, const std::string& name, std::string data) {
    registry.Plant(root, path, name, {fakes::FakeRegistry::StoredKind::Text, std::move(data)});
  }

  // A quarter each: documents, programs (with their icons), folders, and shortcuts
  // whose target has gone.
  void FillRecentFolder() {
    const std::string recent = "C:\\Users\\Łucja\\Recent";
    folders.folders[csidl::kRecent] = recent;
    for (int number = 0; number < kEntries; ++number) {
      std::string target;
      switch (number % 4) {
        case 0:
          target = "C:\\Dane\\raport " + std::to_string(number) + ".doc";
          files.AddFile(target);
          fileInformation.Add(target).icon = static_cast<IconHandle>(0x1000 + number);
          break;
        case 1:
          target = "C:\\Programy\\narzędzie" + std::to_string(number) + ".exe";
          files.AddFile(target);
          fileInformation.Add(target).icon = static_cast<IconHandle>(0x2000 + number);
          break;
        case 2:
          target = "C:\\Dane\\Folder " + std::to_string(number);
          files.AddDirectory(target);
          break;
        default:
          target = "C:\\Usunięte\\zgubiony " + std::to_string(number) + ".txt";
          break;
      }
      const std::string link = recent + "\\" + FileNameOf(target) + ".lnk";
      files.AddFile(link);
      shortcuts.Add(link, target);
    }
  }

  void FillNamedLists() {
    for (int number = 0; number < kEntries; ++number) {
      const std::string own = "C:\\Moje programy\\program" + std::to_string(number) + ".exe";
      Text(RegistryRoot::CurrentUser, kListsKey + "ProgramyMRU", Numbered("Program ", number), own);
      if (number % 2 == 0) fileInformation.Add(own).fileIcon = static_cast<IconHandle>(0x3000 + number);
      const std::string game = "C:\\Gry\\gra" + std::to_string(number) + ".exe";
      Text(RegistryRoot::CurrentUser, kListsKey + "GryMRU", Numbered("Gra ", number), game);
      fileInformation.Add(game).fileIcon = static_cast<IconHandle>(0x4000 + number);
      Text(RegistryRoot::CurrentUser, kListsKey + "UlubioneMRU", Numbered("Strona ulubiona ", number),
           "http://strona" + std::to_string(number) + ".example.pl/");
    }
  }

  // Programs that exist, half of them with a friendly name and a quarter with a
  // version description, under each of the command verbs looked for.
  void FillRegisteredApplications() {
    static constexpr const char* kVerbs[] = {"open", "edit", "play", "read"};
    for (int number = 0; number < kEntries; ++number) {
      const std::string name = Numbered("aplikacja", number) + ".exe";
      const std::string key = "Applications\\" + name + "\\shell";
      const std::string path = "C:\\Program Files\\Aplikacja " + std::to_string(number) + "\\" + name;
      Text(RegistryRoot::ClassesRoot, key + "\\" + kVerbs[number % 4] + "\\command", "",
           "\"" + path + "\" \"%1\"");
      if (number % 2 == 0) Text(RegistryRoot::ClassesRoot, key, "FriendlyCache", Numbered("Aplikacja ", number));
      files.AddFile(path);
      fakes::FakeFile& file = fileInformation.Add(path);
      file.icon = static_cast<IconHandle>(0x5000 + number);
      file.isProgram = true;
      if (number % 4 == 0)
        file.version = fakes::FakeVersion{
            VersionTranslation{0x0415, 0x04E2},
            {{"\\StringFileInfo\\041504e2\\FileDescription", Numbered("Opis aplikacji ", number)}},
            std::nullopt};
    }
  }

  void FillNumberedLists() {
    for (int number = 1; number <= 20; ++number) {
      const std::string target = "C:\\Dane\\skrót" + std::to_string(number) + ".txt";
      Text(RegistryRoot::CurrentUser, kListsKey + "SzybkieUrMRU", std::to_string(number),
           FileNameOf(target));
      Text(RegistryRoot::CurrentUser, kListsKey + "SzybkieUrMRU", Numbered("H", number), target);
      files.AddFile(target);
      fileInformation.Add(target).icon = static_cast<IconHandle>(0x6000 + number);
    }
    for (int number = 1; number <= 10; ++number) {
      Text(RegistryRoot::CurrentUser, kListsKey + "InternetMRU", std::to_string(number),
           Numbered("Strona ", number));
      Text(RegistryRoot::CurrentUser, kListsKey + "InternetMRU", Numbered("H", number),
           "http://s" + std::to_string(number) + ".example.pl/");
    }
    for (int number = 1; number <= 15; ++number) {
      const std::string path = "C:\\Dane\\dokument" + std::to_string(number) + ".odt";
      Text(RegistryRoot::CurrentUser, kListsKey + "DokumentyMRU", std::to_string(number), path);
      files.AddFile(path);
      fileInformation.Add(path).icon = static_cast<IconHandle>(0x7000 + number);
    }
  }

  void MakeController() {
    controller.emplace(*this, 1024);
  }
  // What the fakes record grows with every build; it is not what is measured.
  void ForgetRecords() {
    fileInformation.requestedSizes.clear();
    fileInformation.destroyed.clear();
    window.shownDown.clear();
  }
};

void CreateWithAThousandOfEverything(benchmark::State& state) {
  HeavyMachine machine;
  // The first start registers the program; every later one only reads.
  machine.MakeController();
  machine.controller->Create();
  for (auto _ : state) {
    state.PauseTiming();
    machine.controller.reset();
    machine.ForgetRecords();
    machine.MakeController();
    state.ResumeTiming();
    machine.controller->Create();
  }
  const ToolbarMenus& menus = machine.controller->Menus();
  state.counters["recent documents"] = static_cast<double>(menus.Item("Dokumenty1").Count());
  state.counters["own programs"] = static_cast<double>(menus.Item("ProgramyUzytkownika").Count());
  state.counters["registered"] = static_cast<double>(menus.Item("Twojeprogramy1").Count());
}
BENCHMARK(CreateWithAThousandOfEverything)->Unit(benchmark::kMillisecond);

// The quick-launch and documents menus are built again at every press of their button,
// with the rest of the heavy menus around them.
void PressRebuildsItsMenu(benchmark::State& state, ToolbarButton button) {
  HeavyMachine machine;
  machine.MakeController();
  machine.controller->Create();
  for (auto _ : state) {
    benchmark::DoNotOptimize(machine.controller->PressButton(button));
    machine.controller->ClickPanel();
    if (machine.fileInformation.destroyed.size() > 100000) {
      state.PauseTiming();
      machine.ForgetRecords();
      state.ResumeTiming();
    }
  }
}
BENCHMARK_CAPTURE(PressRebuildsItsMenu, Ulubione, ToolbarButton::Ulubione)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PressRebuildsItsMenu, Dokumenty, ToolbarButton::Dokumenty)->Unit(benchmark::kMillisecond);

}  // namespace
