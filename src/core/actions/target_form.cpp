#include "actions/target_form.h"

#include "actions/shell.h"
#include "actions/target_text.h"

namespace orvane {

ActionKind ClassifyTarget(const std::string& target) {
  if (target.compare(0, sizeof(kRawLaunchPrefix) - 1, kRawLaunchPrefix) == 0)
    return ActionKind::RawLaunch;
  if (target == "*") return ActionKind::NoAction;
  if (!target.empty() && target[0] == '$') return ActionKind::Message;
  if (EndsWithNoCase(target, ".mnu") && target.find_first_of("/\\") == std::string::npos)
    return ActionKind::MenuSwitch;
  if (target.empty()) return ActionKind::NoTarget;
  return ActionKind::Launch;
}

std::string RawLaunchFile(const std::string& target, const std::string& applicationFolder) {
  const size_t prefix = sizeof(kRawLaunchPrefix) - 1;
  return ExpandDriveMacro(target.size() > prefix ? target.substr(prefix) : "", applicationFolder);
}

LaunchTarget RewriteLaunchTarget(std::string target, const std::string& applicationFolder) {
  if (!target.empty() && target[0] == '%') target = applicationFolder + target.substr(1);
  LaunchTarget result;
  result.Local = !IsAddress(target);
  if (result.Local) target = NormalizeSlashes(target);
  if (!target.empty() && target[0] == '\\') target = applicationFolder.substr(0, 2) + target;
  result.Path = std::move(target);
  return result;
}

bool IsWebAddress(const std::string& target) {
  return StartsWithNoCase(target, "http") || StartsWithNoCase(target, "www") ||
         StartsWithNoCase(target, "ftp");
}

bool IsMailAddress(const std::string& target) { return StartsWithNoCase(target, "mailto"); }

bool IsAddress(const std::string& target) { return IsWebAddress(target) || IsMailAddress(target); }

bool IsFolderTarget(const std::string& target) { return !target.empty() && target.back() == '\\'; }

std::string QuoteParameters(const std::string& target, const std::string& parameters) {
  if (parameters.empty()) return parameters;
  if (!target.empty() && target[0] == '"') return parameters;
  const char first = parameters[0];
  if (first == '\\' || first == '/' || first == ' ' || first == '-') return parameters;
  return "\"" + parameters + "\"";
}

std::string VerbFor(const std::string& target) {
  return IsFolderTarget(target) ? "explore" : "open";
}

int32_t ShowModeFor(int32_t runMaximized) {
  if (runMaximized == 0) return kShowNormal;
  if (runMaximized == 1 || runMaximized == -1) return kShowMaximized;
  return kShowHidden;
}

}  // namespace orvane
