#include "app/window_action_host.h"

namespace orvane {

std::optional<ButtonAction> WindowActionHost::Button(int32_t number) {
  if (number < 1 || number > window_.Menu.ButtonCount) return std::nullopt;
  const TOVButton& button = window_.Menu.Buttons[static_cast<size_t>(number)];
  ButtonAction action;
  action.Target = button.Target;
  action.Parameters = button.Parameters;
  action.MinimizeAfter = button.MinimizeAfter;
  action.CloseAfter = button.CloseAfter;
  action.RunMaximized = button.RunMaximized;
  action.WaitForExit = button.WaitForExit;
  action.ViewerCheck = button.ViewerCheck;
  action.Viewer = {button.ViewerName, button.ViewerVersion, button.ViewerCompare};
  return action;
}

void WindowActionHost::TerminateApplication() {
  window_.View().TerminateApplication();
  window_.ApplicationEnding = true;
}

}  // namespace orvane
