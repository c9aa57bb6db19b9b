#pragma once

// The files' icons are asked for in a process of the program's own, started for a batch
// of icons and ended when they are in. Under Wine the shell answers its first icon
// question by loading the common controls and filling a list of every icon size for the
// whole process, 256 pixels the largest: some 3 MB that a strip waiting all day would
// otherwise hold. The helper also takes the blame for a file that hangs or crashes the
// shell: the program waits on a pipe instead, and its own icon calls never queue behind
// a share that stopped answering.
//
// The helper answers with the icon's pixels, which the program makes into an icon of its
// own; the pixels also tell files whose icons are alike apart.

#include <windows.h>

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "menus/ImageList.h"
#include "win32/Handles.h"

namespace kromelik {

// The argument that starts the program as its icon helper.
inline constexpr std::wstring_view kIconHelperArgument = L"/ikony";

// Whether this process was started as the icon helper.
bool StartedAsIconHelper();
// The helper's life: reads requests from its standard input and answers each on its
// standard output, until the program closes the pipe. Returns the exit code.
int RunIconHelper();

// The file's icon, asked for in this process.
UniqueIcon TakeFileIcon(std::string_view path, FileIconKind kind);
// The icon's colour and mask pixels, each picture led by its width and height (width in
// the upper 16 bits); an icon without colour has its mask alone. Empty where they cannot
// be read.
std::vector<std::uint32_t> PixelsOf(HICON icon);
// An icon that draws as the one whose pixels these are; empty where they describe none.
UniqueIcon IconFromPixels(std::span<const std::uint32_t> pixels);

// The program's end of a helper. Used from one thread at a time.
class IconHelper {
 public:
  // `program` is started with kIconHelperArgument.
  explicit IconHelper(std::wstring program);
  ~IconHelper();
  IconHelper(const IconHelper&) = delete;
  IconHelper& operator=(const IconHelper&) = delete;

  // The file's icon as PixelsOf gives it, starting a helper if none runs: empty when the
  // file gives none, or when the helper ended before it answered (a file that breaks the
  // shell is not asked again). nullopt when no helper can be started, or none has ever
  // answered: the icons are then to be asked for in this process.
  std::optional<std::vector<std::uint32_t>> Fetch(std::string_view path, FileIconKind kind);
  // Lets the helper end; the next Fetch starts another.
  void Stop();

 private:
  bool Start();

  std::wstring program_;
  UniqueKernelHandle job_;  // the helper ends with the program, even while a file hangs it
  UniqueKernelHandle process_;
  UniqueKernelHandle requests_;
  UniqueKernelHandle answers_;
  bool answered_ = false;  // some helper has answered: the helpers work here
  bool unusable_ = false;
};

}  // namespace kromelik
