#pragma once
// Runs another program and waits for it: the tool hands the disc image to xorriso rather than
// writing ISO 9660 itself.
#include <string>
#include <vector>

namespace orvane::pack {

// Not an exit status: the program could not be found or started.
constexpr int kProgramNotFound = -1;

// Runs program (looked up on PATH) with the arguments. Its output goes to ours, or, with a log
// file named, into that file (for a program that talks where the tool's own messages suffice).
// Returns its exit status, or kProgramNotFound.
int RunProgram(const std::string& program, const std::vector<std::string>& arguments,
               const std::string& log = "");

// The spawn functions of Windows join the arguments with spaces; each one is quoted so that the
// program's runtime splits them back as they were (backslashes count only in front of a quote).
std::string QuotedForWindows(const std::string& argument);

}  // namespace orvane::pack
