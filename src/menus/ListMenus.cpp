// The menus of the user's stored lists, of the registered applications and of the
// maker's programs.

#include <array>
#include <map>
#include <memory>
#include <utility>

#include "core/ComponentNames.h"
#include "core/FileInfo.h"
#include "core/RegistryLayout.h"
#include "core/SettingsStore.h"
#include "core/WspolneFunkcje.h"
#include "lists/MruList.h"
#include "menus/MenuBuilders.h"

#include <memory>

#include <map>

namespace kromelik {

namespace {

constexpr int kStandByProgram = ImageOf(SharedPicture::PlainProgram);
constexpr std::size_t kFixedAboutItems = 9;
constexpr std::array<std::string_view, 4> kCommandVerbs{"open", "edit", "play", "read"};
constexpr std::string_view kApplications = "Applications";
// The maker's programs register under either key, the older one straight under the
// user's root.
constexpr std::array<std::string_view, 2> kMakerKeys{registry_layout::kMakerRootKey,
                                                    registry_layout::kMakerKey};

// A command as the shell stores it, plain or expandable text alike: commands that name
// "%SystemRoot%" are stored expandable, which is what ExpandPathVariables is there for.
// Any other kind of value is no command.
std::optional<std::string> CommandText(const SettingsStore& store) {
  if (!store.HasValue("")) return std::nullopt;
  const ValueKind kind = store.ValueKind("");
  if (kind != ValueKind::Text && kind != ValueKind::ExpandText) return std::nullopt;
  return store.GetText("");
}

std::size_t CharacterCount(std::string_view text) {
  std::size_t count = 0;
  for (const char byte : text)
    if ((static_cast<unsigned char>(byte) & 0xC0U) != 0x80U) ++count;
  return count;
}

}  // namespace

void MenuBuilders::BuildQuickLaunchMenu() {
  ImageList& images = menus_.il_SzybkieUr;
  images.Truncate(0);
  HideSlots(menus_.Fixed().quickLaunch);
  for (const MruEntry& entry : MruList(sources_.registry, kQuickLaunchMru).ReadEntries()) {
    MenuItem* slot = SlotOf(menus_.Fixed().quickLaunch, entry.number);
    if (slot == nullptr) continue;
    MenuItem& item = *slot;
    // A drive root keeps its stored name whole.
    item.Caption = CharacterCount(entry.name) < 4 ? entry.name : CaptionOfFile(entry.name);
    item.Hint = entry.target;
    item.OnClick = ItemTargetAction();
    item.Visible = true;
    item.ImageIndex = AppendIcon(images, entry.target, FileIconKind::Shell, -1);
  }
}

void MenuBuilders::FillRecentPages() {
  HideSlots(menus_.Fixed().recentPages);
  for (const MruEntry& entry : MruList(sources_.registry, kInternetMru).ReadEntries()) {
    MenuItem* slot = SlotOf(menus_.Fixed().recentPages, entry.number);
    if (slot == nullptr) continue;
    MenuItem& item = *slot;
    item.Caption = entry.name;
    item.Hint = entry.target;
    item.OnClick = WebItemAction();
    item.Visible = true;
  }
}

void MenuBuilders::BuildInternetMenu() {
  FillRecentPages();
  MenuItem& favourites = menus_.Fixed().favourites;
  const auto entries = MruList(sources_.registry, kFavouritesMru).ReadEntries();
  for (const MruEntry& entry : entries) {
    MenuItem& item = favourites.Add("", entry.name);
    item.Hint = entry.target;
    item.OnClick = WebItemAction();
  }
  favourites.Visible = true;
}

// A page is its name and its address together: one already in the list moves to the
// front under the name it was just opened by, so no address is listed twice and no
// page ends up under another page's name.
void MenuBuilders::RememberWebPage(std::string_view caption, std::string_view address) {
  const TextServices& text = sources_.text;
  std::vector<MruEntry> pages = MruList(sources_.registry, kInternetMru).ReadEntries();
  const std::string wanted = text.Upper(address);
  std::erase_if(pages, [&](const MruEntry& page) { return text.Upper(page.target) == wanted; });
  pages.insert(pages.begin(), MruEntry{1, std::string(caption), std::string(address)});
  MruList(sources_.registry, kInternetMru).WriteInOrder(pages);
  FillRecentPages();
}

// The user's own programs and games show the first icon stored in the program itself.
std::size_t MenuBuilders::AppendNamedPrograms(const MruListKind& list, MenuItem& menu) {
  const auto entries = MruList(sources_.registry, list).ReadEntries();
  for (const MruEntry& entry : entries) {
    MenuItem& item = menu.Add(
        "", entry.name,
        AppendIcon(menus_.ImageListPM, entry.target, FileIconKind::Stored, kStandByProgram));
    item.Hint = entry.target;
    item.OnClick = ItemTargetAction();
  }
  return entries.size();
}

// A thousand registered applications take more than a second to look through, their
// descriptions as long again: the menus show without them until they are read.
void MenuBuilders::BuildProgramsMenu() {
  // The applications registered with the shell ("Twoje programy").
  auto found = std::make_shared<RegisteredPrograms>();
  sources_.background.Post(
      [this, found](std::stop_token stop) { *found = ReadRegisteredPrograms(stop); },
      [this, found] { ShowRegisteredPrograms(*found); });

  // The user's own programs ("Programy użytkownika").
  MenuItem& own = menus_.Fixed().ownPrograms;
  AppendNamedPrograms(kProgramsMru, own);
  own.Visible = true;
}

MenuBuilders::RegisteredPrograms MenuBuilders::ReadRegisteredPrograms(
    std::stop_token stop) const {
  SettingsStore store(sources_.registry, RegistryRoot::ClassesRoot);
  std::vector<std::string> applications;
  if (store.OpenKey(kApplications, false)) {
    applications = store.ListSubkeys();
    store.CloseKey();
  }
  RegisteredPrograms found;
  found.applications = applications.size();
  for (const std::string& application : applications) {
    if (stop.stop_requested()) break;
    if (sources_.text.Upper(ExtensionOf(application)) != ".EXE") continue;
    const std::string shell = std::string(kApplications) + "\\" + application + "\\shell";
    if (!store.OpenKey(shell, false)) continue;
    std::string caption = WithoutExtension(application);
    if (auto friendly = store.TextOption("FriendlyCache"); friendly && !friendly->empty())
      caption = std::move(*friendly);
    std::optional<std::string> commandLine;
    for (const std::string_view verb : kCommandVerbs) {
      if (!store.OpenKey(shell + "\\" + std::string(verb) + "\\command", false)) continue;
      commandLine = CommandText(store);
      break;
    }
    store.CloseKey();
    if (!commandLine) continue;
    const auto program = ProgramOfCommandLine(sources_.text.Upper(*commandLine));
    if (!program) continue;
    std::string target = ExpandPathVariables(*program, sources_.folders, sources_.text);
    const PathState state = sources_.paths.Check(target);
    if (state.kind == PathKind::Missing || state.kind == PathKind::Folder) continue;
    found.programs.push_back({std::move(caption), std::move(target), state.local});
  }
  return found;
}

void MenuBuilders::ShowRegisteredPrograms(const RegisteredPrograms& found) {
  MenuItem& registered = menus_.Fixed().registeredPrograms;
  if (found.applications >= 2) registered.Visible = true;
  std::vector<std::string> described;
  for (const RegisteredProgram& program : found.programs) {
    MenuItem& item = registered.Add("", program.caption,
                                    AppendIcon(menus_.ImageListPM, program.target,
                                               FileIconKind::Shell, kStandByProgram));
    item.Hint = program.target;
    item.OnClick = ItemTargetAction();
    // A program's description is read from its file only where that costs no more than
    // reading a local file.
    if (program.local) described.push_back(program.target);
  }
  DescribeRegisteredPrograms(std::move(described));
}

void MenuBuilders::DescribeRegisteredPrograms(std::vector<std::string> programs) {
  if (programs.empty()) return;
  auto descriptions = std::make_shared<std::vector<std::string>>();
  sources_.background.Post(
      [this, programs, descriptions](std::stop_token stop) {
        for (const std::string& program : programs) {
          if (stop.stop_requested()) return;
          descriptions->push_back(TFileInfo(sources_.fileInformation, program).Description());
        }
      },
      [this, programs, descriptions] {
        std::map<std::string_view, std::string_view> described;
        for (std::size_t i = 0; i < descriptions->size(); ++i)
          if (!(*descriptions)[i].empty()) described.emplace(programs[i], (*descriptions)[i]);
        for (const auto& item : menus_.Fixed().registeredPrograms.Items()) {
          if (const auto found = described.find(item->Hint); found != described.end())
            item->Caption = found->second;
        }
      });
}

void MenuBuilders::BuildUserGames() {
  AppendNamedPrograms(kGamesMru, menus_.GryPM);
}

void MenuBuilders::BuildMakerProgramsMenu() {
  MenuItem& about = menus_.AboutPM;
  about.RemoveFrom(kFixedAboutItems);
  // Only the icons of the previous build go: the list's own pictures stay.
  menus_.il_IkonyBrenvald.Truncate(static_cast<std::size_t>(AboutPicture::Count));

  SettingsStore store(sources_.registry);
  for (const std::string_view makerKey : kMakerKeys) {
    if (!store.OpenKey(makerKey, true)) continue;
    const std::vector<std::string> products = store.ListSubkeys();
    store.CloseKey();
    for (const std::string& product : products) {
      if (!store.OpenKey(std::string(makerKey) + "\\" + product, true)) continue;
      const auto path = store.TextOption(registry_layout::kPath);
      const auto name = store.TextOption(registry_layout::kName);
      store.CloseKey();
      if (!path || !MayBeFile(sources_.paths.Check(*path))) continue;
      MenuItem& item = about.Add("", name ? *name : WithoutExtension(FileNameOf(*path)));
      item.Hint = *path;
      // As the games: the buttons come up first, then the program starts.
      item.OnClick = [this](const MenuItem& chosen) {
        const std::string target = chosen.Hint;
        sources_.toolbar.ReleaseButtons();
        sources_.launcher.OpenWithShell(target);
      };
      item.ImageIndex = AppendIcon(menus_.il_IkonyBrenvald, *path, FileIconKind::Shell, -1);
    }
  }
}

}  // namespace kromelik
