#include "system_library.h"

#include <map>
#include <string>

#include "wide_text.h"

namespace orvane {

namespace {
constexpr DWORD kSearchSystem32 = 0x00000800;  // LOAD_LIBRARY_SEARCH_SYSTEM32
}  // namespace

void RestrictDllSearchToSystem() {
  using SetDirectories = BOOL(WINAPI*)(DWORD);
  // kernel32 is always loaded and always the system's own; older headers lack the function.
  HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
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
    const std::wstring name = Wide(dll);
    HMODULE module = LoadLibraryExW(name.c_str(), nullptr, kSearchSystem32);
    wchar_t folder[MAX_PATH];
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (!module && length > 0 && length < MAX_PATH) {
      // Systems without the search flag refuse it: the full path, whose search for the DLL's
      // imports starts in the system folder.
      const std::wstring path = std::wstring(folder, length) + L"\\" + name;
      module = LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    }
    found = loaded.emplace(dll, module).first;
  }
  return found->second ? GetProcAddress(found->second, name) : nullptr;
}

}  // namespace orvane
