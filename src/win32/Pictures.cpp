#include "win32/Pictures.h"

#include <shellapi.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <type_traits>
#include <utility>

#include "win32/SystemLibrary.h"
#include "win32/WideText.h"
#include "win32/Win32FileSystem.h"
#include "win32/Win32ShellFolders.h"

namespace kromelik {

namespace {

SHSTOCKICONID StockIconId(StockIcon stock) {
  switch (stock) {
    case StockIcon::Application: return SIID_APPLICATION;
    case StockIcon::Document: return SIID_DOCNOASSOC;
    case StockIcon::Folder: return SIID_FOLDER;
    case StockIcon::FolderOpen: return SIID_FOLDEROPEN;
    case StockIcon::Computer: return SIID_DESKTOPPC;
    case StockIcon::DriveFloppy: return SIID_DRIVE35;
    case StockIcon::DriveRemovable: return SIID_DRIVEREMOVE;
    case StockIcon::DriveFixed: return SIID_DRIVEFIXED;
    case StockIcon::DriveCd: return SIID_DRIVECD;
    case StockIcon::DriveNet: return SIID_DRIVENET;
    case StockIcon::Printer: return SIID_PRINTER;
    case StockIcon::Network: return SIID_MYNETWORK;
    case StockIcon::Internet: return SIID_INTERNET;
    case StockIcon::Help: return SIID_HELP;
    case StockIcon::Info: return SIID_INFO;
    case StockIcon::Settings: return SIID_SETTINGS;
    case StockIcon::Find: return SIID_FIND;
    case StockIcon::Users: return SIID_USERS;
    case StockIcon::Shield: return SIID_SHIELD;
    case StockIcon::Key: return SIID_KEY;
    case StockIcon::Software: return SIID_SOFTWARE;
    case StockIcon::Lock: return SIID_LOCK;
    case StockIcon::Link: return SIID_LINK;
    case StockIcon::AudioFiles: return SIID_AUDIOFILES;
    case StockIcon::ImageFiles: return SIID_IMAGEFILES;
    case StockIcon::VideoFiles: return SIID_VIDEOFILES;
    case StockIcon::MediaCd: return SIID_MEDIACDAUDIO;
    case StockIcon::Recycler: return SIID_RECYCLER;
    // The shell has no stock picture of the desktop itself; its computer stands in.
    case StockIcon::Desktop: return SIID_DESKTOPPC;
    case StockIcon::Server: return SIID_SERVER;
    case StockIcon::Warning: return SIID_WARNING;
    case StockIcon::Error: return SIID_ERROR;
    case StockIcon::Share: return SIID_SHARE;
    case StockIcon::MixedFiles: return SIID_MIXEDFILES;
  }
  return SIID_APPLICATION;
}

// The user32 picture that shows the same, for the few stock pictures that have one.
const wchar_t* SystemIconId(StockIcon stock) {
  switch (stock) {
    case StockIcon::Application: return IDI_APPLICATION;
    case StockIcon::Info: return IDI_INFORMATION;
    case StockIcon::Help: return IDI_QUESTION;
    case StockIcon::Warning: return IDI_WARNING;
    case StockIcon::Error: return IDI_ERROR;
    case StockIcon::Shield: return IDI_SHIELD;
    default: return nullptr;
  }
}

UniqueIcon ShellStockIcon(StockIcon stock, int size) {
  SHSTOCKICONINFO info{};
  info.cbSize = sizeof(info);
  const UINT which = size > 16 ? SHGSI_LARGEICON : SHGSI_SMALLICON;
  if (FAILED(SHGetStockIconInfo(StockIconId(stock), SHGSI_ICON | which, &info)))
    return UniqueIcon();
  return UniqueIcon(info.hIcon);
}

// The shell library's own picture by its resource number, which has stayed the same
// across Windows versions and which Wine keeps too; Wine answers the stock-icon query
// without an icon, so there this is where the pictures come from.
int ShellResourceId(StockIcon stock) {
  switch (stock) {
    case StockIcon::Application: return 3;
    case StockIcon::Document: return 2;
    case StockIcon::Folder: return 4;
    case StockIcon::FolderOpen: return 5;
    case StockIcon::Computer: return 16;
    case StockIcon::DriveFloppy: return 7;
    case StockIcon::DriveRemovable: return 8;
    case StockIcon::DriveFixed: return 9;
    case StockIcon::DriveCd: return 12;
    case StockIcon::DriveNet: return 10;
    case StockIcon::Printer: return 17;
    case StockIcon::Network: return 18;
    case StockIcon::Internet: return 14;
    case StockIcon::Help: return 24;
    case StockIcon::Settings: return 22;
    case StockIcon::Find: return 23;
    case StockIcon::Lock: return 48;
    case StockIcon::Link: return 25;
    case StockIcon::AudioFiles: return 40;
    case StockIcon::MediaCd: return 40;
    case StockIcon::Recycler: return 32;
    case StockIcon::Desktop: return 35;
    case StockIcon::Server: return 15;
    case StockIcon::Share: return 19;
    case StockIcon::MixedFiles: return 42;
    default: return 0;
  }
}

UniqueIcon ShellResourceIcon(StockIcon stock, int size) {
  const int id = ShellResourceId(stock);
  if (id == 0) return UniqueIcon();
  HICON large = nullptr;
  HICON small = nullptr;
  const bool wantLarge = size > 16;
  if (ExtractIconExW(L"shell32.dll", -id, wantLarge ? &large : nullptr,
                     wantLarge ? nullptr : &small, 1) == 0)
    return UniqueIcon();
  return UniqueIcon(wantLarge ? large : small);
}

UniqueIcon SystemIcon(const wchar_t* id, int size) {
  // Loaded at the small size by its OEM number, the icon is the caller's own; the shared
  // copy LoadIconW hands out must never be destroyed, so it is only copied.
  UniqueIcon icon(static_cast<HICON>(LoadImageW(nullptr, id, IMAGE_ICON, size, size, 0)));
  if (!icon) {
    if (const HICON shared = LoadIconW(nullptr, id)) icon.Reset(CopyIcon(shared));
  }
  return icon;
}

UniqueIcon SmallIconOfFile(const std::wstring& path, int index) {
  HICON small = nullptr;
  if (ExtractIconExW(path.c_str(), index, nullptr, &small, 1) == 0 || small == nullptr)
    return UniqueIcon();
  return UniqueIcon(small);
}

// The program's own picture, or the system's picture of a program when it has none.
UniqueIcon ApplicationIcon(int size) {
  std::wstring path(MAX_PATH, L'\0');
  const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
  if (length > 0 && length < path.size()) {
    path.resize(length);
    if (UniqueIcon own = SmallIconOfFile(path, 0)) return own;
  }
  return SystemIcon(IDI_APPLICATION, size);
}

}  // namespace

UniqueIcon StockPicture(StockIcon stock, int size) {
  if (UniqueIcon icon = ShellStockIcon(stock, size)) return icon;
  if (UniqueIcon icon = ShellResourceIcon(stock, size)) return icon;
  if (const wchar_t* id = SystemIconId(stock)) {
    if (UniqueIcon icon = SystemIcon(id, size)) return icon;
  }
  return ApplicationIcon(size);
}

BITMAPINFO TopDown32(int width, int height) {
  BITMAPINFO format{};
  format.bmiHeader.biSize = sizeof(format.bmiHeader);
  format.bmiHeader.biWidth = width;
  format.bmiHeader.biHeight = -height;
  format.bmiHeader.biPlanes = 1;
  format.bmiHeader.biBitCount = 32;
  format.bmiHeader.biCompression = BI_RGB;
  return format;
}

namespace {

UniqueIcon FilePicture(const FileIconPicture& picture, int size) {
  if (!picture.file.empty()) {
    const Win32ShellFolders folders;
    const Win32FileSystem files;
    for (const std::string& directory : {folders.SystemDirectory(), folders.WindowsDirectory()}) {
      if (directory.empty()) continue;
      std::string path = directory;
      if (path.back() != '\\') path += '\\';
      path += picture.file;
      if (!files.FileExists(path)) continue;
      if (UniqueIcon icon = SmallIconOfFile(Utf8ToWide(path), picture.index)) return icon;
      break;  // the file is there but has no such icon: the fallback, not another copy
    }
  }
  return StockPicture(picture.fallback, size);
}

// A top-down 32-bit DIB section and its pixels.
struct Dib {
  UniqueBitmap bitmap;
  std::uint32_t* pixels = nullptr;
};

Dib MakeDib(int size) {
  const BITMAPINFO info = TopDown32(size, size);
  void* bits = nullptr;
  Dib dib;
  dib.bitmap.Reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (dib.bitmap && bits != nullptr) {
    dib.pixels = static_cast<std::uint32_t*>(bits);
    std::memset(bits, 0, static_cast<std::size_t>(size) * static_cast<std::size_t>(size) * 4);
  } else {
    dib.bitmap.Reset();
  }
  return dib;
}

bool DrawInto(const Dib& dib, HICON icon, int size, UINT flags) {
  const MemoryDc dc(CreateCompatibleDC(nullptr));
  if (!dc) return false;
  const ScopedSelectObject select(dc.Get(), dib.bitmap.Get());
  const bool drawn = DrawIconEx(dc.Get(), 0, 0, icon, size, size, 0, nullptr, flags) != FALSE;
  GdiFlush();
  return drawn;
}

constexpr std::uint32_t Alpha(std::uint32_t pixel) { return pixel >> 24; }

}  // namespace

int PictureCache::IconSize(int dpi) noexcept {
  // Windows 10's per-DPI metrics; elsewhere the system's, scaled from its own DPI.
  using ForDpiFunction = int(WINAPI*)(int, UINT);
  static const auto forDpi =
      SystemFunction<ForDpiFunction>(L"user32.dll", "GetSystemMetricsForDpi");
  int size = forDpi != nullptr ? forDpi(SM_CXSMICON, static_cast<UINT>(dpi)) : 0;
  if (size <= 0) size = MulDiv(GetSystemMetrics(SM_CXSMICON), dpi, SystemDpi());
  return size > 0 ? size : MulDiv(16, dpi, USER_DEFAULT_SCREEN_DPI);
}

void PictureCache::SetDpi(int dpi) noexcept {
  const int size = dpi > 0 ? IconSize(dpi) : iconSize_;
  if (size == iconSize_) return;
  iconSize_ = size;
  for (auto& [list, entries] : lists_)
    for (Entry& entry : entries.entries) Retire(entry);
  fixed_.clear();
}

std::shared_ptr<const UniqueIcon> PictureCache::FixedIcon(const Picture& picture) {
  const auto* stock = std::get_if<StockIcon>(&picture);
  const auto* file = std::get_if<FileIconPicture>(&picture);
  std::string key =
      stock != nullptr
          ? "stock " + std::to_string(static_cast<int>(*stock))
          : "file " + std::to_string(file->index) + " " +
                std::to_string(static_cast<int>(file->fallback)) + " " + file->file;
  std::weak_ptr<const UniqueIcon>& shared = fixed_[std::move(key)];
  std::shared_ptr<const UniqueIcon> icon = shared.lock();
  if (!icon) {
    icon = std::make_shared<const UniqueIcon>(stock != nullptr ? StockPicture(*stock, iconSize_)
                                                               : FilePicture(*file, iconSize_));
    shared = icon;
  }
  return icon;
}

void PictureCache::Retire(Entry& entry) {
  if (entry.owned || entry.bitmap || entry.grey)
    retired_.push_back({std::move(entry.owned), std::move(entry.bitmap), std::move(entry.grey)});
  entry = Entry{};
}

UniqueBitmap MakePremultipliedBitmap(HICON icon, int size) {
  if (icon == nullptr || size <= 0) return UniqueBitmap();
  Dib image = MakeDib(size);
  if (!image.bitmap || !DrawInto(image, icon, size, DI_NORMAL)) return UniqueBitmap();

  const std::size_t count = static_cast<std::size_t>(size) * static_cast<std::size_t>(size);
  std::uint32_t* const begin = image.pixels;
  std::uint32_t* const end = begin + count;
  // An icon with an alpha channel is blended onto the transparent black DIB, which
  // leaves it premultiplied already. One without leaves every alpha at zero: its
  // transparency is in the mask, black where the picture is opaque.
  if (std::any_of(begin, end, [](std::uint32_t pixel) { return Alpha(pixel) != 0; }))
    return std::move(image.bitmap);

  Dib mask = MakeDib(size);
  if (!mask.bitmap || !DrawInto(mask, icon, size, DI_MASK)) return UniqueBitmap();
  for (std::size_t i = 0; i < count; ++i) {
    const bool opaque = (mask.pixels[i] & 0x00FFFFFFu) == 0;
    begin[i] = opaque ? (begin[i] | 0xFF000000u) : 0u;
  }
  return std::move(image.bitmap);
}

PictureCache::Entry* PictureCache::Find(const ImageList& images, int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= images.Count()) return nullptr;

