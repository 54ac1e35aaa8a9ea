#include "win32_message_dialog.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "common/dialog_layout.h"
#include "wide_text.h"

namespace orvane {

namespace {

constexpr wchar_t kClassName[] = L"OrvaneMessageDialog";
constexpr int kFirstButtonId = 100;
constexpr int kStaticId = 0xFFFF;

struct DialogState {
  DialogModel model;
  std::string clipboardText;
  std::vector<HWND> buttons;
  bool done = false;
  TModalResult result = kResultNone;
  // Without a default button the focus stays on the dialog itself, so that Enter presses
  // nothing, until the user tabs to a button.
  bool focusOnDialog = false;
};

DialogState* StateOf(HWND hwnd) {
  return reinterpret_cast<DialogState*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

void Finish(DialogState& state, TModalResult result) {
  if (state.done) return;
  state.done = true;
  state.result = result;
}

// Esc and the close box; with no cancel button neither does anything.
void PressCancel(DialogState& state) {
  if (state.model.CancelButton >= 0)
    Finish(state, state.model.Buttons[state.model.CancelButton].Result);
}

LRESULT CALLBACK DialogWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  DialogState* state = StateOf(hwnd);
  if (state) {
    switch (message) {
      case WM_COMMAND: {
        const int id = LOWORD(wParam);
        const int code = HIWORD(wParam);
        if (id == IDCANCEL) {
          PressCancel(*state);
          return 0;
        }
        const int index = id - kFirstButtonId;
        if (index >= 0 && index < static_cast<int>(state->buttons.size())) {
          if (code == BN_SETFOCUS) state->focusOnDialog = false;
          // Help has no help file to show and stays open.
          if (code == BN_CLICKED && state->model.Buttons[index].Closes)
            Finish(*state, state->model.Buttons[index].Result);
        }
        // IDOK arrives for Enter when there is no default button: nothing to press.
        return 0;
      }
      case WM_CLOSE: PressCancel(*state); return 0;
      case WM_ACTIVATE:
        // The dialog manager would otherwise put the focus on the first button, on activation
        // and whenever the dialog itself receives the focus.
        if (LOWORD(wParam) != WA_INACTIVE && state->focusOnDialog) {
          SetFocus(hwnd);
          return 0;
        }
        break;
      case WM_SETFOCUS:
        if (state->focusOnDialog) return 0;
        break;
      case WM_DESTROY:
        // Destroyed from outside (say, with its owner): no button closed it.
        Finish(*state, kResultNone);
        break;
      default: break;
    }
  }
  return DefDlgProcW(hwnd, message, wParam, lParam);
}

bool RegisterDialogClass() {
  static ATOM atom = 0;
  if (atom) return true;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = DialogWindowProc;
  // Room for the dialog manager's data: DefDlgProc gives Tab, Enter, Esc and access keys.
  wc.cbWndExtra = DLGWINDOWEXTRA;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kClassName;
  atom = RegisterClassExW(&wc);
  return atom != 0;
}

HFONT CreateDialogFont() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0))
    return CreateFontIndirectW(&metrics.lfMessageFont);
  LOGFONTW tahoma{};
  tahoma.lfHeight = -11;  // 8 points at 96 dpi
  std::wcscpy(tahoma.lfFaceName, L"Tahoma");
  return CreateFontIndirectW(&tahoma);
}

LPCWSTR SystemIconId(DialogIcon icon) {
  switch (icon) {
    case DialogIcon::Exclamation: return reinterpret_cast<LPCWSTR>(IDI_WARNING);
    case DialogIcon::Stop: return reinterpret_cast<LPCWSTR>(IDI_ERROR);
    case DialogIcon::Information: return reinterpret_cast<LPCWSTR>(IDI_INFORMATION);
    case DialogIcon::Question: return reinterpret_cast<LPCWSTR>(IDI_QUESTION);
    default: return nullptr;
  }
}

bool IsCopyKey(HWND dialog, const MSG& msg) {
  return msg.message == WM_KEYDOWN && msg.wParam == 'C' && (GetKeyState(VK_CONTROL) & 0x8000) &&
         (msg.hwnd == dialog || IsChild(dialog, msg.hwnd));
}

