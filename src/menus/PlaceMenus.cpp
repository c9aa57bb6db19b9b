// The menus of places: the drives, what the Recent folder's shortcuts lead to, the
// personal folders and the documents opened from the toolbar.

#include <array>
#include <memory>

#include "core/ComponentNames.h"
#include "core/Csidl.h"
#include "core/FileInfo.h"
#include "core/WspolneFunkcje.h"
#include "lists/MruList.h"
#include "menus/MenuBuilders.h"

#include <memory>

namespace kromelik {

namespace {


int PictureOfDrive(DriveType type) {
  switch (type) {
    case DriveType::CdRom: return ImageOf(SharedPicture::CdDrive);
    case DriveType::Fixed: return ImageOf(SharedPicture::FixedDrive);
    case DriveType::Removable: return ImageOf(SharedPicture::RemovableDrive);
    default: return -1;
  }
}

// In the order of the menus' personal folders: pictures, music, video, web sites.
constexpr std::array<std::string_view, 4> kPersonalSubFolders{
    "\\Moje obrazy", "\\Moja muzyka", "\\Moje wideo", "\\Moje witryny sieci Web"};

}  // namespace

void MenuBuilders::BuildDrivesMenu() {
  MenuItem& drives = menus_.DyskiPM;
  // Built again at every opening, after the menu's own items: drives come and go, and a
  // label read in the background since shows.
  if (!fixedDriveItems_) fixedDriveItems_ = drives.Count();
  drives.RemoveFrom(*fixedDriveItems_);
  for (const Drive& drive : sources_.drives.List()) {
    if (drive.type == DriveType::Unknown || drive.type == DriveType::NoRootDirectory) continue;
    const std::string letter(1, drive.letter);
    MenuItem& item = drives.Add("", drive.label + " (" + letter + ":)", PictureOfDrive(drive.type));
    item.Hint = letter + ":\\";
    item.OnClick = ItemTargetAction();
  }
}

// A thousand shortcuts take the better part of a second to read: the menus show without
// them until they are read.
void MenuBuilders::ScanRecentFolder() {
  std::string recent = SpecialFolderPath(sources_.folders, csidl::kRecent);
  if (recent.empty()) return;
  auto found = std::make_shared<std::vector<RecentShortcut>>();
  sources_.background.Post(
      [this, recent = std::move(recent), found](std::stop_token stop) {
        *found = ReadRecentShortcuts(recent, stop);
      },
      [this, found] { ShowRecentShortcuts(*found); });
}

std::vector<MenuBuilders::RecentShortcut> MenuBuilders::ReadRecentShortcuts(
    const std::string& folder, std::stop_token stop) const {
  std::vector<RecentShortcut> found;
  for (const DirectoryEntry& entry : sources_.files.FindEntries(folder + "\\*.lnk")) {
    if (stop.stop_requested()) break;
    std::string target;
    try {
      target = ResolveShortcut(folder + "\\" + entry.name, sources_.files, sources_.shortcuts,
                               sources_.text);
    } catch (const ShellLinkUnavailable&) {
      return {};  // no shortcut can be read on this machine
    }
    if (target.empty()) continue;
    std::string caption =
        entry.name.size() > 4 ? entry.name.substr(0, entry.name.size() - 4) : std::string{};
    found.push_back({std::move(caption), std::move(target)});
  }
  return found;
}

void MenuBuilders::ShowRecentShortcuts(const std::vector<RecentShortcut>& shortcuts) {
  MenuItem& documents = menus_.Fixed().recentDocuments;
  MenuItem& programs = menus_.Fixed().recentPrograms;
  MenuItem& folders = menus_.Fixed().recentFolders;
  for (const RecentShortcut& shortcut : shortcuts) {
    // A target on a share is kept, whether or not the share answers now: users open
    // documents and folders from shares. Until it is known, it shows as a document.
    const PathKind kind = sources_.paths.Check(shortcut.target).kind;
    if (kind == PathKind::File || kind == PathKind::Unknown) {
      const bool program = sources_.text.Upper(ExtensionOf(shortcut.target)) == ".EXE";
      MenuItem& item =
          program ? programs.Add("", shortcut.caption) : documents.Add("", shortcut.caption);
      item.Hint = shortcut.target;
      item.OnClick = DocumentItemAction();
      if (program) {
        item.ImageIndex = AppendIcon(menus_.ImageListPM, shortcut.target, FileIconKind::Shell,
                                     ImageOf(SharedPicture::PlainProgram));
        programs.Visible = true;
      }
    } else if (kind == PathKind::Folder) {
      MenuItem& item = folders.Add("", shortcut.caption);
      item.Hint = shortcut.target;
      item.OnClick = ItemTargetAction();
      folders.Visible = true;
    }
  }
}

void MenuBuilders::BuildDocumentsMenu() {
  ImageList& images = menus_.il_Dokumenty1;
  images.Truncate(0);
  // The shell gives every existing folder an icon; where it does not, a folder is still
  // drawn as one.
  const int folderPicture = images.Add(StockIcon::Folder);
  const auto folderIcon = [&](const std::string& path) {
    return AppendIcon(images, path, FileIconKind::Shell, folderPicture);
  };

  const std::string personal = SpecialFolderPath(sources_.folders, csidl::kPersonal);
  MenuItem& myDocuments = menus_.Fixed().myDocuments;
  myDocuments.ImageIndex = folderIcon(personal);
  myDocuments.Visible = true;
  for (std::size_t i = 0; i < kPersonalSubFolders.size(); ++i) {
    MenuItem& item = *menus_.Fixed().personalFolders[i];
    const std::string path = personal + std::string(kPersonalSubFolders[i]);
    const PathKind kind = sources_.paths.Check(path).kind;
    item.Visible = !personal.empty() && (kind == PathKind::Folder || kind == PathKind::Unknown);
    if (item.Visible) item.ImageIndex = folderIcon(path);
  }
  MenuItem& recent = menus_.Fixed().recentDocuments;
  const std::string recentFolder = SpecialFolderPath(sources_.folders, csidl::kRecent);
  recent.Visible = !recentFolder.empty() && sources_.files.DirectoryExists(recentFolder);
  if (recent.Visible) recent.ImageIndex = folderIcon(recentFolder);

  HideSlots(menus_.Fixed().documents);
  for (const MruEntry& entry : MruList(sources_.registry, kDocumentsMru).ReadEntries()) {
    if (!MayBeFile(sources_.paths.Check(entry.target))) continue;
    MenuItem* slot = SlotOf(menus_.Fixed().documents, entry.number);
    if (slot == nullptr) continue;
    MenuItem& item = *slot;
    item.Caption = CaptionOfFile(entry.target);
    item.Hint = entry.target;
    item.OnClick = DocumentItemAction();
    item.Visible = true;
    item.ImageIndex = AppendIcon(images, entry.target, FileIconKind::Shell, -1);
  }
}

void MenuBuilders::RememberDocument(std::string_view path) {
  const TextServices& text = sources_.text;
  MruList list(sources_.registry, kDocumentsMru);
  std::vector<MruEntry> documents = list.ReadEntries();
  const std::string wanted = text.Upper(path);
  std::erase_if(documents, [&](const MruEntry& document) {
    return document.target.empty() || text.Upper(document.target) == wanted;
  });
  documents.insert(documents.begin(), MruEntry{1, "", std::string(path)});
  list.WriteInOrder(documents);
  BuildDocumentsMenu();
}

}  // namespace kromelik
