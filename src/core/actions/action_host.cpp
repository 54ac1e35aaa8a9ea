#include "actions/action_host.h"

namespace orvane {

ButtonAction ButtonActionFrom(const ButtonRecord& record) {
  ButtonAction action;
  action.Target = record.Target;
  action.Parameters = record.Parameters;
  action.MinimizeAfter = record.MinimizeAfter;
  action.CloseAfter = record.CloseAfter;
  action.RunMaximized = record.RunMaximized;
  action.WaitForExit = record.WaitForExit;
  action.ViewerCheck = record.ViewerCheck;
  action.Viewer = {record.ViewerName, record.ViewerVersion, record.ViewerCompare};
  return action;
}

}  // namespace orvane