// As Unicode text: the system offers it in the 8-bit forms too, to programs that ask for those.
void CopyToClipboard(HWND owner, const std::string& utf8) {
  const std::wstring text = Wide(utf8);
  const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  if (!OpenClipboard(owner)) return;
  EmptyClipboard();
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (memory) {
    if (void* target = GlobalLock(memory)) {
      std::memcpy(target, text.c_str(), bytes);
      GlobalUnlock(memory);
      // The clipboard owns the memory once it accepted it.
      if (!SetClipboardData(CF_UNICODETEXT, memory)) GlobalFree(memory);
    } else {
      GlobalFree(memory);
    }
  }
  CloseClipboard();
}

// The thread's other visible top-level windows are disabled while the dialog is up and enabled
// again, whatever way the dialog ends.
class DisabledWindows {
 public:
  explicit DisabledWindows(HWND except) : except_(except) {
    EnumThreadWindows(GetCurrentThreadId(), &DisableOne, reinterpret_cast<LPARAM>(this));
  }
  ~DisabledWindows() {
    for (HWND w : windows_)
      if (IsWindow(w)) EnableWindow(w, TRUE);
  }
  DisabledWindows(const DisabledWindows&) = delete;
  DisabledWindows& operator=(const DisabledWindows&) = delete;

 private:
  static BOOL CALLBACK DisableOne(HWND window, LPARAM self) {
    auto* me = reinterpret_cast<DisabledWindows*>(self);
    if (window != me->except_ && IsWindowVisible(window) && IsWindowEnabled(window)) {
      EnableWindow(window, FALSE);
      me->windows_.push_back(window);
    }
    return TRUE;
  }
  HWND except_;
  std::vector<HWND> windows_;
};

struct MeasuredText {
  DialogMeasures measures;
  std::wstring shown;
};

MeasuredText Measure(HWND dialog, HFONT font, const DialogModel& model, const std::string& text) {
  MeasuredText out;
  out.shown = Wide(NormalizeLineBreaks(text));
  DialogMeasures& m = out.measures;
  HDC dc = GetDC(dialog);
  HGDIOBJ previous = SelectObject(dc, font);
  TEXTMETRICW tm{};
  GetTextMetricsW(dc, &tm);
  m.AverageCharWidth = tm.tmAveCharWidth;
  m.CharHeight = tm.tmHeight;
  m.IconSize = model.Icon == DialogIcon::None ? 0 : GetSystemMetrics(SM_CXICON);
  // The same flags as the text control below (SS_LEFT, SS_NOPREFIX, SS_EDITCONTROL), so that
  // the text wraps where it was measured; DT_EDITCONTROL breaks a word too long for a line.
  RECT r{0, 0, MaxTextWidth(GetSystemMetrics(SM_CXSCREEN)), 0};
  DrawTextW(dc, out.shown.c_str(), static_cast<int>(out.shown.size()), &r,
            DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX | DT_EDITCONTROL);
  m.TextWidth = r.right - r.left;
  m.TextHeight = std::min<int>(r.bottom - r.top, MaxTextHeight(GetSystemMetrics(SM_CYSCREEN)));
  for (const DialogButton& b : model.Buttons) {
    RECT lr{0, 0, 0, 0};
    DrawTextW(dc, Wide(b.Label).c_str(), -1, &lr, DT_CALCRECT | DT_SINGLELINE);
    m.LabelWidths.push_back(lr.right - lr.left);
  }
  SelectObject(dc, previous);
  ReleaseDC(dialog, dc);
  return out;
}

HWND CreateChild(HWND parent, const wchar_t* cls, const wchar_t* text, DWORD style,
                 const DialogRect& r, int id, HFONT font) {
  HWND child = CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | style, r.Left, r.Top, r.Width,
                               r.Height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                               GetModuleHandleW(nullptr), nullptr);
  if (child && font) SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return child;
}

}  // namespace

Win32MessageDialog::Win32MessageDialog(HWND__* owner, std::function<std::string()> applicationTitle)
    : owner_(owner), applicationTitle_(std::move(applicationTitle)) {}

