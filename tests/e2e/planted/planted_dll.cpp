// A DLL that must never be loaded: built as version.dll and as winmm.dll, the end-to-end test puts
// both beside the player. Loaded into any process, it writes "<its own path>.loaded" at once, so
// the test can tell that a stranger's code ran.
#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID) {
  if (reason != DLL_PROCESS_ATTACH) return TRUE;
  char path[MAX_PATH + 16] = {};
  const DWORD length = GetModuleFileNameA(self, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return TRUE;
  lstrcatA(path, ".loaded");
  HANDLE mark = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (mark != INVALID_HANDLE_VALUE) CloseHandle(mark);
  return TRUE;
}

// For rundll32, which the test uses to show that loading the DLL does leave the mark.
extern "C" __declspec(dllexport) void CALLBACK Mark(HWND, HINSTANCE, LPSTR, int) {}
