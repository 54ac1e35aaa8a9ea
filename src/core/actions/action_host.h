#pragma once
// What the action dispatcher needs from the menu window that runs it. The window implements this;
// tests implement it as a recorder.
#include <cstdint>
#include <optional>
#include <string>

#include "actions/message_pump.h"
#include "actions/viewer_check.h"

namespace orvane {

// The fields of one button that decide its action.
struct ButtonAction {
  std::string Target;
  std::string Parameters;
  int32_t MinimizeAfter = 0;  // non-zero: minimise the player afterwards
  int32_t CloseAfter = 0;     // non-zero: close the player afterwards
  int32_t RunMaximized = 0;   // 0 normal, 1 or -1 maximised, else hidden
  int32_t WaitForExit = 0;    // exactly -1: restore the player when the program ends
  int32_t ViewerCheck = 0;    // exactly 1: check the viewer first
  ViewerRequirement Viewer;
};

class ActionHost : public MessagePump {
 public:
  // The action of button number (1-based) of the shown menu; nullopt when there is no such button.
  virtual std::optional<ButtonAction> Button(int32_t number) = 0;
  // Name of the menu shown, as it was loaded; the click sound is chosen by it.
  virtual std::string MenuFileName() = 0;
  // Lower-cases name; true when the container holds a packed file of exactly that name.
  virtual bool PackageExists(std::string& name) = 0;
  virtual void LoadMenu(const std::string& name) = 0;

  virtual void HideWindow() = 0;
  // The window's closing steps (the exit sound played to its end).
  virtual void UnloadWindow() = 0;
  // Starts the delayed-close timer (200 ms).
  virtual void StartDelayedClose() = 0;
  virtual void TerminateApplication() = 0;
  virtual void MinimizeApplication() = 0;
  // Starts the restore timer (300 ms), whose ticks call ActionDispatcher::RestoreTick.
  virtual void StartRestoreWatch() = 0;
};

}  // namespace orvane
