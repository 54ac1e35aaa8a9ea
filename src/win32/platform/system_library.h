#pragma once
// DLLs from the system folder only. Windows looks for a DLL in the program's own folder first,
// so a version.dll or winmm.dll planted beside a signed player on a writable stick would run
// under the player's signature, also when a system DLL that the player imports needs it. The
// player therefore imports only DLLs on the system's known list, narrows the search for
// everything loaded later, and loads the others (version, winmm, the common controls) at run
// time from the system folder.
#include <windows.h>

namespace orvane {

// At the very start of the program: every later load searches the system folder only. Systems
// without SetDefaultDllDirectories keep their search; the two DLLs below are loaded by full path
// by full path there.
void RestrictDllSearchToSystem();

// A function of a DLL in the system folder, loaded once and kept; null when it cannot be had.
FARPROC SystemFunction(const char* dll, const char* name);

template <class Function>
Function SystemFunctionAs(const char* dll, const char* name) {
  // Through void*: a function pointer of another type, as GetProcAddress always hands out.
  return reinterpret_cast<Function>(reinterpret_cast<void*>(SystemFunction(dll, name)));
}

}  // namespace orvane
