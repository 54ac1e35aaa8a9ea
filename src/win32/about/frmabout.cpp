// The About window. Everything but the Close button is painted by the window itself, back to
// front as the controls are stacked, into an off-screen bitmap: no flicker when it is moved,
// resized or uncovered, and the labels stay transparent over the shaded background.
#include "frmabout.h"

#include <shellapi.h>

#include <cstdint>
#include <memory>

#include "about/about_gradient.h"
#include "about/maker_link.h"
#include "about_logo.h"
#include "picture_dib.h"
#include "wide_text.h"
#include "window_subclass.h"

namespace orvane {

namespace {

constexpr const wchar_t* kClassName = L"TfrmAboutCls";
constexpr int kClientWidth = 441;
constexpr int kClientHeight = 289;
constexpr int kWindowLeft = 468;
constexpr int kWindowTop = 187;
constexpr int kCommand1Id = 1;
constexpr COLORREF kLinkColour = RGB(0, 0, 255);

// Positions of the controls in the client area (left, top, width, height).
constexpr RECT kPicture2{9, 9, 9 + kAboutGradientWidth, 9 + kAboutGradientHeight};
constexpr RECT kBevel1{8, 8, 8 + 425, 8 + 237};
constexpr POINT kPicture3{328, 11};
constexpr POINT kLabel5{304, 222};
constexpr POINT kLabel2{60, 40};
constexpr POINT kLabel1{60, 16};
constexpr RECT kImage1{14, 16, 14 + 32, 16 + 32};
constexpr RECT kBevel2{14, 66, 14 + 410, 66 + 3};
constexpr RECT kCommand1{352, 256, 352 + 81, 256 + 25};

HFONT MakeFont(const wchar_t* face, int pixelHeight, int weight, bool underline) {
  // A negative height asks for the character height without the internal leading.
  return CreateFontW(-pixelHeight, 0, 0, 0, weight, FALSE, underline ? TRUE : FALSE, FALSE,
                     DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                     DEFAULT_PITCH | FF_DONTCARE, face);
}

// A device-independent bitmap holding a copy of the picture (same pixel layout, top row first).
HBITMAP BitmapOf(const Picture& picture) {
  if (picture.Empty()) return nullptr;
  const BITMAPINFO info = PictureBitmapInfo(picture.Width, picture.Height);
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!bitmap || !bits) return bitmap;
  CopyMemory(bits, picture.Pixels.data(), picture.Pixels.size() * sizeof(uint32_t));
  return bitmap;
}

void DrawBitmap(HDC target, HBITMAP bitmap, int left, int top) {
  if (!bitmap) return;
  BITMAP info{};
  GetObjectW(bitmap, sizeof info, &info);
  HDC source = CreateCompatibleDC(target);
  HGDIOBJ old = SelectObject(source, bitmap);
  BitBlt(target, left, top, info.bmWidth, info.bmHeight, source, 0, 0, SRCCOPY);
  SelectObject(source, old);
  DeleteDC(source);
}

class ShellPageOpener : public PageOpener {
 public:
  explicit ShellPageOpener(HWND owner) : owner_(owner) {}
  int32_t OpenPage(const std::string& address) override {
    const HINSTANCE answer =
        ShellExecuteW(owner_, nullptr, Wide(address).c_str(), nullptr, nullptr, SW_SHOWMAXIMIZED);
    return static_cast<int32_t>(reinterpret_cast<INT_PTR>(answer));
  }

 private:
  HWND owner_;
};

// One auto-sized, transparent label.
struct Label {
  std::string Text;
  HFONT Font = nullptr;
  COLORREF Colour = 0;
  RECT Bounds{};
};

class TfrmAboutCls {
 public:
  TfrmAboutCls(HINSTANCE instance, HICON ownerIcon, MessageDialog& dialog, std::string caption)
      : instance_(instance), ownerIcon_(ownerIcon), dialog_(dialog), caption_(std::move(caption)) {}

  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK Command1Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR id, DWORD_PTR data);

 private:
  void Form_Load();
  void Form_Destroy();
  void Paint();
  void Command1_Click() { ShowWindow(hwnd_, SW_HIDE); }
  void Label5_Click() {
    ShellPageOpener shell(hwnd_);
    OpenMakerPage(shell, dialog_, caption_);
  }
  bool OverLabel5(POINT p) const { return PtInRect(&label5_.Bounds, p) != FALSE; }
  void PlaceLabel(Label& label, POINT at);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);

  HINSTANCE instance_;
  HICON ownerIcon_;
  MessageDialog& dialog_;
  std::string caption_;

  HWND hwnd_ = nullptr;
  HWND Command1_ = nullptr;
  HICON Image1_ = nullptr;
  HBITMAP Picture2_ = nullptr;
  HBITMAP Picture3_ = nullptr;
  HFONT formFont_ = nullptr;
  HFONT titleFont_ = nullptr;
  HFONT subtitleFont_ = nullptr;
  HFONT linkFont_ = nullptr;
  Label label1_, label2_, label5_;
  bool linkPressed_ = false;
};

