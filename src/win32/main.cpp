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

namespace {

std::string ExecutablePath() {
  std::vector<char> path(MAX_PATH);
  for (;;) {
    const DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) return std::string(path.data(), length);
    if (path.size() >= 32768) return std::string(path.data(), length);
    path.resize(path.size() * 2);
  }
}

std::string FirstArgument() {
  // The C runtime splits the command line by the usual rules, in the system code page.
  return __argc > 1 && __argv[1] ? std::string(__argv[1]) : std::string();
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
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
