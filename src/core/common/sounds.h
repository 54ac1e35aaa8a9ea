#pragma once
// The interface sounds and the order in which side files replace the built-in ones.
#include <cstdint>
#include <string>

#include "common/file_system.h"

namespace orvane {

// Slots of the built-in sounds; any other number plays the select sound.
enum BuiltInSound : int32_t {
  kStartSound = 1,
  kSelectSound = 2,
  kClickSound = 3,
  kChangeSound = 4,
  kExitSound = 5,
};

// Playback as the platform offers it. A new sound replaces the one playing.
class SoundOutput {
 public:
  virtual ~SoundOutput() = default;
  virtual void PlayFile(const std::string& path, bool wait) = 0;
  virtual void PlayBuiltIn(int32_t slot, bool wait) = 0;
  // Lets pending window messages run once.
  virtual void PumpMessages() = 0;
};

class Sounds {
 public:
  Sounds(SoundOutput& output, FileSystem& files) : output_(output), files_(files) {}

  // Ends in the path separator; side files are looked up there.
  std::string ApplicationFolder;
  // Cleared at the start of every action; set by PlayClickSound.
  bool ClickPlayed = false;

  void PlayBuiltInSound(int32_t kind, bool wait);
  void PlayStartSound();
  void PlaySelectSound(const std::string& menuName, int32_t button);
  void PlayClickSound(const std::string& menuName, int32_t button, bool wait);
  void PlayChangeSound(const std::string& menuName);
  void PlayExitSound();
  void PlayNoActionSound();

 private:
  SoundOutput& output_;
  FileSystem& files_;
};

}  // namespace orvane