  ListEntries& list = lists_[&images];
  if (list.generation != images.Generation() || list.entries.size() != images.Count()) {
    // A rebuilt menu changes only the tail of its list: the fixed pictures before it
    // keep what was extracted for them. A run-time icon is looked at again, since a
    // new icon may have been given the handle of one released meanwhile.
    list.entries.resize(images.Count());
    // A file that gave no icon is asked again: it may have one by now.
    for (std::size_t i = 0; i < list.entries.size(); ++i) {
      Entry& entry = list.entries[i];
      if (!entry.resolved) continue;
      if (entry.missing) {
        const auto& file = std::get<IconOfFile>(entry.picture);
        fetcher_.Forget(IconKey{file.path, file.kind});
      }
      if (entry.missing || std::holds_alternative<IconHandle>(entry.picture) ||
          entry.picture != images.Pictures()[i])
        Retire(entry);
    }
    // A picture standing by shows its stand-by's icon, which must still be there.
    for (Entry& entry : list.entries)
      if (entry.standBy >= 0 && !list.entries[static_cast<std::size_t>(entry.standBy)].resolved)
        Retire(entry);
    list.generation = images.Generation();
  }
  Entry& entry = list.entries[static_cast<std::size_t>(index)];
  if (entry.resolved) return &entry;

