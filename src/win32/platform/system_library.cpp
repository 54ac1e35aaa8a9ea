#include "system_library.h"

#include <map>
#include <string>

namespace orvane {

namespace {
constexpr DWORD kSearchSystem32 = 0x00000800;  // LOAD_LIBRARY_SEARCH_SYSTEM32
}  // namespace

void RestrictDllSearchToSystem() {
  using SetDirectories = BOOL(WINAPI*)(DWORD);
  // kernel32 is always loaded and always the system's own; older headers lack the function.
  HMODULE kernel = GetModuleHandleA("kernel32.dll");
  if (!kernel) return;
  const auto set = reinterpret_cast<SetDirectories>(
      reinterpret_cast<void*>(GetProcAddress(kernel, "SetDefaultDllDirectories")));
  if (set) set(kSearchSystem32);
}

FARPROC SystemFunction(const char* dll, const char* name) {
  // One user-interface thread: a plain cache is enough.
  static std::map<std::string, HMODULE> loaded;
  auto found = loaded.find(dll);
  if (found == loaded.end()) {
    // By name, searching the system folder only: the manifest's side-by-side assemblies (the
    // common controls of version 6) still apply, and the DLL's own imports come from there too.
    HMODULE module = LoadLibraryExA(dll, nullptr, kSearchSystem32);
    char folder[MAX_PATH];
    const UINT length = GetSystemDirectoryA(folder, MAX_PATH);
    if (!module && length > 0 && length < MAX_PATH) {
      // Systems without the search flag refuse it: the full path, whose search for the DLL's
      // imports starts in the system folder.
      const std::string path = std::string(folder, length) + "\\" + dll;
      module = LoadLibraryExA(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    }
    found = loaded.emplace(dll, module).first;
  }
  return found->second ? GetProcAddress(found->second, name) : nullptr;
}

}  // namespace orvane
