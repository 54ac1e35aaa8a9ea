#include "win32_sound_output.h"

#include <windows.h>
#include <mmsystem.h>

#include "pump_messages.h"
#include "system_library.h"
#include "wide_text.h"
#include "win32_error_text.h"

namespace orvane {

namespace {
// Resource names of slots 1 to 5.
constexpr const wchar_t* kResourceNames[5] = {L"start_wav", L"select_wav", L"click_wav",
                                              L"change_wav", L"exit_wav"};
constexpr const wchar_t kResourceType[] = L"wave";

// winmm.dll is loaded from the system folder at the first sound (see system_library.h).
BOOL PlaySoundFromSystem(LPCWSTR sound, HMODULE module, DWORD flags) {
  using PlaySoundFunction = BOOL(WINAPI*)(LPCWSTR, HMODULE, DWORD);
  static const PlaySoundFunction play =
      SystemFunctionAs<PlaySoundFunction>("winmm.dll", "PlaySoundW");
  return play ? play(sound, module, flags) : FALSE;
}
}  // namespace

Win32SoundOutput::Win32SoundOutput(void* module)
    : module_(module ? module : GetModuleHandleW(nullptr)) {}

bool Win32SoundOutput::LoadBuiltIn(std::string& error) {
  error.clear();
  HMODULE module = static_cast<HMODULE>(module_);
  for (int i = 0; i < 5; ++i) {
    images_[i] = Image{};
    SetLastError(ERROR_SUCCESS);
    // Each step can fail only with a damaged executable; the first failure is the one shown.
    HRSRC info = FindResourceW(module, kResourceNames[i], kResourceType);
    DWORD size = info ? SizeofResource(module, info) : 0;
    HGLOBAL handle = size ? LoadResource(module, info) : nullptr;
    const void* data = handle ? LockResource(handle) : nullptr;
    if (!data) {
      DWORD code = GetLastError();
      // An empty resource fails without an error code of its own.
      if (error.empty()) error = SystemErrorText(code ? code : ERROR_RESOURCE_DATA_NOT_FOUND);
      continue;
    }
    // Resources belong to the module and stay mapped for its life: nothing to free.
    images_[i] = Image{data, size};
  }
  return error.empty();
}

void Win32SoundOutput::PlayFile(const std::string& path, bool wait) {
  // No SND_FILENAME and no SND_NODEFAULT: a file that is no wave sounds the system default.
  PlaySoundFromSystem(Wide(path).c_str(), nullptr, wait ? SND_SYNC : SND_ASYNC);
}

void Win32SoundOutput::PlayBuiltIn(int32_t slot, bool wait) {
  Image image = BuiltInImage(slot);
  if (!image.Data) return;
  PlaySoundFromSystem(static_cast<const wchar_t*>(image.Data), nullptr,
                      SND_MEMORY | SND_NODEFAULT | (wait ? SND_SYNC : SND_ASYNC));
}

void Win32SoundOutput::PumpMessages() { PumpPendingMessages(); }

Win32SoundOutput::Image Win32SoundOutput::BuiltInImage(int32_t slot) const {
  if (slot < 1 || slot > 5) return Image{};
  return images_[slot - 1];
}

}  // namespace orvane