  const Picture& picture = images.Pictures()[static_cast<std::size_t>(index)];
  entry.picture = picture;
  if (std::holds_alternative<StockIcon>(picture) ||
      std::holds_alternative<FileIconPicture>(picture)) {
    entry.owned = FixedIcon(picture);
    entry.icon = entry.owned->Get();
  } else if (const auto* handle = std::get_if<IconHandle>(&picture)) {
    entry.icon = reinterpret_cast<HICON>(*handle);
  } else if (const auto* own = std::get_if<IconOfFile>(&picture)) {
    const IconKey key{own->path, own->kind};
    const UniqueIcon* fetched = fetcher_.Find(key);
    if (fetched != nullptr && *fetched) {
      entry.icon = fetched->Get();  // the fetcher's, shared by every list that shows it
    } else {
      if (fetched == nullptr) {
        if (!fetchesHeld_) fetcher_.Request(key, window_);
        waiting_[key].emplace_back(&images, static_cast<std::size_t>(index));
      }
      entry.waiting = fetched == nullptr;
      entry.missing = fetched != nullptr;
      // The list lets a file's icon stand by only on an earlier picture that is no file's
      // icon, so this looks no further. Its pictures are shown as they are, never copied:
      // a thousand files may stand by at once in a menu opened for the first time.
      if (const Entry* standBy = Find(images, own->standBy); standBy != nullptr && standBy->icon) {
        entry.icon = standBy->icon;
        entry.standBy = own->standBy;
      }
    }
  }
  entry.resolved = true;
  return &entry;
}

