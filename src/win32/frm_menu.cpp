#include "frm_menu.h"

#include <windowsx.h>

#include "about_hook.h"
#include "app/button_animation.h"
#include "popup_menu.h"

namespace orvane {

namespace {
constexpr UINT kAbout1Command = 100;
}  // namespace

FrmMenu::FrmMenu(HINSTANCE instance)
    : instance_(instance),
      soundOutput_(instance),
      sounds_(soundOutput_, files_),
      data_(opener_, dialog_) {}

FrmMenu::~FrmMenu() {
  if (window_) DestroyWindow(window_);
  if (contextMenu_) DestroyMenu(contextMenu_);
  if (aboutItemBitmap_) DeleteObject(aboutItemBitmap_);
}

bool FrmMenu::Create(const StartupInfo& startup) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = &FrmMenu::WindowProc;
  windowClass.hInstance = instance_;
  windowClass.hIcon = LoadIconW(instance_, MAKEINTRESOURCEW(1));
  windowClass.hIconSm = static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(1), IMAGE_ICON,
                                                      GetSystemMetrics(SM_CXSMICON),
                                                      GetSystemMetrics(SM_CYSMICON), 0));
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  windowClass.lpszClassName = kMenuWindowClass;
  if (!RegisterClassExW(&windowClass)) return false;

  // Borderless, with only the system menu of the border icons; the design size stands until a
  // menu is placed.
  window_ = CreateWindowExW(WS_EX_APPWINDOW, kMenuWindowClass, Wide(kApplicationTitle).c_str(),
                            WS_POPUP | WS_SYSMENU | WS_CLIPCHILDREN, 0, 0, 235, 135, nullptr,
                            nullptr, instance_, this);
  if (!window_) return false;

  dialog_.SetOwner(window_);
  dialog_.SetApplicationTitle([this] {
    wchar_t title[512] = {};
    GetWindowTextW(window_, title, 512);
    return Utf8(title);
  });
  view_ = std::make_unique<Win32MenuView>(window_);
  core_ = std::make_unique<MenuWindow>(
      MenuWindowServices{*view_, data_, dialog_, sounds_, files_, processes_, trace_, codePage_});
  actionHost_ = std::make_unique<WindowActionHost>(*core_, data_);
  shell_.SetOwner(window_);
  searchProgress_.SetOwner(window_);
  dispatcher_ = std::make_unique<ActionDispatcher>(
      ActionServices{*actionHost_, shell_, files_, opener_, sounds_, dialog_, versions_,
                     searchProgress_, trace_, codePage_});
  processes_.Attach(dispatcher_.get());
  // The action unit's hooks: "err.txt" at its step of the start-up sequence, and the one place
  // where a chosen button's action runs.
  core_->LoadErrorFlags = [this] {
    dispatcher_->ApplicationFolder = core_->ApplicationFolder;
    dispatcher_->DialogCaption = core_->DialogCaption;
    dispatcher_->LoadErrorFlags();
  };
  core_->RunButtonAction = [this](int32_t n) { dispatcher_->RunButtonAction(n); };
  imgAboutIcon_ = CreateAboutIconPicture(instance_, window_);
  core_->ShowAboutWindow = [this] {
    OpenAboutWindow(instance_, imgAboutIcon_, dialog_, core_->DialogCaption);
  };
  core_->AnimateButtons = [this] { orvane::AnimateButtons(*core_); };
  input_ = std::make_unique<MenuInputRouter>(window_, *core_, *view_);
  view_->PushButtonCreated = [this](HWND button, const ControlId& id) {
    input_->Attach(button, id);
  };
  contextMenu_ = CreateContextMenu(kAbout1Command, windowClass.hIconSm, aboutItemBitmap_);

  core_->Form_Load(startup);
  return true;
}

int FrmMenu::Run() {
  MSG message;
  int exitCode = 0;
  for (;;) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0) {
      exitCode = static_cast<int>(message.wParam);
      break;
    }
    if (got < 0) break;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  // The loop has ended: the window goes, and its destroy handler runs the closing steps again.
  if (window_) DestroyWindow(window_);
  return exitCode;
}

