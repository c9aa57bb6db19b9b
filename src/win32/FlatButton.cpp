#include "win32/FlatButton.h"

#include <windowsx.h>

#include "win32/ButtonAccessible.h"

#include <algorithm>

namespace kromelik {

namespace {

constexpr wchar_t kClassName[] = L"KromelikFlatButton";
constexpr UINT kClickLater = WM_APP + 1;

}  // namespace

bool FlatButton::Create(HWND parent, int id, const RECT& bounds, HICON picture, bool visible,
                        const wchar_t* caption) {
  const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE));
  if (!RegisterClassOnce(kClassName, instance, nullptr)) return false;
  id_ = id;
  picture_ = picture;
  const DWORD style = WS_CHILD | WS_TABSTOP | (visible ? WS_VISIBLE : 0u);
  HWND window = CreateHandle(0, kClassName, caption, style, bounds.left, bounds.top,
                             bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
                             instance);
  if (window == nullptr) return false;
  SetWindowLongPtrW(window, GWLP_ID, id);
  return true;
}

void FlatButton::SetDown(bool down) {
  if (down_ == down) return;
  down_ = down;
  // At once: a modal box that follows a release would otherwise show the button still
  // pressed beside it.
  RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

void FlatButton::ShowFocusCues(bool shown) {
  if (keyboardCues_ == shown) return;
  keyboardCues_ = shown;
  RedrawWindow(GetParent(Handle()), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void FlatButton::SetPicture(HICON picture, int size) {
  picture_ = picture;
  pictureSize_ = size;
  InvalidateRect(Handle(), nullptr, TRUE);
}

void FlatButton::SetBackground(COLORREF colour) {
  background_ = colour;
  InvalidateRect(Handle(), nullptr, TRUE);
}

void FlatButton::Click(WORD notification) {
  HWND parent = GetParent(Handle());
  SendMessageW(parent, WM_COMMAND, MAKEWPARAM(id_, notification), reinterpret_cast<LPARAM>(Handle()));
}

void FlatButton::Paint(HDC dc) const {
  RECT client{};
  GetClientRect(Handle(), &client);
  const UniqueBrush brush(CreateSolidBrush(background_));
  FillRect(dc, &client, brush.Get());

  const bool sunken = down_ || pressing_;
  if (sunken) {
    DrawEdge(dc, &client, BDR_SUNKENOUTER, BF_RECT);
  } else if (hot_) {
    DrawEdge(dc, &client, BDR_RAISEDINNER, BF_RECT);
  }
  if (GetFocus() == Handle() && keyboardCues_) {
    RECT focus = client;
    InflateRect(&focus, -3, -3);
    DrawFocusRect(dc, &focus);
  }
  if (picture_ != nullptr) {
    // Smaller where the button has less room than its picture, never cut.
    const int room = static_cast<int>(std::min(client.right, client.bottom)) - 2;
    const int size = std::max(1, std::min(pictureSize_, room));
    const int shift = sunken ? 1 : 0;
    DrawIconEx(dc, (client.right - size) / 2 + shift, (client.bottom - size) / 2 + shift,
               picture_, size, size, 0, nullptr, DI_NORMAL);
  }
}

LRESULT FlatButton::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(Handle(), &paint);
      Paint(dc);
      EndPaint(Handle(), &paint);
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;
    case WM_MOUSEMOVE:
      if (!hot_) {
        hot_ = true;
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, Handle(), 0};
        TrackMouseEvent(&track);
        InvalidateRect(Handle(), nullptr, TRUE);
      }
      return 0;
    case WM_MOUSELEAVE:
      hot_ = false;
      InvalidateRect(Handle(), nullptr, TRUE);
      return 0;
    case WM_LBUTTONDOWN:
      // Taking the focus lets the keyboard go on from here: arrows along the strip,
      // Enter or Space to open the next menu. The mouse hides the cues again.
      ShowFocusCues(false);
      SetFocus(Handle());
      pressing_ = true;
      SetCapture(Handle());
      InvalidateRect(Handle(), nullptr, TRUE);
      return 0;
    case WM_LBUTTONUP: {
      if (!pressing_) return 0;
      pressing_ = false;
      ReleaseCapture();
      InvalidateRect(Handle(), nullptr, TRUE);
      RECT client{};
      GetClientRect(Handle(), &client);
      const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      if (PtInRect(&client, at)) Click();
      return 0;
    }
    case WM_CAPTURECHANGED:
      if (pressing_) {
        pressing_ = false;
        InvalidateRect(Handle(), nullptr, TRUE);
      }
      return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      InvalidateRect(Handle(), nullptr, TRUE);
      return 0;
    case kClickLater:
      Click(kKeyboardClicked);
      return 0;
    case BM_CLICK:  // as a push button takes it from accessibility tools and scripts
      Click();
      return 0;
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS | DLGC_WANTTAB;
    case WM_GETOBJECT:
      // A push button to screen readers and UI Automation, named by its window text.
      if (static_cast<LONG>(lParam) == OBJID_CLIENT) {
        if (const LRESULT answer = AnswerAsPushButton(Handle(), wParam); answer != 0) return answer;
      }
      break;
    case WM_KEYDOWN:
      ShowFocusCues(true);
      switch (wParam) {
        case VK_RETURN:
        case VK_SPACE:
        case VK_DOWN:
          // After the character the key makes: queued behind it, the click's menu does
          // not take that Enter or space as its own and close at once.
          PostMessageW(Handle(), kClickLater, 0, 0);
          return 0;
        case VK_LEFT:
        case VK_RIGHT:
        case VK_TAB: {
          // Moves along the strip, skipping hidden buttons, wrapping at either end.
          const bool back = wParam == VK_LEFT || (wParam == VK_TAB && GetKeyState(VK_SHIFT) < 0);
          HWND next = GetNextDlgTabItem(GetParent(Handle()), Handle(), back ? TRUE : FALSE);
          if (next != nullptr) SetFocus(next);
          return 0;
        }
        case VK_ESCAPE:
          Click(kEscapePressed);
          return 0;
        default:
          break;
      }
      break;
    default:
      break;
  }
  return Window::HandleMessage(message, wParam, lParam);
}

}  // namespace kromelik
