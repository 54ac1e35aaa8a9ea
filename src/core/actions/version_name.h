#pragma once
// A program's product name and file version, read from its version information.
#include <string>

#include "actions/version_info.h"
#include "common/debug_trace.h"

namespace orvane {

// "major.minor" of the file version, both decimal; empty when there is no usable version
// information. Traces "AppMajor: <major>" on success.
std::string ReadFileVersion(VersionInfoSource& source, const std::string& programPath,
                            DebugOutput& trace);

// The canonical product name (see CanonicalViewerName), or empty. A product name that mentions
// the "Operating System" is replaced by the file description: viewers that ship with Windows are
// known by what they are, not by the system they come with.
std::string ReadVersionName(VersionInfoSource& source, const std::string& programPath);

// Adobe's readers all count as "Adobe Acrobat"; otherwise the name is cut before " viewer",
// " reader", " version" or " ver " (first rule that applies, tested in lower case).
std::string CanonicalViewerName(const std::string& name);

}  // namespace orvane
