// Program entry: the DLL search narrowed to the system folder, the application title, the common
// controls with visual styles, the menu window (whose creation runs the start-up sequence) and
// the message loop.
#include <windows.h>
#include <commctrl.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "frm_menu.h"
#include "system_library.h"
#include "wide_text.h"

namespace {

// Whatever characters the folder's name holds: the wide name, in UTF-8 like every text inside.
std::string ExecutablePath() {
  std::vector<wchar_t> path(MAX_PATH);
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size() || path.size() >= 32768)
      return orvane::Utf8(std::wstring_view(path.data(), length));
    path.resize(path.size() * 2);
  }
}

std::string FirstArgument() {
  // The C runtime splits the wide command line by the usual rules.
  return __argc > 1 && __wargv && __wargv[1] ? orvane::Utf8(__wargv[1]) : std::string();
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int) {
  // Before anything can load a DLL: none from the program's folder (a disc or a writable stick).
  orvane::RestrictDllSearchToSystem();
  using InitControls = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
  const auto init = orvane::SystemFunctionAs<InitControls>("comctl32.dll", "InitCommonControlsEx");
  INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
  if (init) init(&controls);

  orvane::StartupInfo startup;
  startup.ExePath = ExecutablePath();
  startup.FirstArgument = FirstArgument();
  startup.ApplicationTitle = orvane::kApplicationTitle;

  orvane::FrmMenu form(instance);
  if (!form.Create(startup)) return 1;
  return form.Run();
}
