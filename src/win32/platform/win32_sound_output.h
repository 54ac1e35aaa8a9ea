#pragma once
// Interface sounds through winmm's PlaySoundA: side files by path, the built-in sounds from the
// "wave" resources of the executable.
// No <windows.h> here: it would rename FileSystem::DeleteFile in every includer.
#include <cstddef>

#include "common/sounds.h"

namespace orvane {

class Win32SoundOutput : public SoundOutput {
 public:
  // The module (an HMODULE) whose resources hold the built-in sounds; the executable when null.
  explicit Win32SoundOutput(void* module = nullptr);

  bool LoadBuiltIn(std::string& error) override;
  void PlayFile(const std::string& path, bool wait) override;
  void PlayBuiltIn(int32_t slot, bool wait) override;
  void PumpMessages() override;

  struct Image {
    const void* Data = nullptr;
    size_t Size = 0;
  };
  // The loaded image of slot 1 to 5; empty before loading or when it failed.
  Image BuiltInImage(int32_t slot) const;

 private:
  void* module_;
  Image images_[5];
};

}  // namespace orvane
