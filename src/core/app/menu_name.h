#pragma once
// The menu named on the command line.
#include <string>

namespace orvane {

// The bare file name of a command-line argument: everything up to and including each "\" and
// then each ":" is dropped until neither is left (E:\extra\Second.mnu and E:Second.mnu both give
// Second.mnu).
std::string MenuNameFromArgument(const std::string& argument);

}  // namespace orvane