void TfrmAboutCls::PlaceLabel(Label& label, POINT at) {
  HDC dc = GetDC(hwnd_);
  HGDIOBJ old = SelectObject(dc, label.Font);
  RECT r{0, 0, 0, 0};
  const std::wstring text = Wide(label.Text);
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r,
            DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
  SelectObject(dc, old);
  ReleaseDC(hwnd_, dc);
  label.Bounds = RECT{at.x, at.y, at.x + (r.right - r.left), at.y + (r.bottom - r.top)};
}

void TfrmAboutCls::Form_Load() {
  formFont_ = MakeFont(L"Tahoma", 11, FW_NORMAL, false);
  titleFont_ = MakeFont(L"Arial", 21, FW_NORMAL, false);
  subtitleFont_ = MakeFont(L"Arial", 13, FW_NORMAL, false);
  linkFont_ = MakeFont(L"Tahoma", 11, FW_NORMAL, true);

  // Image1 keeps its own copy of the icon it is given.
  if (ownerIcon_) Image1_ = CopyIcon(ownerIcon_);
  Picture2_ = BitmapOf(DrawAboutGradient());
  Picture3_ = BitmapOf(LoadAboutLogo(instance_));

  label1_ = Label{"Orvane", titleFont_, GetSysColor(COLOR_WINDOWTEXT), {}};
  label2_ = Label{kAboutSubtitle, subtitleFont_, GetSysColor(COLOR_WINDOWTEXT), {}};
  label5_ = Label{kMakerLinkText, linkFont_, kLinkColour, {}};
  PlaceLabel(label1_, kLabel1);
  PlaceLabel(label2_, kLabel2);
  PlaceLabel(label5_, kLabel5);

  Command1_ = CreateWindowExW(
      0, L"BUTTON", L"&Close", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON,
      kCommand1.left, kCommand1.top, kCommand1.right - kCommand1.left,
      kCommand1.bottom - kCommand1.top, hwnd_,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(kCommand1Id)), instance_, nullptr);
  if (Command1_) {
    SendMessageW(Command1_, WM_SETFONT, reinterpret_cast<WPARAM>(formFont_), FALSE);
    // The menu window's message loop runs no dialog manager: the button answers Enter and its
    // access key itself.
    SubclassWithChain(Command1_, &TfrmAboutCls::Command1Proc, kCommand1Id,
                      reinterpret_cast<DWORD_PTR>(this));
  }
}

void TfrmAboutCls::Form_Destroy() {
  if (Image1_) DestroyIcon(Image1_);
  for (HGDIOBJ object : {static_cast<HGDIOBJ>(Picture2_), static_cast<HGDIOBJ>(Picture3_),
                         static_cast<HGDIOBJ>(formFont_), static_cast<HGDIOBJ>(titleFont_),
                         static_cast<HGDIOBJ>(subtitleFont_), static_cast<HGDIOBJ>(linkFont_)})
    if (object) DeleteObject(object);
  Image1_ = nullptr;
  Picture2_ = Picture3_ = nullptr;
  formFont_ = titleFont_ = subtitleFont_ = linkFont_ = nullptr;
}

void TfrmAboutCls::Paint() {
  PAINTSTRUCT ps;
  HDC target = BeginPaint(hwnd_, &ps);
  RECT client;
  GetClientRect(hwnd_, &client);
  HDC dc = CreateCompatibleDC(target);
  HBITMAP buffer = CreateCompatibleBitmap(target, client.right, client.bottom);
  if (!dc || !buffer) {
    // Without an off-screen bitmap, draw straight onto the window.
    if (buffer) DeleteObject(buffer);
    if (dc) DeleteDC(dc);
    dc = target;
    buffer = nullptr;
  }
  HGDIOBJ oldBitmap = buffer ? SelectObject(dc, buffer) : nullptr;

  FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
  DrawBitmap(dc, Picture2_, kPicture2.left, kPicture2.top);
  RECT bevel1 = kBevel1;
  DrawEdge(dc, &bevel1, BDR_RAISEDINNER, BF_RECT);
  DrawBitmap(dc, Picture3_, kPicture3.x, kPicture3.y);
  SetBkMode(dc, TRANSPARENT);
  for (Label* label : {&label5_, &label2_, &label1_}) {
    HGDIOBJ oldFont = SelectObject(dc, label->Font);
    SetTextColor(dc, label->Colour);
    RECT r = label->Bounds;
    const std::wstring text = Wide(label->Text);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r,
              DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
    SelectObject(dc, oldFont);
  }
  if (Image1_)
    DrawIconEx(dc, kImage1.left, kImage1.top, Image1_, kImage1.right - kImage1.left,
               kImage1.bottom - kImage1.top, 0, nullptr, DI_NORMAL);
  // A lowered bevel of the top line only: a shadow line with a highlight below it.
  RECT bevel2 = kBevel2;
  DrawEdge(dc, &bevel2, EDGE_ETCHED, BF_TOP);

  if (buffer) {
    BitBlt(target, ps.rcPaint.left, ps.rcPaint.top, ps.rcPaint.right - ps.rcPaint.left,
           ps.rcPaint.bottom - ps.rcPaint.top, dc, ps.rcPaint.left, ps.rcPaint.top, SRCCOPY);
    SelectObject(dc, oldBitmap);
    DeleteObject(buffer);
    DeleteDC(dc);
  }
  EndPaint(hwnd_, &ps);
}

