#include "win32_menu_view.h"

#include "pump_messages.h"
#include "wide_text.h"
#include "window_region.h"

namespace orvane {

namespace {
// Command identifiers of push buttons: kind and button number, never 0 and below 0x8000.
int CommandIdOf(const ControlId& id) {
  return (id.Kind == ControlKind::WinBtn ? 0x1000 : 0x2000) + id.Button;
}

UINT_PTR TimerIdOf(MenuTimer timer) { return static_cast<UINT_PTR>(timer) + 1; }
}  // namespace

Win32MenuView::Win32MenuView(HWND window) : window_(window), windowless_(window, fonts_) {}

Win32MenuView::~Win32MenuView() {
  if (bigIcon_) DestroyIcon(bigIcon_);
  if (smallIcon_) DestroyIcon(smallIcon_);
}

int Win32MenuView::Key(const ControlId& id) { return static_cast<int>(id.Kind) * 1000 + id.Button; }

Win32MenuView::PushButton* Win32MenuView::FindButton(const ControlId& id) {
  auto found = buttons_.find(Key(id));
  return found == buttons_.end() ? nullptr : &found->second;
}

std::optional<ControlId> Win32MenuView::PushButtonOf(int commandId) const {
  for (const auto& entry : buttons_)
    if (entry.second.CommandId == commandId)
      return ControlId{static_cast<ControlKind>(entry.first / 1000), entry.first % 1000};
  return std::nullopt;
}

template <typename Change>
void Win32MenuView::ChangeWindowless(const ControlId& id, Change change) {
  ControlState* state = windowless_.State(id);
  if (!state) return;
  const Bounds before = state->Bounds;
  change(*state);
  windowless_.Changed(id, before);
}

void Win32MenuView::CreateControl(const ControlId& id, const ControlState& initial) {
  if (TypeOf(id.Kind) != ControlType::PushButton) {
    windowless_.Add(id, initial);
    return;
  }
  DestroyControl(id);
  PushButton button;
  button.CommandId = CommandIdOf(id);
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS | BS_PUSHBUTTON;
  if (initial.Visible) style |= WS_VISIBLE;
  if (initial.TabStop) style |= WS_TABSTOP;
  button.Handle = CreateWindowExW(
      0, L"BUTTON", Wide(initial.Text).c_str(), style, initial.Bounds.Left, initial.Bounds.Top,
      initial.Bounds.Width, initial.Bounds.Height, window_,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(button.CommandId)),
      reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window_, GWLP_HINSTANCE)), nullptr);
  if (!button.Handle) return;
  SendMessageW(button.Handle, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.Get(initial.Font)),
               FALSE);
  buttons_[Key(id)] = button;
  if (PushButtonCreated) PushButtonCreated(button.Handle, id);
}

void Win32MenuView::DestroyControl(const ControlId& id) {
  if (TypeOf(id.Kind) != ControlType::PushButton) {
    windowless_.Remove(id);
    return;
  }
  auto found = buttons_.find(Key(id));
  if (found == buttons_.end()) return;
  DestroyWindow(found->second.Handle);
  buttons_.erase(found);
}

void Win32MenuView::SetControlBounds(const ControlId& id, const Bounds& b) {
  if (PushButton* button = FindButton(id)) {
    SetWindowPos(button->Handle, nullptr, b.Left, b.Top, b.Width, b.Height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    return;
  }
  ChangeWindowless(id, [&](ControlState& state) { state.Bounds = b; });
}

void Win32MenuView::SetControlVisible(const ControlId& id, bool visible) {
  if (PushButton* button = FindButton(id)) {
    ShowWindow(button->Handle, visible ? SW_SHOWNA : SW_HIDE);
    return;
  }
  ControlState* state = windowless_.State(id);
  if (!state) return;
  const Bounds bounds = state->Bounds;
  state->Visible = visible;
  windowless_.Changed(id, bounds);
}

void Win32MenuView::SetControlText(const ControlId& id, const std::string& text) {
  if (PushButton* button = FindButton(id)) {
    SetWindowTextW(button->Handle, Wide(text).c_str());
    return;
  }
  ChangeWindowless(id, [&](ControlState& state) { state.Text = text; });
}

void Win32MenuView::SetControlFont(const ControlId& id, const ControlFont& font) {
  if (PushButton* button = FindButton(id)) {
    SendMessageW(button->Handle, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.Get(font)), TRUE);
    return;
  }
  ChangeWindowless(id, [&](ControlState& state) { state.Font = font; });
}

void Win32MenuView::SetControlAlignment(const ControlId& id, TextAlignment alignment) {
  ChangeWindowless(id, [&](ControlState& state) { state.Alignment = alignment; });
}

