#include "win32/Window.h"

#include <exception>
#include <utility>

#include "win32/Diagnostics.h"
#include "win32/LiveObjects.h"

namespace kromelik {

Window::~Window() { DestroyHandle(); }

void Window::DestroyHandle() noexcept {
  if (window_ == nullptr) return;
  // The object goes first: the window must not call back into it while it dies.
  SetWindowLongPtrW(window_, slot_, 0);
  DestroyWindow(std::exchange(window_, nullptr));
  LiveObjectGone(LiveKind::Window);
}

void Window::AttachHandle(HWND window, int slot) noexcept {
  window_ = window;
  slot_ = slot;
  SetWindowLongPtrW(window, slot, reinterpret_cast<LONG_PTR>(this));
  LiveObjectTaken(LiveKind::Window);
}

void Window::DetachHandle() noexcept {
  if (window_ == nullptr) return;
  SetWindowLongPtrW(std::exchange(window_, nullptr), slot_, 0);
  LiveObjectGone(LiveKind::Window);
}

bool Window::RegisterClassOnce(const wchar_t* className, HINSTANCE instance, HBRUSH background) {
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof existing;
  if (GetClassInfoExW(instance, className, &existing)) return true;

  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = &Window::Procedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = background;
  windowClass.lpszClassName = className;
  return RegisterClassExW(&windowClass) != 0;
}

HWND Window::CreateHandle(DWORD exStyle, const wchar_t* className, const wchar_t* title,
                          DWORD style, int x, int y, int width, int height, HWND owner,
                          HINSTANCE instance) {
  return CreateWindowExW(exStyle, className, title, style, x, y, width, height, owner, nullptr,
                         instance, this);
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(window_, message, wParam, lParam);
}

LRESULT CALLBACK Window::Procedure(HWND window, UINT message, WPARAM wParam,
                                   LPARAM lParam) noexcept {
  Window* self = nullptr;
  if (message == WM_NCCREATE) {
    self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    LiveObjectTaken(LiveKind::Window);
  } else {
    self = reinterpret_cast<Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  }
  if (self == nullptr) return DefWindowProcW(window, message, wParam, lParam);

  LRESULT result = 0;
  try {
    result = self->HandleMessage(message, wParam, lParam);
  } catch (const std::exception& error) {
    // Nothing may unwind through the system's frames; a failed handler counts as
    // handled by default processing, and is told of.
    ReportSwallowed(window, MessageName(message).c_str(), error.what());
    result = DefWindowProcW(window, message, wParam, lParam);
  } catch (...) {
    ReportSwallowed(window, MessageName(message).c_str(), nullptr);
    result = DefWindowProcW(window, message, wParam, lParam);
  }
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    self->window_ = nullptr;
    LiveObjectGone(LiveKind::Window);
  }
  return result;
}

}  // namespace kromelik
