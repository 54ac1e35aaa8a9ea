#pragma once
// Whether the program that would open a button's document is the viewer, and the version, that
// the menu's author asked for.
#include <cstdint>
#include <string>

#include "actions/lookup_context.h"
#include "actions/version_info.h"
#include "common/debug_trace.h"

namespace orvane {

struct ViewerRequirement {
  std::string ViewerName;     // canonical name, compared ignoring case
  std::string ViewerVersion;  // a decimal number
  int32_t ViewerCompare = 0;  // 1: at least that version; anything else: exactly it
};

// What the check found: a canonical name and "major.minor", or "N/A" and "0".
struct InstalledViewer {
  std::string Name;
  std::string Version;
};

constexpr char kNoViewerName[] = "N/A";
constexpr char kNoViewerVersion[] = "0";

InstalledViewer FindInstalledViewer(const std::string& fileName, const std::string& folder,
                                    LookupContext& context, VersionInfoSource& versions,
                                    DebugOutput& trace);

// True when the installed viewer meets the requirement. target is replaced in every case by its
// own file name in lower case. A required version that is not a decimal number is never met.
bool CheckRequiredViewer(const ViewerRequirement& requirement, std::string& target,
                         LookupContext& context, VersionInfoSource& versions, DebugOutput& trace);

}  // namespace orvane
