// A small Windows program through which run_dialog_checks.sh looks at the message dialog and the
// built-in sounds from outside and from inside:
//
//   sound_dialog_probe REPORT dialog KIND BUTTONS DEFAULT CAPTION TEXT
//     Shows two top-level windows and the dialog (CAPTION "-" is empty; "\r" and "\n" in TEXT are
//     line breaks). Once the dialog is up, a timer of the owner window writes REPORT.dialog: the
//     caption, the buttons left to right with their default mark and focus, the text, and
//     whether the other windows are disabled. Every change of the clipboard while it is up is
//     written to REPORT.clip as raw bytes. When the dialog returns, REPORT gets the result and
//     how many timer ticks ran meanwhile.
//   sound_dialog_probe REPORT sounds [SIDE_FILE]
//     Loads the built-in sounds, writes each one's format and plays each to its end, then the
//     side file, if one is named, the way side files are played.
//   sound_dialog_probe REPORT missing-sounds
//     Loads them from a module without them and writes the error text.
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "win32_message_dialog.h"
#include "win32_sound_output.h"

namespace {

constexpr UINT_PTR kTimerId = 1;
constexpr UINT kTickMs = 50;

std::string g_report;
HWND g_owner = nullptr;
HWND g_other = nullptr;
int g_ticks = 0;
int g_ticksAtShow = -1;
bool g_dumped = false;
DWORD g_clipboardSequence = 0;

std::string Escape(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\r')
      out += "\\r";
    else if (c == '\n')
      out += "\\n";
    else
      out += c;
  }
  return out;
}

std::string Unescape(const std::string& text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\\' && i + 1 < text.size() && (text[i + 1] == 'r' || text[i + 1] == 'n')) {
      out += text[i + 1] == 'r' ? '\r' : '\n';
      ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

// Written under a temporary name first, so the script never reads half a file.
void WriteFileAtomically(const std::string& path, const std::string& content) {
  std::string temporary = path + ".part";
  {
    std::ofstream out(temporary, std::ios::binary);
    out << content;
  }
  MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING);
}

std::string WindowText(HWND w) {
  char buffer[4096];
  int n = GetWindowTextA(w, buffer, sizeof(buffer));
  return std::string(buffer, n > 0 ? n : 0);
}

std::string ClassOf(HWND w) {
  char buffer[256];
  int n = GetClassNameA(w, buffer, sizeof(buffer));
  return std::string(buffer, n > 0 ? n : 0);
}

BOOL CALLBACK FindDialog(HWND w, LPARAM found) {
  if (ClassOf(w) == "OrvaneMessageDialog" && IsWindowVisible(w)) {
    *reinterpret_cast<HWND*>(found) = w;
    return FALSE;
  }
  return TRUE;
}

struct Child {
  HWND hwnd;
  RECT rect;
};

BOOL CALLBACK CollectChild(HWND w, LPARAM list) {
  reinterpret_cast<std::vector<Child>*>(list)->push_back({w, {}});
  return TRUE;
}

