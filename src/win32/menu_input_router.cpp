#include "menu_input_router.h"

#include <windowsx.h>

#include "app/menu_window.h"
#include "window_subclass.h"

namespace orvane {

namespace {

// A push button's focus and pointer handlers let pending messages run. Run inside the button's
// own mouse-down (which sets the focus before it captures the mouse), they would dispatch the
// release too early and the click would be lost, so they are posted to run just after.
constexpr UINT kButtonFocused = WM_APP + 40;
constexpr UINT kPointerOverButton = WM_APP + 41;

// The subclass of a push button is known by its control: kind and button number.
UINT_PTR SubclassIdOf(const ControlId& id) {
  return (static_cast<UINT_PTR>(id.Kind) << 16) | static_cast<UINT_PTR>(id.Button);
}
ControlId ControlOfSubclass(UINT_PTR subclassId) {
  return ButtonControl(static_cast<ControlKind>(subclassId >> 16),
                       static_cast<int32_t>(subclassId & 0xFFFF));
}

POINT PointOf(LPARAM lParam) { return POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

KeyModifiers CurrentModifiers() {
  KeyModifiers m;
  m.Shift = GetKeyState(VK_SHIFT) < 0;
  m.Ctrl = GetKeyState(VK_CONTROL) < 0;
  m.Alt = GetKeyState(VK_MENU) < 0;
  return m;
}

NavigationKey NavigationKeyOf(WPARAM key) {
  switch (key) {
    case VK_TAB: return NavigationKey::Tab;
    case VK_LEFT: return NavigationKey::Left;
    case VK_UP: return NavigationKey::Up;
    case VK_RIGHT: return NavigationKey::Right;
    case VK_DOWN: return NavigationKey::Down;
    case VK_RETURN: return NavigationKey::Enter;
    default: return NavigationKey::Other;
  }
}

MouseButton MouseButtonOf(UINT message) {
  switch (message) {
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP: return MouseButton::Right;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP: return MouseButton::Middle;
    default: return MouseButton::Left;
  }
}

}  // namespace

MenuInputRouter::MenuInputRouter(HWND window, MenuWindow& core, Win32MenuView& view)
    : window_(window), core_(core), view_(view), input_(core) {
  input_.WindowBounds = [this] {
    RECT r{};
    GetWindowRect(window_, &r);
    return Bounds{r.left, r.top, r.right - r.left, r.bottom - r.top};
  };
  input_.ShowMoveCursor = [](bool move) {
    SetCursor(LoadCursor(nullptr, move ? IDC_SIZEALL : IDC_ARROW));
  };
}

void MenuInputRouter::Attach(HWND button, const ControlId& id) {
  SubclassWithChain(button, &ButtonProc, SubclassIdOf(id), reinterpret_cast<DWORD_PTR>(this));
}

LRESULT CALLBACK MenuInputRouter::ButtonProc(HWND button, UINT message, WPARAM wParam,
                                             LPARAM lParam, UINT_PTR subclassId, DWORD_PTR router) {
  auto* self = reinterpret_cast<MenuInputRouter*>(router);
  if (message == WM_NCDESTROY) {
    if (self->lastFocused_ == button) self->lastFocused_ = nullptr;
    RemoveWindowSubclassing(button, &ButtonProc, subclassId);
    return DefaultSubclassProcedure(button, message, wParam, lParam);
  }
  return self->OnButtonMessage(button, ControlOfSubclass(subclassId), message, wParam, lParam);
}

LRESULT MenuInputRouter::OnButtonMessage(HWND button, const ControlId& id, UINT message,
                                         WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      if (OnKeyDown(id, wParam)) return 0;
      break;
    case WM_CHAR:
      // Enter and Tab were taken as keys; the button itself does nothing with characters.
      if (wParam == '\r' || wParam == '\n' || wParam == '\t') return 0;
      OnCharacter(id, wParam, false);
      return 0;
    case WM_SYSCHAR:
      if (OnCharacter(id, wParam, true)) return 0;
      break;
    case WM_SETFOCUS:
      lastFocused_ = button;
      if (!restoringFocus_)
        PostMessageW(window_, kButtonFocused, static_cast<WPARAM>(id.Kind), id.Button);
      break;
    case WM_MOUSEMOVE:
      if (id.Kind == ControlKind::WinBtn) PostMessageW(window_, kPointerOverButton, 0, id.Button);
      break;
    case WM_MOUSEWHEEL: return SendMessageW(window_, message, wParam, lParam);
    default: break;
  }
  return DefaultSubclassProcedure(button, message, wParam, lParam);
}

bool MenuInputRouter::OnKeyDown(const std::optional<ControlId>& focused, WPARAM key) {
  const NavigationKey navigation = NavigationKeyOf(key);
  if (navigation == NavigationKey::Other) return false;
  return input_.KeyDown(focused, navigation, CurrentModifiers());
}

bool MenuInputRouter::OnCharacter(const std::optional<ControlId>& focused, WPARAM unit, bool alt) {
  const auto half = static_cast<wchar_t>(unit);
  if (half >= 0xD800 && half <= 0xDBFF) {
    highSurrogate_ = half;
    return true;
  }
  char32_t typed = half;
  if (half >= 0xDC00 && half <= 0xDFFF) {
    if (highSurrogate_ == 0) return false;
    typed = 0x10000 + ((static_cast<char32_t>(highSurrogate_) - 0xD800) << 10) + (half - 0xDC00);
  }
  highSurrogate_ = 0;
  return input_.CharacterTyped(focused, typed, alt);
}

std::optional<ControlId> MenuInputRouter::FocusedButton() const {
  HWND focus = GetFocus();
  if (!focus || GetParent(focus) != window_) return std::nullopt;
  return view_.PushButtonOf(GetDlgCtrlID(focus));
}

bool MenuInputRouter::OnCommand(WPARAM wParam, LPARAM lParam) {
  // Only the push buttons' clicks (mouse, Space, Enter, accelerator); menu commands have no
  // control.
  if (lParam == 0 || HIWORD(wParam) != BN_CLICKED) return false;
  const std::optional<ControlId> control = view_.PushButtonOf(LOWORD(wParam));
  if (!control) return false;
  if (control->Kind == ControlKind::KeyBtn) input_.btnShortcut_Click(control->Button);
  if (control->Kind == ControlKind::WinBtn) input_.cmdButton_Click(control->Button);
  return true;
}

bool MenuInputRouter::Route(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  result = 0;
  switch (message) {
    case WM_MOUSEMOVE: OnMouseMove(PointOf(lParam)); return true;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: OnButtonDown(MouseButtonOf(message), PointOf(lParam)); return true;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: OnButtonUp(MouseButtonOf(message), PointOf(lParam)); return false;
    case WM_CAPTURECHANGED:
      // Capture taken away (another window, a dialog): the drag ends.
      if (input_.DragState != 0 && reinterpret_cast<HWND>(lParam) != window_)
        input_.MenBckMouseUp();
      return true;
    case kButtonFocused: {
      // Only while that control still holds the focus (a menu switch may have replaced it).
      const ControlId id =
          ButtonControl(static_cast<ControlKind>(wParam), static_cast<int32_t>(lParam));
      if (FocusedButton() == id) input_.GotFocus(id);
      return true;
    }
    case kPointerOverButton: input_.cmdButton_MouseMove(static_cast<int32_t>(lParam)); return true;
    case WM_MOUSEWHEEL:
      if (GET_WHEEL_DELTA_WPARAM(wParam) < 0) {
        input_.FormMouseWheelDown();
      } else if (GET_WHEEL_DELTA_WPARAM(wParam) > 0) {
        input_.FormMouseWheelUp();
      }
      return true;
    case WM_SETFOCUS:
      // The window was activated or given the focus, so no control has it. The control that had
      // it before gets it back as it was: nothing is selected again and no sound plays. Without
      // one, the first control in creation order takes it.
      if (lastFocused_ && IsWindowVisible(lastFocused_) && IsWindowEnabled(lastFocused_)) {
        restoringFocus_ = true;
        SetFocus(lastFocused_);
        restoringFocus_ = false;
      } else {
        input_.FocusFirstControl();
      }
      return true;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: return OnKeyDown(std::nullopt, wParam);
    case WM_CHAR: return OnCharacter(std::nullopt, wParam, false);
    case WM_SYSCHAR: return OnCharacter(std::nullopt, wParam, true);
    case WM_COMMAND: return OnCommand(wParam, lParam);
    default: return false;
  }
}

void MenuInputRouter::OnMouseMove(POINT point) {
  // The background sits at the window's origin, so client and background coordinates agree;
  // the description and accessory picture pass the same coordinates, so crossing them never
  // makes a drag jump.
  if (input_.DragState == kDragging) {
    input_.MenBckMouseMove(point.x, point.y);
    return;
  }
  if (pressedPicture_ != 0) return;  // the pressed picture keeps the pointer until released
  const std::optional<ControlId> control = view_.WindowlessAt(point);
  if (!control) return;
  switch (control->Kind) {
    case ControlKind::ImgBtn: input_.picButton_MouseMove(control->Button); break;
    case ControlKind::LblBtn: input_.cmdButton_MouseMove(control->Button); break;
    case ControlKind::MenBck: input_.MenBckMouseMove(point.x, point.y); break;
    case ControlKind::imgAccPicture: input_.AccTextMouseMove(point.x, point.y); break;
    case ControlKind::lblAccText:
    case ControlKind::lblAccShadow: input_.lblAccText_MouseMove(point.x, point.y); break;
    default: break;
  }
}

void MenuInputRouter::OnButtonDown(MouseButton button, POINT point) {
  const std::optional<ControlId> control = view_.WindowlessAt(point);
  if (button == MouseButton::Left) pressedControl_ = control;
  if (!control) return;
  // Whatever lies under a left press keeps the pointer until the release.
  if (button == MouseButton::Left) SetCapture(window_);
  if (control->Kind == ControlKind::ImgBtn) {
    pressedPicture_ = control->Button;
    SetCapture(window_);
    input_.picButton_MouseDown(control->Button);
  } else if (control->Kind == ControlKind::MenBck) {
    input_.MenBckMouseDown(button, point.x, point.y);
  }
}

void MenuInputRouter::OnButtonUp(MouseButton button, POINT point) {
  const std::optional<ControlId> control = view_.WindowlessAt(point);
  if (pressedPicture_ != 0) {
    const int32_t n = pressedPicture_;
    pressedPicture_ = 0;
    const ControlState* picture = core_.Control(ButtonControl(ControlKind::ImgBtn, n));
    if (picture) {
      input_.picButton_MouseUp(n, point.x - picture->Bounds.Left, point.y - picture->Bounds.Top);
    }
  } else if (input_.DragState != 0 || (control && control->Kind == ControlKind::MenBck)) {
    input_.MenBckMouseUp();
  }
  if (button != MouseButton::Left) {
    if (GetCapture() == window_) ReleaseCapture();
    return;
  }
  ReleaseCapture();
  const std::optional<ControlId> pressed = pressedControl_;
  pressedControl_.reset();
  if (pressed && control && *pressed == *control && control->Kind == ControlKind::LblBtn)
    input_.cmdButton_Click(control->Button);
}

}  // namespace orvane