void Win32MenuView::SetControlPicture(const ControlId& id, const PictureRef& picture) {
  ChangeWindowless(id, [&](ControlState& state) {
    state.Picture = picture;
    // Auto-sized pictures follow their picture at once, so the repaint covers all of it.
    if (state.AutoSize) {
      state.Bounds.Width = picture ? picture->Width : 0;
      state.Bounds.Height = picture ? picture->Height : 0;
    }
  });
}

void Win32MenuView::BringControlToFront(const ControlId& id) {
  if (PushButton* button = FindButton(id)) {
    SetWindowPos(button->Handle, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return;
  }
  windowless_.BringToFront(id);
}

void Win32MenuView::SendControlToBack(const ControlId& id) {
  if (PushButton* button = FindButton(id)) {
    SetWindowPos(button->Handle, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return;
  }
  windowless_.SendToBack(id);
}

void Win32MenuView::FocusControl(const ControlId& id) {
  if (PushButton* button = FindButton(id)) SetFocus(button->Handle);
}

void Win32MenuView::ReleasePictures() {
  // The window draws straight from the shared pictures and makes no bitmaps of its own.
}

void Win32MenuView::SetWindowVisible(bool visible) {
  ShowWindow(window_, visible ? SW_SHOW : SW_HIDE);
  if (visible && !shownOnce_) {
    shownOnce_ = true;
    SetForegroundWindow(window_);
  }
  if (visible) UpdateWindow(window_);
}

void Win32MenuView::SetWindowBounds(const Bounds& b) {
  SetWindowPos(window_, nullptr, b.Left, b.Top, b.Width, b.Height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32MenuView::SetCaption(const std::string& text) {
  SetWindowTextW(window_, Wide(text).c_str());
}

void Win32MenuView::SetWindowOutline(const WindowOutline& outline) {
  HRGN region = CreateOutlineRegion(outline);
  if (!region) return;
  // From here on the system owns the region and frees it with the window or the next outline.
  if (!SetWindowRgn(window_, region, TRUE)) DeleteObject(region);
}

void Win32MenuView::ReleaseWindowOutline() {
  // The region belongs to the window since SetWindowRgn; deleting it here would free a region
  // that the system still uses. It goes with the window.
}

void Win32MenuView::RepaintWindow() { UpdateWindow(window_); }

void Win32MenuView::FocusWindow() {
  SetForegroundWindow(window_);
  SetFocus(window_);
}

ScreenSize Win32MenuView::GetScreenSize() {
  return ScreenSize{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

bool Win32MenuView::LoadApplicationIcon(const std::string& path) {
  const std::wstring file = Wide(path);
  HICON big =
      static_cast<HICON>(LoadImageW(nullptr, file.c_str(), IMAGE_ICON, GetSystemMetrics(SM_CXICON),
                                    GetSystemMetrics(SM_CYICON), LR_LOADFROMFILE));
  if (!big) return false;
  HICON small = static_cast<HICON>(LoadImageW(nullptr, file.c_str(), IMAGE_ICON,
                                              GetSystemMetrics(SM_CXSMICON),
                                              GetSystemMetrics(SM_CYSMICON), LR_LOADFROMFILE));
  SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
  SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small ? small : big));
  if (bigIcon_) DestroyIcon(bigIcon_);
  if (smallIcon_) DestroyIcon(smallIcon_);
  bigIcon_ = big;
  smallIcon_ = small;
  return true;
}

void Win32MenuView::SetTimerInterval(MenuTimer timer, int32_t milliseconds) {
  if (milliseconds <= 0) {
    KillTimer(window_, TimerIdOf(timer));
  } else {
    SetTimer(window_, TimerIdOf(timer), static_cast<UINT>(milliseconds), nullptr);
  }
}

void Win32MenuView::ProcessPendingMessages() { PumpPendingMessages(); }

void Win32MenuView::TerminateApplication() { PostQuitMessage(0); }

void Win32MenuView::RestoreApplication() { ShowWindow(window_, SW_RESTORE); }

void Win32MenuView::MinimizeApplication() { ShowWindow(window_, SW_MINIMIZE); }

std::string Win32MenuView::CurrentTimeText() {
  wchar_t text[128] = {};
  // No flags and no format: the user's long time format, seconds included.
  if (!GetTimeFormatW(LOCALE_USER_DEFAULT, 0, nullptr, nullptr, text, 128)) return {};
  return Utf8(text);
}

std::string Win32MenuView::CurrentDateText() {
  wchar_t text[128] = {};
  if (!GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, text, 128)) return {};
  return Utf8(text);
}

}  // namespace orvane
