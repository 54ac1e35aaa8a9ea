#include "frmsearch.h"

#include "pump_messages.h"
#include "wide_text.h"

namespace orvane {

namespace {

constexpr wchar_t kClassName[] = L"TfrmSearchCls";
constexpr wchar_t kCaption[] = L" Target not found... searching:";
constexpr int kClientWidth = 466;
constexpr int kClientHeight = 58;
constexpr int kLeft = 180;
constexpr int kTop = 173;
constexpr int kFontHeight = 11;  // character height in pixels
constexpr int kCancelId = 1;
// A tool-window frame with a caption but no system menu, so no close box either.
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_TOOLWINDOW;

bool RegisterWindowClass(HINSTANCE instance, WNDPROC procedure) {
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof(existing);
  if (GetClassInfoExW(instance, kClassName, &existing)) return true;
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kClassName;
  return RegisterClassExW(&windowClass) != 0;
}

}  // namespace

TfrmSearchCls::TfrmSearchCls(HWND owner, TreeSearch& search) : search_(search) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  if (!RegisterWindowClass(instance, &WindowProc)) return;

  RECT frame{0, 0, kClientWidth, kClientHeight};
  AdjustWindowRectEx(&frame, kStyle, FALSE, kExStyle);
  window_ =
      CreateWindowExW(kExStyle, kClassName, kCaption, kStyle, kLeft, kTop, frame.right - frame.left,
                      frame.bottom - frame.top, owner, nullptr, instance, nullptr);
  if (!window_) return;
  SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));

  font_ = CreateFontW(-kFontHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                      OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                      DEFAULT_PITCH | FF_DONTCARE, L"Tahoma");
  // Created first so that it is first in the tab order.
  cancel_ = CreateWindowExW(
      0, L"BUTTON", L"&Cancel", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 357, 27, 101,
      26, window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kCancelId)), instance, nullptr);
  // Fixed size; folder names may hold "&", which must not become an access key.
  label_ =
      CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_LEFTNOWORDWRAP | SS_NOPREFIX, 8,
                      8, 450, 13, window_, nullptr, instance, nullptr);
  for (HWND control : {cancel_, label_})
    if (control && font_) SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);

  ShowWindow(window_, SW_SHOWNORMAL);
  UpdateWindow(window_);
  // Cancel is first in the tab order and takes the focus; the search's own message pumping
  // gives this window's keys to the dialog manager, so Alt+C, Enter and Space cancel too.
  if (cancel_) SetFocus(cancel_);
  SetDialogKeyWindow(window_);
}

TfrmSearchCls::~TfrmSearchCls() {
  if (window_ && DialogKeyWindow() == window_) SetDialogKeyWindow(nullptr);
  if (window_) {
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
  }
  if (font_) DeleteObject(font_);
}

void TfrmSearchCls::SetFolder(const std::string& folder) {
  if (label_) SetWindowTextW(label_, Wide(folder).c_str());
}

void TfrmSearchCls::Command1_Click() {
  EnableWindow(cancel_, FALSE);
  SetWindowTextW(cancel_, L"Wait...");
  search_.SearchCancelled = true;
}

LRESULT CALLBACK TfrmSearchCls::WindowProc(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
  auto* self = reinterpret_cast<TfrmSearchCls*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self && message == WM_COMMAND && LOWORD(wParam) == kCancelId &&
      HIWORD(wParam) == BN_CLICKED) {
    self->Command1_Click();
    return 0;
  }
  // The window has no close box; Alt+F4 must not destroy it under the running search.
  if (message == WM_CLOSE) return 0;
  // Enter clicks Cancel, the window's only button.
  if (message == DM_GETDEFID) return MAKELRESULT(kCancelId, DC_HASDEFID);
  // Whenever the window is activated, Cancel has the focus.
  if (self && message == WM_ACTIVATE && LOWORD(wParam) != WA_INACTIVE && self->cancel_) {
    SetFocus(self->cancel_);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

std::unique_ptr<SearchProgressWindow> Win32SearchProgressFactory::Open(TreeSearch& search) {
  return std::make_unique<TfrmSearchCls>(owner_, search);
}

}  // namespace orvane