void DumpDialog(HWND dialog) {
  std::ostringstream out;
  out << "caption=" << WindowText(dialog) << "\n";
  out << "owner_enabled=" << (IsWindowEnabled(g_owner) ? 1 : 0) << "\n";
  out << "other_enabled=" << (IsWindowEnabled(g_other) ? 1 : 0) << "\n";
  out << "dialog_owner_is_owner=" << (GetWindow(dialog, GW_OWNER) == g_owner ? 1 : 0) << "\n";
  RECT wr;
  GetWindowRect(dialog, &wr);
  out << "window=" << wr.left << "," << wr.top << "," << wr.right << "," << wr.bottom << "\n";
  out << "screen=" << GetSystemMetrics(SM_CXSCREEN) << "," << GetSystemMetrics(SM_CYSCREEN) << "\n";
  std::vector<Child> children;
  EnumChildWindows(dialog, CollectChild, reinterpret_cast<LPARAM>(&children));
  HWND focus = GetFocus();
  out << "focus_on_dialog=" << (focus == dialog ? 1 : 0) << "\n";
  int icons = 0;
  std::vector<std::pair<int, std::string>> buttons;
  for (Child& c : children) {
    GetWindowRect(c.hwnd, &c.rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&c.rect), 2);
    std::string cls = ClassOf(c.hwnd);
    LONG style = GetWindowLongA(c.hwnd, GWL_STYLE);
    if (lstrcmpiA(cls.c_str(), "Static") == 0) {
      if ((style & SS_TYPEMASK) == SS_ICON) {
        ++icons;
        out << "icon_handle=" << (SendMessageA(c.hwnd, STM_GETICON, 0, 0) ? 1 : 0) << "\n";
      } else {
        out << "text=" << Escape(WindowText(c.hwnd)) << "\n";
        out << "text_rect=" << c.rect.left << "," << c.rect.top << "," << c.rect.right << "," << c.rect.bottom << "\n";
      }
    } else if (lstrcmpiA(cls.c_str(), "Button") == 0) {
      std::ostringstream line;
      line << WindowText(c.hwnd) << "|default=" << ((style & 0x0F) == BS_DEFPUSHBUTTON ? 1 : 0)
           << "|focus=" << (focus == c.hwnd ? 1 : 0) << "|rect=" << c.rect.left << "," << c.rect.top << ","
           << c.rect.right << "," << c.rect.bottom;
      buttons.push_back({static_cast<int>(c.rect.left), line.str()});
    }
  }
  out << "icons=" << icons << "\n";
  // Left to right, as the user sees them.
  for (size_t i = 1; i < buttons.size(); ++i)
    for (size_t j = i; j > 0 && buttons[j - 1].first > buttons[j].first; --j) std::swap(buttons[j - 1], buttons[j]);
  for (auto& b : buttons) out << "button=" << b.second << "\n";
  WriteFileAtomically(g_report + ".dialog", out.str());
}

void WatchClipboard() {
  DWORD sequence = GetClipboardSequenceNumber();
  if (sequence == g_clipboardSequence) return;
  g_clipboardSequence = sequence;
  if (!OpenClipboard(g_owner)) return;
  std::string text;
  if (HANDLE data = GetClipboardData(CF_TEXT)) {
    if (const char* p = static_cast<const char*>(GlobalLock(data))) {
      text = p;
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  WriteFileAtomically(g_report + ".clip", text);
}

LRESULT CALLBACK OwnerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_TIMER && wParam == kTimerId) {
    ++g_ticks;
    HWND dialog = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindDialog, reinterpret_cast<LPARAM>(&dialog));
    if (dialog) {
      if (g_ticksAtShow < 0) g_ticksAtShow = g_ticks;
      // A few ticks after it appeared, when activation and focus have settled.
      if (!g_dumped && g_ticks - g_ticksAtShow >= 4) {
        DumpDialog(dialog);
        g_dumped = true;
      }
      if (g_dumped) WatchClipboard();
    }
    return 0;
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

HWND MakeTopLevel(const char* title, int x, int y) {
  return CreateWindowExA(0, "OrvaneProbeOwner", title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, x, y, 260, 120, nullptr,
                         nullptr, GetModuleHandleA(nullptr), nullptr);
}

int RunDialog(int kind, int buttons, int defaultIndex, const std::string& caption, const std::string& text) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = OwnerProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpszClassName = "OrvaneProbeOwner";
  RegisterClassA(&wc);
  g_owner = MakeTopLevel("Probe owner", 10, 10);
  g_other = MakeTopLevel("Probe other", 10, 600);
  SetTimer(g_owner, kTimerId, kTickMs, nullptr);
  g_clipboardSequence = GetClipboardSequenceNumber();

  orvane::Win32MessageDialog dialog(g_owner, [] { return std::string("Probe title"); });
  orvane::TModalResult result = dialog.Show(text, static_cast<orvane::MessageKind>(kind),
                                            static_cast<orvane::MessageButtons>(buttons), 0, defaultIndex, caption);
  int during = g_ticksAtShow < 0 ? 0 : g_ticks - g_ticksAtShow;
  std::ostringstream out;
  out << "result=" << result << "\n";
  out << "ticks_during=" << during << "\n";
  out << "owner_enabled_after=" << (IsWindowEnabled(g_owner) ? 1 : 0) << "\n";
  out << "other_enabled_after=" << (IsWindowEnabled(g_other) ? 1 : 0) << "\n";
  WriteFileAtomically(g_report, out.str());
  DestroyWindow(g_other);
  DestroyWindow(g_owner);
  return 0;
}