LRESULT TfrmAboutCls::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND: return 1;  // Paint covers the whole client area
    case WM_PAINT: Paint(); return 0;
    case WM_ACTIVATE:
      // The Close button is first and only in the tab order.
      if (LOWORD(wParam) != WA_INACTIVE && HIWORD(wParam) == 0 && Command1_) SetFocus(Command1_);
      return 0;
    case WM_COMMAND:
      if (LOWORD(wParam) == kCommand1Id && HIWORD(wParam) == BN_CLICKED) Command1_Click();
      return 0;
    case WM_CLOSE: ShowWindow(hwnd_, SW_HIDE); return 0;
    case WM_SETCURSOR:
      if (LOWORD(lParam) == HTCLIENT) {
        POINT p;
        GetCursorPos(&p);
        ScreenToClient(hwnd_, &p);
        if (OverLabel5(p)) {
          SetCursor(LoadCursor(nullptr, IDC_HAND));
          return TRUE;
        }
      }
      break;
    case WM_LBUTTONDOWN: {
      const POINT p{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
      if (OverLabel5(p)) {
        linkPressed_ = true;
        SetCapture(hwnd_);
      }
      return 0;
    }
    case WM_LBUTTONUP: {
      const POINT p{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
      const bool click = linkPressed_ && OverLabel5(p);
      linkPressed_ = false;
      if (GetCapture() == hwnd_) ReleaseCapture();
      if (click) Label5_Click();
      return 0;
    }
    case WM_CAPTURECHANGED: linkPressed_ = false; return 0;
    case WM_DESTROY: Form_Destroy(); return 0;
    default: break;
  }
  return DefWindowProcW(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK TfrmAboutCls::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<TfrmAboutCls*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (message == WM_NCCREATE) {
    // The window takes the object over; it is deleted with the window (WM_NCDESTROY).
    auto* pending = static_cast<std::unique_ptr<TfrmAboutCls>*>(
        reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self = pending->release();
    self->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
  if (message == WM_CREATE) {
    self->Form_Load();
    return 0;
  }
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    delete self;
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
  return self->Handle(message, wParam, lParam);
}

LRESULT CALLBACK TfrmAboutCls::Command1Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                            UINT_PTR id, DWORD_PTR data) {
  auto* self = reinterpret_cast<TfrmAboutCls*>(data);
  const bool accessKey = (wParam == 'c' || wParam == 'C');
  if ((message == WM_KEYDOWN && wParam == VK_RETURN) || (message == WM_SYSCHAR && accessKey) ||
      (message == WM_CHAR && accessKey)) {
    self->Command1_Click();
    return 0;
  }
  if (message == WM_CHAR && wParam == '\r') return 0;  // no beep after Enter
  if (message == WM_NCDESTROY) RemoveWindowSubclassing(hwnd, &TfrmAboutCls::Command1Proc, id);
  return DefaultSubclassProcedure(hwnd, message, wParam, lParam);
}

bool RegisterAboutClass(HINSTANCE instance) {
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof existing;
  if (GetClassInfoExW(instance, kClassName, &existing)) return true;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = &TfrmAboutCls::WindowProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = nullptr;  // painted by the window
  wc.lpszClassName = kClassName;
  return RegisterClassExW(&wc) != 0;
}

}  // namespace

HWND ShowAboutWindow(HINSTANCE instance, HICON ownerIcon, MessageDialog& dialog,
                     const std::string& dialogCaption) {
  if (!RegisterAboutClass(instance)) return nullptr;
  const DWORD style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
  RECT frame{0, 0, kClientWidth, kClientHeight};
  AdjustWindowRectEx(&frame, style, FALSE, 0);
  // Still here if creation fails before the window could take it over.
  auto form = std::make_unique<TfrmAboutCls>(instance, ownerIcon, dialog, dialogCaption);
  HWND hwnd = CreateWindowExW(0, kClassName, L"About", style, kWindowLeft, kWindowTop,
                              frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr,
                              instance, &form);
  if (!hwnd) return nullptr;
  ShowWindow(hwnd, SW_SHOWNORMAL);
  UpdateWindow(hwnd);
  return hwnd;
}

}  // namespace orvane
