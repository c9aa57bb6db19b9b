#pragma once

// Owners of Win32 handles and COM objects. Each one closes what it holds exactly once;
// they move but never copy, since two owners of one handle would close it twice.
// Borrowed handles (an HWND, a submenu from GetSubMenu) are kept as plain handles.
// Owners of the platform's user-interface objects count what they hold (LiveObjects.h).

#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include <optional>
#include <type_traits>
#include <utility>

#include "win32/CommonControls.h"
#include "win32/LiveObjects.h"

namespace kromelik {

template <class Traits>
class UniqueHandle {
 public:
  using Handle = typename Traits::Handle;

  UniqueHandle() noexcept = default;
  explicit UniqueHandle(Handle handle) noexcept : handle_(handle) { Taken(handle_); }
  ~UniqueHandle() { Reset(); }

  // A move hands the object over: the count stays.
  UniqueHandle(UniqueHandle&& other) noexcept
      : handle_(std::exchange(other.handle_, Traits::Invalid())) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) {
      Reset();
      handle_ = std::exchange(other.handle_, Traits::Invalid());
    }
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;

  Handle Get() const noexcept { return handle_; }
  explicit operator bool() const noexcept { return handle_ != Traits::Invalid(); }

  // Gives the handle up without closing it: whoever takes it owns it, uncounted.
  Handle Release() noexcept {
    Gone(handle_);
    return std::exchange(handle_, Traits::Invalid());
  }
  void Reset(Handle handle = Traits::Invalid()) noexcept {
    Taken(handle);
    const Handle old = std::exchange(handle_, handle);
    if (old != Traits::Invalid()) {
      Gone(old);
      Traits::Close(old);
    }
  }
  // For calls that return a handle through an out-parameter; closes the current one first.
  Handle* Put() noexcept {
    // What the call writes there passes no count.
    static_assert(!Traits::kKind, "a counted object is taken through Reset or the constructor");
    Reset();
    return &handle_;
  }

 private:
  static void Taken(Handle handle) noexcept {
    if constexpr (Traits::kKind.has_value())
      if (handle != Traits::Invalid()) LiveObjectTaken(*Traits::kKind);
  }
  static void Gone(Handle handle) noexcept {
    if constexpr (Traits::kKind.has_value())
      if (handle != Traits::Invalid()) LiveObjectGone(*Traits::kKind);
  }

  Handle handle_ = Traits::Invalid();
};

namespace handle_traits {

struct Key {
  using Handle = HKEY;
  static constexpr std::optional<LiveKind> kKind = std::nullopt;
  static Handle Invalid() noexcept { return nullptr; }
  static void Close(Handle handle) noexcept { RegCloseKey(handle); }
};

// Processes, threads, tokens: the handles that CloseHandle closes and null marks absent.
struct Kernel {
  using Handle = HANDLE;
  static constexpr std::optional<LiveKind> kKind = std::nullopt;
  static Handle Invalid() noexcept { return nullptr; }
  static void Close(Handle handle) noexcept { CloseHandle(handle); }
};

// CreateFile, like FindFirstFile, marks failure with INVALID_HANDLE_VALUE, not null.
struct File {
  using Handle = HANDLE;
  static constexpr std::optional<LiveKind> kKind = std::nullopt;
  static Handle Invalid() noexcept { return INVALID_HANDLE_VALUE; }
  static void Close(Handle handle) noexcept { CloseHandle(handle); }
};

struct Find {
  using Handle = HANDLE;
  static constexpr std::optional<LiveKind> kKind = std::nullopt;
  static Handle Invalid() noexcept { return INVALID_HANDLE_VALUE; }
  static void Close(Handle handle) noexcept { FindClose(handle); }
};

struct Icon {
  using Handle = HICON;
  static constexpr std::optional<LiveKind> kKind = LiveKind::Icon;
  static Handle Invalid() noexcept { return nullptr; }
  static void Close(Handle handle) noexcept { DestroyIcon(handle); }
};

struct Menu {
  using Handle = HMENU;
  static constexpr std::optional<LiveKind> kKind = LiveKind::Menu;
  static Handle Invalid() noexcept { return nullptr; }
  static void Close(Handle handle) noexcept { DestroyMenu(handle); }
};

template <class GdiHandle>
constexpr LiveKind GdiKind() noexcept {
  if constexpr (std::is_same_v<GdiHandle, HFONT>) return LiveKind::Font;
  else if constexpr (std::is_same_v<GdiHandle, HBRUSH>) return LiveKind::Brush;
  else if constexpr (std::is_same_v<GdiHandle, HBITMAP>) return LiveKind::Bitmap;
  else return LiveKind::Pen;
}

template <class GdiHandle>
struct GdiObject {
  using Handle = GdiHandle;
  static constexpr std::optional<LiveKind> kKind = GdiKind<GdiHandle>();
  static Handle Invalid() noexcept { return nullptr; }
  static void Close(Handle handle) noexcept { DeleteObject(handle); }
};

// Memory the shell or COM hands out for the caller to free, such as an item list.
template <class Pointee>
struct CoTaskMemory {
  using Handle = Pointee*;
  static constexpr std::optional<LiveKind> kKind = std::nullopt;
  static Handle Invalid() noexcept { return nullptr; }
  static void Close(Handle handle) noexcept { CoTaskMemFree(handle); }
};

struct MemoryDc {
  using Handle = HDC;
  static constexpr std::optional<LiveKind> kKind = LiveKind::MemoryDc;
  static Handle Invalid() noexcept { return nullptr; }
  static void Close(Handle handle) noexcept { DeleteDC(handle); }
};

struct ImageList {
  using Handle = HIMAGELIST;
  static constexpr std::optional<LiveKind> kKind = LiveKind::ImageList;
  static Handle Invalid() noexcept { return nullptr; }
  static void Close(Handle handle) noexcept { common_controls::ImageListDestroy(handle); }
};

}  // namespace handle_traits

