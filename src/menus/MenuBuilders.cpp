#include "menus/MenuBuilders.h"

#include "core/ComponentNames.h"
#include "core/WspolneFunkcje.h"
#include "menus/CustomMenuFile.h"

namespace kromelik {

int AppendIcon(ImageList& images, std::string_view path, FileIconKind kind, int standBy) {
  return images.Add(IconOfFile{std::string(path), kind, standBy});
}

std::string FileNameOf(std::string_view path) {
  const auto last = path.find_last_of("\\:");
  return std::string(last == std::string_view::npos ? path : path.substr(last + 1));
}

std::string ExtensionOf(std::string_view path) {
  const std::string name = FileNameOf(path);
  const auto dot = name.find_last_of('.');
  return dot == std::string::npos ? std::string{} : name.substr(dot);
}

std::string WithoutExtension(std::string_view fileName) {
  const auto dot = fileName.find_last_of('.');
  return std::string(dot == std::string_view::npos ? fileName : fileName.substr(0, dot));
}

std::optional<std::string> ProgramOfCommandLine(std::string_view upperCaseCommandLine) {
  constexpr std::string_view kProgram = ".EXE";
  const auto dot = upperCaseCommandLine.find(kProgram);
  if (dot == std::string_view::npos) return std::nullopt;
  const std::size_t begin = upperCaseCommandLine.starts_with('"') ? 1 : 0;
  return std::string(upperCaseCommandLine.substr(begin, dot + kProgram.size() - begin));
}

void MenuBuilders::BuildAtStart() {
  while (BuildNextAtStart()) {
  }
}

bool MenuBuilders::BuildNextAtStart() {
  for (std::size_t index = 0; index < startBuilt_.size(); ++index) {
    if (startBuilt_[index]) continue;
    RunStartBuild(static_cast<StartBuild>(index));
    return true;
  }
  return false;
}

void MenuBuilders::BuildAtStartFor(const MenuItem& menu) {
  for (std::size_t index = 0; index < startBuilt_.size(); ++index)
    if (!startBuilt_[index] && Fills(static_cast<StartBuild>(index), menu))
      RunStartBuild(static_cast<StartBuild>(index));
}

void MenuBuilders::RunStartBuild(StartBuild build) {
  startBuilt_[static_cast<std::size_t>(build)] = true;
  switch (build) {
    case StartBuild::Drives: BuildDrivesMenu(); break;
    case StartBuild::QuickLaunch: BuildQuickLaunchMenu(); break;
    case StartBuild::Internet: BuildInternetMenu(); break;
    case StartBuild::Recent: ScanRecentFolder(); break;
    case StartBuild::Programs: BuildProgramsMenu(); break;
    case StartBuild::Documents: BuildDocumentsMenu(); break;
    case StartBuild::UserGames: BuildUserGames(); break;
    case StartBuild::CustomMenu: LoadCustomMenuFile(); break;
    case StartBuild::Count: break;
  }
}

namespace {

bool Holds(const MenuItem& menu, const MenuItem& item) {
  if (&menu == &item) return true;
  for (const auto& child : menu.Items())
    if (Holds(*child, item)) return true;
  return false;
}

}  // namespace

bool MenuBuilders::Fills(StartBuild build, const MenuItem& menu) const {
  const ToolbarMenus::Places& places = menus_.Fixed();
  switch (build) {
    case StartBuild::Drives: return &menu == &menus_.DyskiPM;
    case StartBuild::QuickLaunch: return &menu == &menus_.UlubionePM;
    // The custom menu file adds to the Internet menu after its own build.
    case StartBuild::Internet:
      return Holds(menu, places.favourites) || Fills(StartBuild::CustomMenu, menu);
    // It only sets the reading going, for the programs, documents and folders menus.
    case StartBuild::Recent: return true;
    case StartBuild::Programs:
      return Holds(menu, places.ownPrograms) || Holds(menu, places.registeredPrograms);
    case StartBuild::Documents: return Holds(menu, *places.documents.front());
    case StartBuild::UserGames: return &menu == &menus_.GryPM;
    case StartBuild::CustomMenu: return &menu == &menus_.InternetPM || Holds(menu, places.inne);
    case StartBuild::Count: break;
  }
  return false;
}

void MenuBuilders::LoadCustomMenuFile() {
  const std::string path = BesideProgram(sources_.program, kCustomMenuFileName);
  const FileContents contents = sources_.files.ReadWholeFile(path);
  // Only a file is a menu: a folder of that name is as good as nothing there.
  if (contents.error && (contents.error->kind == FileReadError::Kind::NotFound ||
                         contents.error->kind == FileReadError::Kind::IsDirectory))
    return;

  MenuItem& inne = menus_.Fixed().inne;
  inne.Visible = true;
  if (contents.error) {
    // Something of that name is there but will not be read: the user meant it to be
    // read, so they are told why not, and the toolbar starts without it.
    sources_.messages.Show(std::string(kCustomMenuUnreadableText) + "\n" + path + "\n\n" +
                               contents.error->message,
                           kCustomMenuUnreadableTitle, MessageIcon::Error);
    return;
  }
  if (!ParseCustomMenu(CustomMenuText(contents.bytes, sources_.text), inne, menus_.InternetPM,
                       WebItemAction())) {
    // The menu is still there, cut short: the user is told where and why it ends.
    sources_.messages.Show(std::string(kCustomMenuTooLargeText) + "\n" + path + "\n\n" +
                               CustomMenuTooLargeDetail(),
                           kCustomMenuUnreadableTitle, MessageIcon::Error);
  }
}

std::string CustomMenuTooLargeDetail() {
  const std::string bound = std::to_string(kMaxCustomMenuItems);
  return "Menu może mieć najwyżej " + bound + " pozycji; pokazano pierwsze " + bound +
         ", resztę pliku pominięto.";
}

void MenuBuilders::BeforePopup(ToolbarButton button) {
  switch (ButtonInfoOf(button).rebuild) {
    case RebuildBeforePopup::QuickLaunch:
      BuildQuickLaunchMenu();
      break;
    case RebuildBeforePopup::Documents:
      BuildDocumentsMenu();
      break;
    case RebuildBeforePopup::MakerPrograms:
      BuildMakerProgramsMenu();
      break;
    case RebuildBeforePopup::Drives:
      BuildDrivesMenu();
      break;
    default:  // the fixed menus, whose rules refresh them
      break;
  }
}

std::string MenuBuilders::CaptionOfFile(std::string_view path) const {
  std::string name = FileNameOf(path);
  return sources_.options.showFileExtensions ? name : WithoutExtension(name);
}

// The hint is copied before anything runs: the builders that an action ends with
// refill the very slots the item may be one of.
void MenuBuilders::OpenItemTarget(const MenuItem& item) {
  const std::string target = item.Hint;
  sources_.launcher.OpenWithShell(target);
  sources_.toolbar.ReleaseButtons();
}

void MenuBuilders::OpenWebItem(const MenuItem& item) {
  const std::string caption = item.Caption;
  const std::string address = item.Hint;
  sources_.launcher.OpenWithShell(address);
  RememberWebPage(caption, address);
  sources_.toolbar.ReleaseButtons();
}

void MenuBuilders::OpenDocumentItem(const MenuItem& item) {
  const std::string path = item.Hint;
  sources_.launcher.OpenWithShell(path);
  RememberDocument(path);
  sources_.toolbar.ReleaseButtons();
}

MenuAction MenuBuilders::ItemTargetAction() {
  return [this](const MenuItem& item) { OpenItemTarget(item); };
}
MenuAction MenuBuilders::WebItemAction() {
  return [this](const MenuItem& item) { OpenWebItem(item); };
}
MenuAction MenuBuilders::DocumentItemAction() {
  return [this](const MenuItem& item) { OpenDocumentItem(item); };
}

}  // namespace kromelik