TModalResult Win32MessageDialog::Show(const std::string& text, MessageKind kind,
                                      MessageButtons buttons, int32_t /*helpContext*/,
                                      int32_t defaultIndex, const std::string& caption) {
  DialogState state;
  state.model = BuildDialogModel(kind, buttons, defaultIndex, caption,
                                 applicationTitle_ ? applicationTitle_() : std::string());
  state.clipboardText = DialogClipboardText(state.model, text);
  if (!RegisterDialogClass()) return kResultNone;

  const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
  const DWORD exStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
  // An owner that is gone already would make the creation fail: the dialog then stands alone.
  HWND owner = (owner_ && IsWindow(owner_)) ? owner_ : nullptr;
  HWND dialog = CreateWindowExW(exStyle, kClassName, Wide(state.model.Caption).c_str(), style, 0, 0,
                                100, 100, owner, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (!dialog) return kResultNone;
  HFONT font = CreateDialogFont();
  HWND previousActive = GetActiveWindow();
  SetWindowLongPtrW(dialog, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&state));

  MeasuredText measured = Measure(dialog, font, state.model, text);
  DialogGeometry g = LayoutDialog(measured.measures);
  if (state.model.Icon != DialogIcon::None) {
    HWND icon = CreateChild(dialog, L"STATIC", nullptr, SS_ICON, g.Icon, kStaticId, nullptr);
    SendMessageW(icon, STM_SETICON,
                 reinterpret_cast<WPARAM>(LoadIconW(nullptr, SystemIconId(state.model.Icon))), 0);
  }
  CreateChild(dialog, L"STATIC", measured.shown.c_str(), SS_LEFT | SS_NOPREFIX | SS_EDITCONTROL,
              g.Text, kStaticId, font);
  for (size_t i = 0; i < state.model.Buttons.size(); ++i) {
    DWORD buttonStyle = WS_TABSTOP | BS_PUSHBUTTON | BS_NOTIFY | (i == 0 ? WS_GROUP : 0);
    state.buttons.push_back(CreateChild(dialog, L"BUTTON",
                                        Wide(state.model.Buttons[i].Label).c_str(), buttonStyle,
                                        g.Buttons[i], kFirstButtonId + static_cast<int>(i), font));
  }
  if (state.model.CancelButton < 0)
    EnableMenuItem(GetSystemMenu(dialog, FALSE), SC_CLOSE, MF_BYCOMMAND | MF_GRAYED);

  RECT frame{0, 0, g.ClientWidth, g.ClientHeight};
  AdjustWindowRectEx(&frame, style, FALSE, exStyle);
  const int width = frame.right - frame.left;
  const int height = frame.bottom - frame.top;
  const int left = std::max(0, (GetSystemMetrics(SM_CXSCREEN) - width) / 2);
  const int top = std::max(0, (GetSystemMetrics(SM_CYSCREEN) - height) / 2);
  SetWindowPos(dialog, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);

  bool quit = false;
  int quitCode = 0;
  {
    DisabledWindows disabled(dialog);
    if (state.model.DefaultButton >= 0) {
      SendMessageW(dialog, DM_SETDEFID, kFirstButtonId + state.model.DefaultButton, 0);
    } else {
      state.focusOnDialog = true;
    }
    ShowWindow(dialog, SW_SHOWNORMAL);
    SetForegroundWindow(dialog);
    if (state.model.DefaultButton >= 0) {
      SendMessageW(dialog, WM_NEXTDLGCTL,
                   reinterpret_cast<WPARAM>(state.buttons[state.model.DefaultButton]), TRUE);
    } else {
      SetFocus(dialog);
    }

    // The nested loop runs every message of the thread, so the other windows keep their timers
    // and painting while they are disabled.
    while (!state.done) {
      MSG msg;
      BOOL got = GetMessageW(&msg, nullptr, 0, 0);
      if (got == 0) {
        quit = true;
        quitCode = static_cast<int>(msg.wParam);
        break;
      }
      if (got == -1) break;
      if (IsCopyKey(dialog, msg)) {
        MessageBeep(MB_OK);
        CopyToClipboard(dialog, state.clipboardText);
        continue;
      }
      if (!IsDialogMessageW(dialog, &msg)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
      }
    }
    // The other windows are enabled again before the dialog goes, so that the system hands the
    // activation back to them and not to another program.
  }
  if (IsWindow(dialog)) {
    SetWindowLongPtrW(dialog, GWLP_USERDATA, 0);
    DestroyWindow(dialog);
  }
  if (font) DeleteObject(font);
  if (previousActive && IsWindow(previousActive)) SetActiveWindow(previousActive);
  // The application was asked to end while the dialog was up: the main loop must see it too.
  if (quit) PostQuitMessage(quitCode);
  return state.done ? state.result : kResultNone;
}

}  // namespace orvane
