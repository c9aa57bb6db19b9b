#pragma once

// One window procedure for every window kind of the program: CreateWindowExW carries the
// object, WM_NCCREATE stores it in the window, and each later message goes to the
// object's HandleMessage until WM_NCDESTROY detaches it. Windows run by another procedure
// (the dialog manager's) attach the object themselves.

#include <windows.h>

namespace kromelik {

class Window {
 public:
  Window() = default;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  virtual ~Window();

  HWND Handle() const noexcept { return window_; }

 protected:
  // Registers the class on first use; every window kind has its own class name.
  static bool RegisterClassOnce(const wchar_t* className, HINSTANCE instance, HBRUSH background);
  HWND CreateHandle(DWORD exStyle, const wchar_t* className, const wchar_t* title, DWORD style,
                    int x, int y, int width, int height, HWND owner, HINSTANCE instance);
  // Destroys the window without letting it call back into the object; for destructors,
  // where the object's virtual functions must not run.
  void DestroyHandle() noexcept;
  // For a window whose procedure is not this class's: the object is the window's from
  // now on, kept at `slot` of its window data, which DestroyHandle clears first.
  void AttachHandle(HWND window, int slot) noexcept;
  // At WM_NCDESTROY of such a window: the window is gone, the object stays.
  void DetachHandle() noexcept;

  virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam,
                                    LPARAM lParam) noexcept;

  HWND window_ = nullptr;
  int slot_ = GWLP_USERDATA;  // where the window keeps the object
};

}  // namespace kromelik
