// A small Windows program through which run_about_checks.sh looks at the About window:
//
//   about_probe REPORT
//     Draws the background gradient with GDI's own lines and compares it with the core's
//     picture, decodes the embedded logo, measures the ink of the title in normal and bold
//     type, then opens two About windows as the menu window does.
//     REPORT is rewritten whenever something changes: the comparison, the logo's size, and for
//     each window its caption, frame, client size, style and whether it is visible, with its
//     Close button. Every message the windows show goes to REPORT.messages instead of a box.
//     The program ends when both windows are hidden, or after two minutes.
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "about/about_gradient.h"
#include "about_logo.h"
#include "frmabout.h"
#include "picture_dib.h"

namespace {

constexpr UINT_PTR kTimerId = 1;
constexpr UINT kTickMs = 100;
constexpr int kMaxTicks = 1200;

std::string g_report;
std::string g_static;  // the part of the report that does not change
std::vector<HWND> g_windows;
std::string g_last;
int g_ticks = 0;

class RecordingDialog : public orvane::MessageDialog {
 public:
  orvane::TModalResult Show(const std::string& text, orvane::MessageKind kind, orvane::MessageButtons buttons,
                            int32_t helpContext, int32_t defaultIndex, const std::string& caption) override {
    std::ofstream out(g_report + ".messages", std::ios::binary | std::ios::app);
    out << "kind=" << static_cast<int>(kind) << " buttons=" << buttons << " help=" << helpContext
        << " default=" << defaultIndex << " caption=" << caption << " text=" << text << "\n";
    return 1;
  }
};

// Lines from (0, y) to (W + 1, y + 1) with GDI's pen, on white, exactly as the window would
// draw them itself; the count of pixels that differ from the core's picture.
int GradientMismatches() {
  const orvane::Picture expected = orvane::DrawAboutGradient();
  const BITMAPINFO info = orvane::PictureBitmapInfo(expected.Width, expected.Height);
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!bitmap || !bits) return -1;
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
  RECT all{0, 0, expected.Width, expected.Height};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  for (int y = 0; y <= expected.Height; ++y) {
    HPEN pen = CreatePen(PS_SOLID, 1, orvane::AboutGradientPenColour(y, expected.Height));
    HGDIOBJ oldPen = SelectObject(dc, pen);
    MoveToEx(dc, 0, y, nullptr);
    LineTo(dc, expected.Width + 1, y + 1);
    SelectObject(dc, oldPen);
    DeleteObject(pen);
  }
  GdiFlush();
  int mismatches = 0;
  const auto* drawn = static_cast<const uint32_t*>(bits);
  for (size_t i = 0; i < expected.Pixels.size(); ++i)
    if ((drawn[i] & 0x00FFFFFFu) != expected.Pixels[i]) ++mismatches;
  SelectObject(dc, oldBitmap);
  DeleteDC(dc);
  DeleteObject(bitmap);
  return mismatches;
}

// Dark pixels of the product name drawn in black on white in Arial of character height 21 with
// the given weight: what the window's title shows in that weight.
int TitleInk(int weight) {
  const int width = 200, height = 22;
  const BITMAPINFO info = orvane::PictureBitmapInfo(width, height);
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!bitmap || !bits) return -1;
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
  RECT all{0, 0, width, height};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  HFONT font = CreateFontA(-21, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "Arial");
  HGDIOBJ oldFont = SelectObject(dc, font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(0, 0, 0));
  DrawTextA(dc, "Orvane", 6, &all, DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
  GdiFlush();
  int ink = 0;
  const auto* pixels = static_cast<const uint32_t*>(bits);
  for (int i = 0; i < width * height; ++i) {
    const uint32_t p = pixels[i];
    if ((p & 0xFF) + ((p >> 8) & 0xFF) + ((p >> 16) & 0xFF) < 3 * 128) ++ink;
  }
  SelectObject(dc, oldFont);
  DeleteObject(font);
  SelectObject(dc, oldBitmap);
  DeleteDC(dc);
  DeleteObject(bitmap);
  return ink;
}

