#include "menu_input_router.h"

#include "app/menu_window.h"

namespace orvane {

namespace {

constexpr char kRouterProperty[] = "OrvaneInputRouter";
// A push button's focus and pointer handlers let pending messages run. Run inside the button's
// own mouse-down (which sets the focus before it captures the mouse), they would dispatch the
// release too early and the click would be lost, so they are posted to run just after.
constexpr UINT kButtonFocused = WM_APP + 40;
constexpr UINT kPointerOverButton = WM_APP + 41;

POINT PointOf(LPARAM lParam) {
  return POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

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
  SetPropA(button, kRouterProperty, this);
  Subclassed entry;
  entry.Id = id;
  entry.Original = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ButtonProc)));
  buttons_[button] = entry;
}

LRESULT CALLBACK MenuInputRouter::ButtonProc(HWND button, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
  auto* router = static_cast<MenuInputRouter*>(GetPropA(button, kRouterProperty));
  auto found = router ? router->buttons_.find(button) : decltype(router->buttons_)::iterator{};
  if (!router || found == router->buttons_.end()) return DefWindowProcA(button, message, wParam, lParam);
  const Subclassed entry = found->second;
  if (message == WM_NCDESTROY) {
    if (router->lastFocused_ == button) router->lastFocused_ = nullptr;
    router->buttons_.erase(found);
    RemovePropA(button, kRouterProperty);
    SetWindowLongPtrA(button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(entry.Original));
    return CallWindowProcA(entry.Original, button, message, wParam, lParam);
  }
  return router->OnButtonMessage(button, entry, message, wParam, lParam);
}

LRESULT MenuInputRouter::OnButtonMessage(HWND button, const Subclassed& entry, UINT message,
                                         WPARAM wParam, LPARAM lParam) {
  const ControlId id = entry.Id;
  switch (message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      if (OnKeyDown(id, wParam)) return 0;
      break;
    case WM_CHAR:
      // Enter and Tab were taken as keys; the button itself does nothing with characters.
      if (wParam == '\r' || wParam == '\n' || wParam == '\t') return 0;
      input_.CharacterTyped(id, static_cast<char>(wParam));
      return 0;
    case WM_SYSCHAR:
      if (input_.CharacterTyped(id, static_cast<char>(wParam), true)) return 0;
      break;
    case WM_SETFOCUS: {
      lastFocused_ = button;
      if (!restoringFocus_)
        PostMessageA(window_, kButtonFocused, static_cast<WPARAM>(id.Kind), id.Button);
      break;
    }
    case WM_MOUSEMOVE:
      if (id.Kind == ControlKind::WinBtn) PostMessageA(window_, kPointerOverButton, 0, id.Button);
      break;
    case WM_MOUSEWHEEL:
      return SendMessageA(window_, message, wParam, lParam);
    default:
      break;
  }
  return CallWindowProcA(entry.Original, button, message, wParam, lParam);
}

bool MenuInputRouter::OnKeyDown(const std::optional<ControlId>& focused, WPARAM key) {
  const NavigationKey navigation = NavigationKeyOf(key);
  if (navigation == NavigationKey::Other) return false;
  return input_.KeyDown(focused, navigation, CurrentModifiers());
}

bool MenuInputRouter::Route(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  result = 0;
  switch (message) {
    case WM_MOUSEMOVE:
      OnMouseMove(PointOf(lParam));
      return false;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      OnButtonDown(message == WM_LBUTTONDOWN   ? MouseButton::Left
                   : message == WM_RBUTTONDOWN ? MouseButton::Right
                                               : MouseButton::Middle,
                   PointOf(lParam));
      return false;  // the window still tracks label clicks and the context menu
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
      OnButtonUp(PointOf(lParam));
      if (message != WM_LBUTTONUP && GetCapture() == window_) ReleaseCapture();
      return false;
    case WM_CAPTURECHANGED:
      // Capture taken away (another window, a dialog): the drag ends.
      if (input_.DragState != 0 && reinterpret_cast<HWND>(lParam) != window_) input_.MenBckMouseUp();
      return false;
    case kButtonFocused: {
      // Only while that control still holds the focus (a menu switch may have replaced it).
      const ControlId id = ButtonControl(static_cast<ControlKind>(wParam), static_cast<int32_t>(lParam));
      auto focused = buttons_.find(GetFocus());
      if (focused != buttons_.end() && focused->second.Id == id) input_.GotFocus(id);
      return true;
    }
    case kPointerOverButton:
      input_.cmdButton_MouseMove(static_cast<int32_t>(lParam));
      return true;
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
    case WM_SYSKEYDOWN:
      return OnKeyDown(std::nullopt, wParam);
    case WM_CHAR:
      return input_.CharacterTyped(std::nullopt, static_cast<char>(wParam));
    case WM_SYSCHAR:
      return input_.CharacterTyped(std::nullopt, static_cast<char>(wParam), true);
    case WM_COMMAND:
      // The keyboard control's click: Space on it, or its accelerator.
      if (lParam != 0 && HIWORD(wParam) == BN_CLICKED) {
        const std::optional<ControlId> control = view_.PushButtonOf(LOWORD(wParam));
        if (control && control->Kind == ControlKind::KeyBtn) {
          input_.btnShortcut_Click(control->Button);
          return true;
        }
      }
      return false;
    default:
      return false;
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
  if (!control) return;
  if (control->Kind == ControlKind::ImgBtn) {
    pressedPicture_ = control->Button;
    SetCapture(window_);
    input_.picButton_MouseDown(control->Button);
  } else if (control->Kind == ControlKind::MenBck) {
    if (button == MouseButton::Left) SetCapture(window_);
    input_.MenBckMouseDown(button, point.x, point.y);
  }
}

void MenuInputRouter::OnButtonUp(POINT point) {
  if (pressedPicture_ != 0) {
    const int32_t n = pressedPicture_;
    pressedPicture_ = 0;
    const ControlState* picture = core_.Control(ButtonControl(ControlKind::ImgBtn, n));
    if (picture) {
      input_.picButton_MouseUp(n, point.x - picture->Bounds.Left, point.y - picture->Bounds.Top);
    }
    return;
  }
  if (input_.DragState != 0) {
    input_.MenBckMouseUp();
    return;
  }
  const std::optional<ControlId> control = view_.WindowlessAt(point);
  if (control && control->Kind == ControlKind::MenBck) input_.MenBckMouseUp();
}

}  // namespace orvane