void PictureCache::Prefetch(const ImageList& images) {
  if (fetchesHeld_) return;
  for (const Picture& picture : images.Pictures())
    if (const auto* file = std::get_if<IconOfFile>(&picture))
      fetcher_.Request(IconKey{file->path, file->kind}, window_);
}

void PictureCache::ReleaseFetches() {
  if (!std::exchange(fetchesHeld_, false)) return;
  for (const auto& waiting : waiting_) fetcher_.Request(waiting.first, window_);
}

void PictureCache::Arrived(const IconKey& key) {
  if (waiting_.contains(key)) arrivals_.push_back(key);
}

bool PictureCache::Refresh() {
  fetcher_.Collect();
  bool changed = false;
  for (const IconKey& key : std::exchange(arrivals_, {})) {
    const auto places = waiting_.find(key);
    if (places == waiting_.end()) continue;
    const UniqueIcon* fetched = fetcher_.Find(key);
    for (const auto& [images, index] : places->second) {
      // The list may have changed meanwhile: only an entry still waiting for this file.
      const auto list = lists_.find(images);
      if (list == lists_.end() || index >= list->second.entries.size()) continue;
      Entry& entry = list->second.entries[index];
      const auto* file = std::get_if<IconOfFile>(&entry.picture);
      if (!entry.waiting || file == nullptr || file->path != key.path || file->kind != key.kind)
        continue;
      if (fetched != nullptr && *fetched) {
        Retire(entry);
        changed = true;
      } else {
        entry.waiting = false;
        entry.missing = true;
      }
    }
    waiting_.erase(places);
  }
  return changed;
}

