#pragma once
// The interface sounds and the order in which side files replace the built-in ones.
#include <cstdint>
#include <initializer_list>
#include <string>

#include "common/file_system.h"
#include "common/message_dialog.h"

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
  // Makes the five built-in sounds playable; on failure returns false with the platform's
  // message for it. The sounds that did load stay playable.
  virtual bool LoadBuiltIn(std::string& error) = 0;
  virtual void PlayFile(const std::string& path, bool wait) = 0;
  // Slot 1 to 5; a slot that could not be loaded stays silent.
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

  // Called once at start-up; a failure is shown as an error with the platform's message.
  // Returns whether every built-in sound loaded.
  bool LoadBuiltInSounds(MessageDialog& dialog, const std::string& caption);

  void PlayBuiltInSound(int32_t kind, bool wait);
  void PlayStartSound();
  // menuName is the name of the menu shown (MenuFileName), button the button's number.
  void PlaySelectSound(const std::string& menuName, int32_t button);
  void PlayClickSound(const std::string& menuName, int32_t button, bool wait);
  // menuName is the menu just shown.
  void PlayChangeSound(const std::string& menuName);
  void PlayExitSound();
  // Silent without "noaction.wav".
  void PlayNoActionSound();

 private:
  enum class Acceptance { AnyAttributes, OrdinaryOnly };
  // Full path of the first name that exists under the rule, empty when none does.
  std::string FindSideFile(std::initializer_list<std::string> names, Acceptance rule);
  // Plays the first side file of a row, else the built-in sound (slot 0: silence).
  void PlayRow(std::initializer_list<std::string> names, Acceptance rule, int32_t slot, bool wait);

  SoundOutput& output_;
  FileSystem& files_;
};

// The part of a menu's file name before its first "."; empty when the name holds none.
std::string MenuBaseName(const std::string& menuName);

}  // namespace orvane
