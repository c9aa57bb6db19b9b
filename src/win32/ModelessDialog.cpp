#include "win32/ModelessDialog.h"

#include <algorithm>
#include <vector>

#include "win32/WideText.h"

namespace kromelik {

namespace {

constexpr wchar_t kClassName[] = L"KromelikDialog";

std::vector<HWND>& OpenDialogs() {
  static std::vector<HWND> dialogs;
  return dialogs;
}

}  // namespace

ModelessDialog::~ModelessDialog() { Close(); }

bool ModelessDialog::Create(HINSTANCE instance, HWND owner, const std::string& title,
                            int clientWidth, int clientHeight) {
  if (!RegisterClassOnce(kClassName, instance, GetSysColorBrush(COLOR_BTNFACE))) return false;
  constexpr DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
  constexpr DWORD exStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
  RECT frame{0, 0, clientWidth, clientHeight};
  AdjustWindowRectEx(&frame, style, FALSE, exStyle);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  const int x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  const int y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  if (CreateHandle(exStyle, kClassName, Utf8ToWide(title).c_str(), style, x, y, width, height,
                   owner, instance) == nullptr)
    return false;
  OnCreateControls();
  return true;
}

void ModelessDialog::Open() {
  if (open_ || Handle() == nullptr) return;
  toolbar_.OpenDialog([this] {
    open_ = true;
    OpenDialogs().push_back(Handle());
    OnShow();
    ShowWindow(Handle(), SW_SHOW);
    SetForegroundWindow(Handle());
  });
}

void ModelessDialog::Close() {
  if (!open_) return;
  open_ = false;
  auto& dialogs = OpenDialogs();
  dialogs.erase(std::remove(dialogs.begin(), dialogs.end(), Handle()), dialogs.end());
  // The toolbar comes back before the dialog goes, so it can take the activation.
  toolbar_.Resume();
  if (Handle() != nullptr) ShowWindow(Handle(), SW_HIDE);
  OnClosed();
}

bool ModelessDialog::PreTranslate(MSG& message) {
  for (HWND dialog : OpenDialogs())
    if (IsDialogMessageW(dialog, &message)) return true;
  return false;
}

bool ModelessDialog::OnCommand(int id, int, HWND) {
  if (id == IDCANCEL) {
    Close();
    return true;
  }
  if (id == IDOK) {
    OnOk();
    return true;
  }
  return false;
}

LRESULT ModelessDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam))) return 0;
      break;
    case WM_CLOSE:
      Close();
      return 0;
    case WM_DESTROY:
      Close();
      break;
    default:
      break;
  }
  return Window::HandleMessage(message, wParam, lParam);
}

}  // namespace kromelik
