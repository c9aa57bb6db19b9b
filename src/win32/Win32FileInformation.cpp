#include "win32/Win32FileInformation.h"

#include <windows.h>
#include <shellapi.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <utility>
#include <vector>

#include "win32/WideText.h"

namespace kromelik {
namespace {

UINT IconFlags(IconSize size) {
  switch (size) {
    case IconSize::Large: return SHGFI_ICON | SHGFI_LARGEICON;
    // The shell's "open" state is asked for at the large size, as the program always did.
    case IconSize::Open: return SHGFI_ICON | SHGFI_OPENICON;
    case IconSize::Small: break;
  }
  return SHGFI_ICON | SHGFI_SMALLICON;
}

// A version block as GetFileVersionInfoW returned it; every answer points into it.
class Win32VersionResource : public VersionResource {
 public:
  explicit Win32VersionResource(std::vector<std::byte> block) : block_(std::move(block)) {}

  std::optional<VersionTranslation> FirstTranslation() const override {
    WORD pair[2] = {};
    const void* value = QueryBytes(L"\\VarFileInfo\\Translation", sizeof(pair));
    if (value == nullptr) return std::nullopt;
    std::memcpy(pair, value, sizeof(pair));
    return VersionTranslation{pair[0], pair[1]};
  }

  std::optional<std::string> QueryString(std::string_view subBlock) const override {
    const auto [value, length] = Query(Utf8ToWide(subBlock));
    if (value == nullptr) return std::nullopt;
    // The reported length counts characters, with or without the NUL depending on the
    // tool that wrote the resource, and some tools wrote bytes: the NUL is what ends the
    // text, and the end of the block is what bounds the search for it.
    const auto* text = static_cast<const wchar_t*>(value);
    const std::size_t room = RoomAfter(value) / sizeof(wchar_t);
    const std::size_t limit = length < room ? length : room;
    std::size_t count = 0;
    while (count < limit && text[count] != L'\0') ++count;
    return WideToUtf8(std::wstring_view(text, count));
  }

  std::optional<FixedVersionInfo> Fixed() const override {
    VS_FIXEDFILEINFO fixed{};
    const void* value = QueryBytes(L"\\", sizeof(fixed));
    if (value == nullptr) return std::nullopt;
    std::memcpy(&fixed, value, sizeof(fixed));
    if (fixed.dwSignature != VS_FFI_SIGNATURE) return std::nullopt;
    return FixedVersionInfo{fixed.dwFileVersionMS,    fixed.dwFileVersionLS,
                            fixed.dwProductVersionMS, fixed.dwProductVersionLS,
                            fixed.dwFileFlagsMask,    fixed.dwFileFlags,
                            fixed.dwFileType,         fixed.dwFileSubtype};
  }

 private:
  struct Answer {
    const void* value;
    UINT length;
  };

  // Only answers that lie inside the block are believed.
  Answer Query(const std::wstring& subBlock) const {
    void* value = nullptr;
    UINT length = 0;
    if (block_.empty() || !VerQueryValueW(block_.data(), subBlock.c_str(), &value, &length) ||
        RoomAfter(value) == 0) {
      return {nullptr, 0};
    }
    return {value, length};
  }

  // A value of at least `size` bytes, all of them inside the block: a malformed file may
  // claim a value that runs past the block's end.
  const void* QueryBytes(const std::wstring& subBlock, std::size_t size) const {
    const auto [value, length] = Query(subBlock);
    if (value == nullptr || length < size || RoomAfter(value) < size) return nullptr;
    return value;
  }

  // Bytes of the block from `value` to its end; 0 when `value` lies outside it.
  std::size_t RoomAfter(const void* value) const {
    const auto start = reinterpret_cast<std::uintptr_t>(block_.data());
    const auto found = reinterpret_cast<std::uintptr_t>(value);
    if (found < start || found - start >= block_.size()) return 0;
    return block_.size() - (found - start);
  }

  std::vector<std::byte> block_;
};

}  // namespace

IconHandle Win32FileInformation::ShellIcon(std::string_view path, IconSize size) {
  SHFILEINFOW info{};
  if (SHGetFileInfoW(Utf8ToWide(path).c_str(), 0, &info, sizeof(info), IconFlags(size)) == 0) {
    if (info.hIcon != nullptr) ::DestroyIcon(info.hIcon);
    return 0;
  }
  return reinterpret_cast<IconHandle>(info.hIcon);
}

IconHandle Win32FileInformation::FileIcon(std::string_view path, int index) {
  if (index < 0) return 0;
  HICON icon = ExtractIconW(GetModuleHandleW(nullptr), Utf8ToWide(path).c_str(),
                            static_cast<UINT>(index));
  // 1 is the call's way of saying that the file is no program, library or icon file:
  // not a handle, so nothing to draw or destroy.
  if (reinterpret_cast<std::uintptr_t>(icon) <= 1) return 0;
  return reinterpret_cast<IconHandle>(icon);
}

void Win32FileInformation::DestroyIcon(IconHandle icon) {
  if (icon != 0) ::DestroyIcon(reinterpret_cast<HICON>(icon));
}

std::optional<std::string> Win32FileInformation::TypeName(std::string_view path) const {
  SHFILEINFOW info{};
  if (SHGetFileInfoW(Utf8ToWide(path).c_str(), 0, &info, sizeof(info), SHGFI_TYPENAME) == 0) {
    return std::nullopt;
  }
  info.szTypeName[std::size(info.szTypeName) - 1] = L'\0';
  return WideToUtf8(info.szTypeName);
}

bool Win32FileInformation::IsProgram(std::string_view path) const {
  SHFILEINFOW info{};
  return SHGetFileInfoW(Utf8ToWide(path).c_str(), 0, &info, sizeof(info), SHGFI_EXETYPE) != 0;
}

std::unique_ptr<VersionResource> VersionResourceOfBlock(std::vector<std::byte> block) {
  return std::make_unique<Win32VersionResource>(std::move(block));
}

std::unique_ptr<VersionResource> Win32FileInformation::ReadVersion(std::string_view path) const {
  const std::wstring widePath = Utf8ToWide(path);
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(widePath.c_str(), &ignored);
  if (size == 0) return nullptr;
  std::vector<std::byte> block(size);
  if (!GetFileVersionInfoW(widePath.c_str(), 0, size, block.data())) return nullptr;
  return VersionResourceOfBlock(std::move(block));
}

}  // namespace kromelik
