#pragma once

// One window procedure for every window kind of the program: CreateWindowExW carries the
// object, WM_NCCREATE stores it in the window, and each later message goes to the
// object's HandleMessage until WM_NCDESTROY detaches it.

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

  virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam,
                                    LPARAM lParam) noexcept;

  HWND window_ = nullptr;
};

}  // namespace kromelik
