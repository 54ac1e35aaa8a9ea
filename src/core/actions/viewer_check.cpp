#include "actions/viewer_check.h"

#include "actions/decimal_text.h"
#include "actions/program_lookup.h"
#include "actions/target_text.h"
#include "actions/version_name.h"
#include "common/text.h"

namespace orvane {

namespace {

constexpr int32_t kAtLeast = 1;

InstalledViewer NoViewer() { return {kNoViewerName, kNoViewerVersion}; }

bool Satisfies(const ViewerRequirement& requirement, const InstalledViewer& installed) {
  if (!AsciiEqualsNoCase(installed.Name, requirement.ViewerName)) return false;
  std::optional<int> order = CompareDecimalText(requirement.ViewerVersion, installed.Version);
  if (!order) return false;
  return requirement.ViewerCompare == kAtLeast ? *order <= 0 : *order == 0;
}

}  // namespace

InstalledViewer FindInstalledViewer(const std::string& fileName, const std::string& folder,
                                    LookupContext& context, VersionInfoSource& versions,
                                    DebugOutput& trace) {
  if (fileName.empty()) return NoViewer();
  std::string program;
  const std::string start = fileName.substr(0, 3);
  if (start == "htt" || start == "www" || start == "ftp") {
    program = FindWebBrowser(fileName, context);
  } else if (context.shell.FindProgram(fileName, folder, program) <= Shell::kFindProgramSucceeded) {
    return NoViewer();
  }
  if (program.empty()) return NoViewer();
  const std::string version = ReadFileVersion(versions, program, trace);
  const std::string name = ReadVersionName(versions, program);
  if (name.empty() || version.empty()) return NoViewer();
  return {name, version};
}

bool CheckRequiredViewer(const ViewerRequirement& requirement, std::string& target,
                         LookupContext& context, VersionInfoSource& versions, DebugOutput& trace) {
  target = AsciiLower(target);
  const std::string folder = FolderPart(target);
  target = FileNamePart(target);
  return Satisfies(requirement, FindInstalledViewer(target, folder, context, versions, trace));
}

}  // namespace orvane