uint32_t Le32(const unsigned char* p) { return p[0] | p[1] << 8 | p[2] << 16 | uint32_t(p[3]) << 24; }
uint16_t Le16(const unsigned char* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }

// "format=1 channels=1 rate=12000 bits=8 frames=N", read from the image's chunks.
std::string DescribeWave(const void* data, size_t size) {
  const auto* p = static_cast<const unsigned char*>(data);
  if (size < 12 || std::memcmp(p, "RIFF", 4) != 0 || std::memcmp(p + 8, "WAVE", 4) != 0) return "not-riff-wave";
  std::ostringstream out;
  size_t at = 12;
  uint16_t channels = 0, bits = 0;
  while (at + 8 <= size) {
    uint32_t length = Le32(p + at + 4);
    if (length > size - at - 8) return "chunk-past-end";
    if (std::memcmp(p + at, "fmt ", 4) == 0 && length >= 16) {
      channels = Le16(p + at + 10);
      bits = Le16(p + at + 22);
      out << "format=" << Le16(p + at + 8) << " channels=" << channels << " rate=" << Le32(p + at + 12)
          << " bits=" << bits;
    } else if (std::memcmp(p + at, "data", 4) == 0 && channels && bits) {
      out << " frames=" << length / (channels * bits / 8);
    }
    at += 8 + length + (length & 1);
  }
  return out.str();
}

int RunSounds(const char* sideFile) {
  orvane::Win32SoundOutput sounds;
  std::string error;
  bool loaded = sounds.LoadBuiltIn(error);
  std::ostringstream out;
  out << "load=" << (loaded ? 1 : 0) << "\nerror=" << error << "\n";
  for (int slot = 1; slot <= 5; ++slot) {
    auto image = sounds.BuiltInImage(slot);
    out << "slot" << slot << "=" << (image.Data ? DescribeWave(image.Data, image.Size) : "none") << "\n";
  }
  for (int slot = 1; slot <= 5; ++slot) {
    DWORD before = GetTickCount();
    sounds.PlayBuiltIn(slot, true);
    out << "played" << slot << "_ms=" << (GetTickCount() - before) << "\n";
  }
  if (sideFile) sounds.PlayFile(sideFile, true);
  WriteFileAtomically(g_report, out.str());
  return 0;
}

int RunMissingSounds() {
  orvane::Win32SoundOutput sounds(GetModuleHandleA("kernel32.dll"));
  std::string error;
  bool loaded = sounds.LoadBuiltIn(error);
  std::ostringstream out;
  out << "load=" << (loaded ? 1 : 0) << "\nerror=" << error << "\n";
  out << "slot1=" << (sounds.BuiltInImage(1).Data ? "loaded" : "none") << "\n";
  WriteFileAtomically(g_report, out.str());
  return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  if (__argc < 3) return 2;
  g_report = __argv[1];
  std::string command = __argv[2];
  if (command == "dialog" && __argc == 8) {
    std::string caption = __argv[6];
    if (caption == "-") caption.clear();
    return RunDialog(std::atoi(__argv[3]), std::atoi(__argv[4]), std::atoi(__argv[5]), caption, Unescape(__argv[7]));
  }
  if (command == "sounds") return RunSounds(__argc > 3 ? __argv[3] : nullptr);
  if (command == "missing-sounds") return RunMissingSounds();
  return 2;
}