LRESULT CALLBACK FrmMenu::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  FrmMenu* self = nullptr;
  if (message == WM_NCCREATE) {
    self = static_cast<FrmMenu*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  } else {
    self = reinterpret_cast<FrmMenu*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  }
  if (!self || !self->core_) return DefWindowProcW(window, message, wParam, lParam);
  return self->Handle(message, wParam, lParam);
}

LRESULT FrmMenu::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT routed = 0;
  if (input_ && input_->Route(message, wParam, lParam, routed)) return routed;
  switch (message) {
    case WM_PAINT: OnPaint(); return 0;
    case WM_ERASEBKGND: return 1;  // the paint handler fills everything
    case WM_TIMER: OnTimer(wParam); return 0;
    case WM_COMMAND:
      // The context menu's item; the buttons' commands went to the input router.
      if (lParam == 0 && LOWORD(wParam) == kAbout1Command) core_->About1Click();
      return 0;
    case WM_CONTEXTMENU:
      OnContextMenu(reinterpret_cast<HWND>(wParam),
                    POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      return 0;
    case WM_SETCURSOR:
      if (reinterpret_cast<HWND>(wParam) == window_ && LOWORD(lParam) == HTCLIENT && OnSetCursor())
        return TRUE;
      break;
    case WM_CLOSE:
      // Alt+F4 and the system menu end the application the same way the close action does.
      PostQuitMessage(0);
      return 0;
    case WM_DESTROY: {
      core_->Form_Unload();
      window_ = nullptr;
      return 0;
    }
    default: break;
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}

void FrmMenu::OnPaint() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window_, &paint);
  const RECT area = paint.rcPaint;
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  if (width <= 0 || height <= 0) {
    EndPaint(window_, &paint);
    return;
  }
  // Drawn off screen first: pictures and labels overlap, and drawing them one after the other
  // on screen would flicker with every animation frame. Only the part to repaint is drawn (a
  // button's new picture, not the whole window), in window coordinates shifted onto the canvas.
  HDC memory = CreateCompatibleDC(dc);
  HBITMAP canvas = CreateCompatibleBitmap(dc, width, height);
  if (memory && canvas) {
    HGDIOBJ old = SelectObject(memory, canvas);
    SetViewportOrgEx(memory, -area.left, -area.top, nullptr);
    FillRect(memory, &area, GetSysColorBrush(COLOR_BTNFACE));
    view_->Paint(memory, area);
    BitBlt(dc, area.left, area.top, width, height, memory, area.left, area.top, SRCCOPY);
    SelectObject(memory, old);
  } else {
    FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
    view_->Paint(dc, area);
  }
  if (canvas) DeleteObject(canvas);
  if (memory) DeleteDC(memory);
  EndPaint(window_, &paint);
}

void FrmMenu::OnTimer(UINT_PTR id) {
  switch (static_cast<MenuTimer>(id - 1)) {
    case MenuTimer::Timer1: core_->Timer1_Timer(); break;
    case MenuTimer::Timer2: core_->Timer2Timer(); break;
    case MenuTimer::Timer3: core_->Timer3_Timer(); break;
    case MenuTimer::Timer4: core_->Timer4_Timer(); break;
    case MenuTimer::tmrARstr: core_->tmrARstr_Timer(); break;
  }
}

bool FrmMenu::OnSetCursor() {
  POINT point;
  GetCursorPos(&point);
  ScreenToClient(window_, &point);
  const std::optional<ControlId> control = view_->WindowlessAt(point);
  if (!control || control->Kind != ControlKind::LblBtn) return false;
  SetCursor(LoadCursor(nullptr, IDC_HAND));
  return true;
}

void FrmMenu::OnContextMenu(HWND source, POINT screenPoint) {
  // Push buttons pass their own right-button release up here; only the background has the menu.
  if (!contextMenu_ || source != window_ || (screenPoint.x == -1 && screenPoint.y == -1)) return;
  POINT client = screenPoint;
  ScreenToClient(window_, &client);
  const std::optional<ControlId> control = view_->WindowlessAt(client);
  if (!control || control->Kind != ControlKind::MenBck) return;
  TrackPopupMenu(contextMenu_, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, screenPoint.x,
                 screenPoint.y, 0, window_, nullptr);
}

}  // namespace orvane