std::string Describe(HWND hwnd, size_t index) {
  std::ostringstream out;
  char caption[256] = {};
  GetWindowTextA(hwnd, caption, sizeof caption);
  RECT frame{}, client{};
  GetWindowRect(hwnd, &frame);
  GetClientRect(hwnd, &client);
  POINT origin{0, 0};
  ClientToScreen(hwnd, &origin);
  const LONG style = GetWindowLongA(hwnd, GWL_STYLE);
  out << "window" << index << "=" << caption << "|visible=" << (IsWindowVisible(hwnd) ? 1 : 0)
      << "|client_origin=" << origin.x << "," << origin.y << "|client=" << client.right << "x" << client.bottom
      << "|frame=" << frame.left << "," << frame.top << "|sizeable=" << ((style & WS_THICKFRAME) ? 1 : 0)
      << "|sysmenu=" << ((style & WS_SYSMENU) ? 1 : 0)
      << "|minmax=" << ((style & WS_MINIMIZEBOX) && (style & WS_MAXIMIZEBOX) ? 1 : 0) << "\n";
  if (HWND button = GetWindow(hwnd, GW_CHILD)) {
    char text[64] = {};
    GetWindowTextA(button, text, sizeof text);
    RECT r{};
    GetWindowRect(button, &r);
    MapWindowPoints(nullptr, hwnd, reinterpret_cast<POINT*>(&r), 2);
    out << "button" << index << "=" << text << "|at=" << r.left << "," << r.top << "|size=" << (r.right - r.left) << "x"
        << (r.bottom - r.top) << "|tabstop=" << ((GetWindowLongA(button, GWL_STYLE) & WS_TABSTOP) ? 1 : 0)
        << "|focus=" << (GetFocus() == button ? 1 : 0) << "\n";
  }
  return out.str();
}

void WriteReport() {
  std::string text = g_static;
  int visible = 0;
  for (size_t i = 0; i < g_windows.size(); ++i) {
    if (!IsWindow(g_windows[i])) {
      text += "window" + std::to_string(i) + "=gone\n";
      continue;
    }
    visible += IsWindowVisible(g_windows[i]) ? 1 : 0;
    text += Describe(g_windows[i], i);
  }
  text += "visible_windows=" + std::to_string(visible) + "\n";
  if (text == g_last) return;
  g_last = text;
  // Written aside and renamed, so that a reader never sees half a report.
  const std::string partial = g_report + ".part";
  {
    std::ofstream out(partial, std::ios::binary | std::ios::trunc);
    out << text;
  }
  MoveFileExA(partial.c_str(), g_report.c_str(), MOVEFILE_REPLACE_EXISTING);
}

void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
  WriteReport();
  bool anyVisible = false;
  for (HWND hwnd : g_windows) anyVisible = anyVisible || IsWindowVisible(hwnd);
  if (!anyVisible || ++g_ticks > kMaxTicks) PostQuitMessage(0);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  if (__argc < 2) return 2;
  g_report = __argv[1];
  DeleteFileA((g_report + ".messages").c_str());

  const orvane::Picture logo = orvane::LoadAboutLogo(instance);
  std::ostringstream fixed;
  fixed << "gradient_mismatches=" << GradientMismatches() << "\n"
        << "logo=" << logo.Width << "x" << logo.Height << "\n"
        << "title_ink=" << TitleInk(FW_NORMAL) << "," << TitleInk(FW_BOLD) << "\n";
  g_static = fixed.str();

  RecordingDialog dialog;
  HICON icon = LoadIcon(nullptr, IDI_APPLICATION);
  for (int i = 0; i < 2; ++i) g_windows.push_back(orvane::ShowAboutWindow(instance, icon, dialog, "Orvane"));

  SetTimer(nullptr, kTimerId, kTickMs, &Tick);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  WriteReport();
  return 0;
}