using UniqueKey = UniqueHandle<handle_traits::Key>;
using UniqueKernelHandle = UniqueHandle<handle_traits::Kernel>;
using UniqueFileHandle = UniqueHandle<handle_traits::File>;
using UniqueFindHandle = UniqueHandle<handle_traits::Find>;
using UniqueIcon = UniqueHandle<handle_traits::Icon>;
using UniqueMenu = UniqueHandle<handle_traits::Menu>;
using UniqueFont = UniqueHandle<handle_traits::GdiObject<HFONT>>;
using UniqueBrush = UniqueHandle<handle_traits::GdiObject<HBRUSH>>;
using UniqueBitmap = UniqueHandle<handle_traits::GdiObject<HBITMAP>>;
using UniquePen = UniqueHandle<handle_traits::GdiObject<HPEN>>;
template <class Pointee>
using UniqueCoTaskMemory = UniqueHandle<handle_traits::CoTaskMemory<Pointee>>;
using UniqueImageList = UniqueHandle<handle_traits::ImageList>;
// A device context from CreateCompatibleDC or CreateDC.
using MemoryDc = UniqueHandle<handle_traits::MemoryDc>;

// A window's device context from GetDC, which must go back with ReleaseDC to the same
// window.
class WindowDc {
 public:
  explicit WindowDc(HWND window) noexcept : window_(window), dc_(GetDC(window)) {
    if (dc_ != nullptr) LiveObjectTaken(LiveKind::WindowDc);
  }
  ~WindowDc() { Let(); }
  WindowDc(WindowDc&& other) noexcept
      : window_(other.window_), dc_(std::exchange(other.dc_, nullptr)) {}
  WindowDc& operator=(WindowDc&& other) noexcept {
    if (this != &other) {
      Let();
      window_ = other.window_;
      dc_ = std::exchange(other.dc_, nullptr);
    }
    return *this;
  }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;

  HDC Get() const noexcept { return dc_; }
  explicit operator bool() const noexcept { return dc_ != nullptr; }

 private:
  void Let() noexcept {
    if (dc_ == nullptr) return;
    ReleaseDC(window_, std::exchange(dc_, nullptr));
    LiveObjectGone(LiveKind::WindowDc);
  }

  HWND window_;
  HDC dc_;
};

// Selects an object into a DC and puts the previous one back, so the DC never ends its
// life holding an object that is about to be deleted. Tied to one scope: not movable.
class ScopedSelectObject {
 public:
  ScopedSelectObject(HDC dc, HGDIOBJ object) noexcept
      : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~ScopedSelectObject() {
    // HGDI_ERROR, spelled out: the header's macro does not pass strict conversion warnings.
    const auto failed = reinterpret_cast<HGDIOBJ>(static_cast<INT_PTR>(-1));
    if (previous_ != nullptr && previous_ != failed) SelectObject(dc_, previous_);
  }
  ScopedSelectObject(const ScopedSelectObject&) = delete;
  ScopedSelectObject& operator=(const ScopedSelectObject&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

template <class Interface>
class ComPtr {
 public:
  ComPtr() noexcept = default;
  ~ComPtr() { Reset(); }

  ComPtr(ComPtr&& other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}
  ComPtr& operator=(ComPtr&& other) noexcept {
    if (this != &other) {
      Reset();
      pointer_ = std::exchange(other.pointer_, nullptr);
    }
    return *this;
  }
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;

  Interface* Get() const noexcept { return pointer_; }
  Interface* operator->() const noexcept { return pointer_; }
  explicit operator bool() const noexcept { return pointer_ != nullptr; }

  void Reset() noexcept {
    if (pointer_ != nullptr) std::exchange(pointer_, nullptr)->Release();
  }
  // For CoCreateInstance and QueryInterface, through IID_PPV_ARGS; releases the current
  // object first.
  Interface** Put() noexcept {
    Reset();
    return &pointer_;
  }

 private:
  Interface* pointer_ = nullptr;
};

// COM for the current thread while the object lives. A thread that already has COM in
// the other threading model (RPC_E_CHANGED_MODE, e.g. when a host initialised it first)
// can still use it, but must not uninitialise what it did not initialise.
class ComApartment {
 public:
  explicit ComApartment(DWORD model = COINIT_APARTMENTTHREADED) noexcept
      : result_(CoInitializeEx(nullptr, model)) {}
  ~ComApartment() {
    if (SUCCEEDED(result_)) CoUninitialize();
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;

  bool Usable() const noexcept { return SUCCEEDED(result_) || result_ == RPC_E_CHANGED_MODE; }
  HRESULT Result() const noexcept { return result_; }

 private:
  HRESULT result_;
};

// An empty floppy or CD drive would otherwise make the system ask the user for a disc
// in a modal box and hold the thread until someone answers. Only the calling thread's
// mode is changed, and only while this lives.
class QuietCriticalErrors {
 public:
  QuietCriticalErrors() noexcept {
    if (!SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &previous_))
      restore_ = false;
  }
  ~QuietCriticalErrors() {
    if (restore_) SetThreadErrorMode(previous_, nullptr);
  }
  QuietCriticalErrors(const QuietCriticalErrors&) = delete;
  QuietCriticalErrors& operator=(const QuietCriticalErrors&) = delete;

 private:
  DWORD previous_ = 0;
  bool restore_ = true;
};

}  // namespace kromelik
