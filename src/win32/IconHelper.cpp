#include "win32/IconHelper.h"

#include <shellapi.h>

#include <algorithm>
#include <cstring>
#include <utility>

#include "win32/Pictures.h"
#include "win32/WideText.h"
#include "win32/Win32FileInformation.h"

namespace kromelik {

namespace {

// The longest path the platform takes is 32,767 UTF-16 units, at most three bytes each.
constexpr std::uint32_t kLongestPath = 3 * 32767;
// A 256-pixel colour picture and its mask, the largest PixelsOf reads, each led by its size.
constexpr std::uint32_t kMostWords = 2 + 256 * 512 + 256 * 512;

// Moves all `size` bytes through the pipe, in as many pieces as it takes; false once the
// other end has gone.
template <class Byte, class Call>
bool Whole(HANDLE pipe, Byte* data, std::size_t size, Call call) {
  while (size > 0) {
    DWORD moved = 0;
    const auto chunk = static_cast<DWORD>(std::min<std::size_t>(size, 1u << 20));
    if (!call(pipe, data, chunk, &moved, nullptr) || moved == 0) return false;
    data += moved;
    size -= moved;
  }
  return true;
}

bool ReadAll(HANDLE pipe, void* data, std::size_t size) {
  return Whole(pipe, static_cast<char*>(data), size, ReadFile);
}

bool WriteAll(HANDLE pipe, const void* data, std::size_t size) {
  return Whole(pipe, static_cast<const char*>(data), size, WriteFile);
}

struct PixelPicture {
  int width = 0;
  int height = 0;
  std::span<const std::uint32_t> pixels;
};

}  // namespace

UniqueIcon TakeFileIcon(std::string_view path, FileIconKind kind) {
  Win32FileInformation files;
  const IconHandle icon = kind == FileIconKind::Stored ? files.FileIcon(path, 0)
                                                       : files.ShellIcon(path, IconSize::Small);
  return UniqueIcon(reinterpret_cast<HICON>(icon));
}

std::vector<std::uint32_t> PixelsOf(HICON icon) {
  ICONINFO info{};
  if (icon == nullptr || !GetIconInfo(icon, &info)) return {};
  const UniqueBitmap colour(info.hbmColor);
  const UniqueBitmap mask(info.hbmMask);
  const MemoryDc dc(CreateCompatibleDC(nullptr));
  if (!dc) return {};
  std::vector<std::uint32_t> pixels;
  for (const HBITMAP bitmap : {colour.Get(), mask.Get()}) {
    if (bitmap == nullptr) continue;
    BITMAP shape{};
    if (GetObjectW(bitmap, sizeof(shape), &shape) == 0 || shape.bmWidth <= 0 ||
        shape.bmHeight <= 0 || shape.bmWidth > 256 || shape.bmHeight > 512)
      return {};
    BITMAPINFO format = TopDown32(shape.bmWidth, shape.bmHeight);
    const std::size_t start = pixels.size();
    pixels.resize(start + 1 + static_cast<std::size_t>(shape.bmWidth) *
                                  static_cast<std::size_t>(shape.bmHeight));
    pixels[start] = static_cast<std::uint32_t>(shape.bmWidth) << 16 |
                    static_cast<std::uint32_t>(shape.bmHeight);
    if (GetDIBits(dc.Get(), bitmap, 0, static_cast<UINT>(shape.bmHeight), &pixels[start + 1],
                  &format, DIB_RGB_COLORS) != shape.bmHeight)
      return {};
  }
  return pixels;
}

UniqueIcon IconFromPixels(std::span<const std::uint32_t> pixels) {
  std::vector<PixelPicture> pictures;
  std::size_t at = 0;
  while (at < pixels.size() && pictures.size() < 2) {
    const int width = static_cast<int>(pixels[at] >> 16);
    const int height = static_cast<int>(pixels[at] & 0xFFFF);
    const std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    if (width <= 0 || height <= 0 || width > 256 || height > 512 ||
        count > pixels.size() - at - 1)
      return {};
    pictures.push_back({width, height, pixels.subspan(at + 1, count)});
    at += 1 + count;
  }
  if (pictures.empty() || at != pixels.size()) return {};

  // The mask as a monochrome bitmap wants it: rows of whole 16-bit words, set where white.
  const PixelPicture& maskPicture = pictures.back();
  const std::size_t stride = (static_cast<std::size_t>(maskPicture.width) + 15) / 16 * 2;
  std::vector<BYTE> maskBits(stride * static_cast<std::size_t>(maskPicture.height), 0);
  for (int y = 0; y < maskPicture.height; ++y)
    for (int x = 0; x < maskPicture.width; ++x)
      if ((maskPicture.pixels[static_cast<std::size_t>(y * maskPicture.width + x)] & 0xFFFFFF) != 0)
        maskBits[static_cast<std::size_t>(y) * stride + static_cast<std::size_t>(x / 8)] |=
            static_cast<BYTE>(0x80 >> (x % 8));
  const UniqueBitmap mask(
      CreateBitmap(maskPicture.width, maskPicture.height, 1, 1, maskBits.data()));
  if (!mask) return {};

  // The colours with their alpha, which the icon keeps where the shell's had one.
  UniqueBitmap colour;
  if (pictures.size() == 2) {
    const PixelPicture& colourPicture = pictures.front();
    const BITMAPINFO format = TopDown32(colourPicture.width, colourPicture.height);
    void* bits = nullptr;
    colour = UniqueBitmap(CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!colour || bits == nullptr) return {};
    std::memcpy(bits, colourPicture.pixels.data(), colourPicture.pixels.size_bytes());
  }
  ICONINFO info{TRUE, 0, 0, mask.Get(), colour.Get()};
  return UniqueIcon(CreateIconIndirect(&info));
}

bool StartedAsIconHelper() {
  int count = 0;
  LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  if (arguments == nullptr) return false;
  const bool helper = count == 2 && kIconHelperArgument == arguments[1];
  LocalFree(arguments);
  return helper;
}

int RunIconHelper() {
  const ComApartment com(COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  const QuietCriticalErrors quiet;
  const HANDLE requests = GetStdHandle(STD_INPUT_HANDLE);
  const HANDLE answers = GetStdHandle(STD_OUTPUT_HANDLE);
  if (requests == nullptr || requests == INVALID_HANDLE_VALUE || answers == nullptr ||
      answers == INVALID_HANDLE_VALUE)
    return 1;
  for (;;) {
    std::uint32_t head[2] = {};  // the kind of icon, the path's length in bytes
    if (!ReadAll(requests, head, sizeof head)) return 0;  // the program closed the pipe
    if (head[0] > 1 || head[1] > kLongestPath) return 1;
    std::string path(head[1], '\0');
    if (!ReadAll(requests, path.data(), path.size())) return 0;
    const UniqueIcon icon =
        TakeFileIcon(path, head[0] == 1 ? FileIconKind::Stored : FileIconKind::Shell);
    const std::vector<std::uint32_t> pixels = PixelsOf(icon.Get());
    const auto count = static_cast<std::uint32_t>(pixels.size());
    if (!WriteAll(answers, &count, sizeof count) ||
        !WriteAll(answers, pixels.data(), pixels.size() * sizeof(std::uint32_t)))
      return 0;
  }
}

IconHelper::IconHelper(std::wstring program) : program_(std::move(program)) {}

IconHelper::~IconHelper() { Stop(); }

bool IconHelper::Start() {
  if (!job_) {
    job_ = UniqueKernelHandle(CreateJobObjectW(nullptr, nullptr));
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
    if (job_ && !SetInformationJobObject(job_.Get(), JobObjectExtendedLimitInformation, &limits,
                                         sizeof limits))
      job_ = UniqueKernelHandle();
  }
  // Only the helper's ends are inherited; the program's stay its own.
  SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
  HANDLE helperReads = nullptr;
  HANDLE weWrite = nullptr;
  HANDLE weRead = nullptr;
  HANDLE helperWrites = nullptr;
  if (!CreatePipe(&helperReads, &weWrite, &inherited, 0)) return false;
  UniqueKernelHandle requestsIn(helperReads);
  UniqueKernelHandle requests(weWrite);
  if (!CreatePipe(&weRead, &helperWrites, &inherited, 0)) return false;
  UniqueKernelHandle answers(weRead);
  UniqueKernelHandle answersOut(helperWrites);
  if (!SetHandleInformation(requests.Get(), HANDLE_FLAG_INHERIT, 0) ||
      !SetHandleInformation(answers.Get(), HANDLE_FLAG_INHERIT, 0))
    return false;

  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = requestsIn.Get();
  startup.hStdOutput = answersOut.Get();
  std::wstring commandLine = L"\"" + program_ + L"\" " + std::wstring(kIconHelperArgument);
  PROCESS_INFORMATION started{};
  if (!CreateProcessW(program_.c_str(), commandLine.data(), nullptr, nullptr, TRUE,
                      CREATE_SUSPENDED | CREATE_NO_WINDOW, nullptr, nullptr, &startup, &started))
    return false;
  const UniqueKernelHandle thread(started.hThread);
  UniqueKernelHandle process(started.hProcess);
  if (job_) AssignProcessToJobObject(job_.Get(), process.Get());
  ResumeThread(thread.Get());
  process_ = std::move(process);
  requests_ = std::move(requests);
  answers_ = std::move(answers);
  return true;
}

std::optional<std::vector<std::uint32_t>> IconHelper::Fetch(std::string_view path,
                                                           FileIconKind kind) {
  if (path.size() > kLongestPath) return std::vector<std::uint32_t>{};
  if (unusable_) return std::nullopt;
  if (!process_ && !Start()) {
    unusable_ = !answered_;
    return std::nullopt;
  }
  const std::uint32_t head[2] = {kind == FileIconKind::Stored ? 1u : 0u,
                                 static_cast<std::uint32_t>(path.size())};
  std::uint32_t count = 0;
  if (WriteAll(requests_.Get(), head, sizeof head) &&
      WriteAll(requests_.Get(), path.data(), path.size()) &&
      ReadAll(answers_.Get(), &count, sizeof count) && count <= kMostWords) {
    std::vector<std::uint32_t> pixels(count);
    if (ReadAll(answers_.Get(), pixels.data(), pixels.size() * sizeof(std::uint32_t))) {
      answered_ = true;
      return pixels;
    }
  }
  Stop();
  // A helper that never answered cannot run here; one that did broke on this file, which
  // had its chance, and the next file starts another.
  if (!answered_) {
    unusable_ = true;
    return std::nullopt;
  }
  return std::vector<std::uint32_t>{};
}

void IconHelper::Stop() {
  // With its requests closed the helper reads their end and ends.
  requests_ = UniqueKernelHandle();
  answers_ = UniqueKernelHandle();
  process_ = UniqueKernelHandle();
}

}  // namespace kromelik