bool PictureCache::HasIcon(const ImageList& images, int index) const {
  if (index < 0 || static_cast<std::size_t>(index) >= images.Count()) return false;
  const Picture& picture = images.Pictures()[static_cast<std::size_t>(index)];
  if (const auto* handle = std::get_if<IconHandle>(&picture)) return *handle != IconHandle{};
  const auto* file = std::get_if<IconOfFile>(&picture);
  if (file == nullptr) return true;  // a stock or file picture has its fallbacks
  const UniqueIcon* fetched = fetcher_.Find(IconKey{file->path, file->kind});
  if (fetched != nullptr && *fetched) return true;
  return file->standBy >= 0 && file->standBy < index && HasIcon(images, file->standBy);
}

HICON PictureCache::Icon(const ImageList& images, int index) {
  const Entry* entry = Find(images, index);
  return entry != nullptr ? entry->icon : nullptr;
}

HBITMAP PictureCache::Bitmap(const ImageList& images, int index) {
  Entry* entry = Find(images, index);
  if (entry == nullptr || entry->icon == nullptr) return nullptr;
  if (entry->standBy >= 0) return Bitmap(images, entry->standBy);
  if (!entry->bitmap) entry->bitmap = MakePremultipliedBitmap(entry->icon, iconSize_);
  return entry->bitmap.Get();
}

HBITMAP PictureCache::GreyBitmap(const ImageList& images, int index) {
  Entry* entry = Find(images, index);
  if (entry == nullptr || entry->icon == nullptr) return nullptr;
  if (entry->standBy >= 0) return GreyBitmap(images, entry->standBy);
  if (entry->grey) return entry->grey.Get();

  const int size = iconSize_;
  UniqueBitmap grey = MakePremultipliedBitmap(entry->icon, size);
  if (!grey) return nullptr;
  DIBSECTION section{};
  if (GetObjectW(grey.Get(), sizeof(section), &section) != sizeof(section) ||
      section.dsBm.bmBits == nullptr)
    return nullptr;
  auto* pixels = static_cast<std::uint32_t*>(section.dsBm.bmBits);
  const std::size_t count = static_cast<std::size_t>(size) * static_cast<std::size_t>(size);
  for (std::size_t i = 0; i < count; ++i) {
    const std::uint32_t pixel = pixels[i];
    const std::uint32_t alpha = Alpha(pixel);
    const std::uint32_t red = (pixel >> 16) & 0xFFu;
    const std::uint32_t green = (pixel >> 8) & 0xFFu;
    const std::uint32_t blue = pixel & 0xFFu;
    // Luminance keeps the picture recognisable; a tenth of the way to white (in
    // premultiplied terms, to the alpha) is the grey level of disabled items. Both are
    // linear, so the result stays premultiplied.
    std::uint32_t level = (red * 30 + green * 59 + blue * 11) / 100;
    level += (alpha - std::min(level, alpha)) / 10;
    pixels[i] = (alpha << 24) | (level << 16) | (level << 8) | level;
  }
  entry->grey = std::move(grey);
  return entry->grey.Get();
}

}  // namespace kromelik
