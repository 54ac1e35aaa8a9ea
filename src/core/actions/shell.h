#pragma once
// The operating system's shell as the actions use it: open or explore a file, folder or address,
// find the program associated with a file, and watch a started process.
#include <cstdint>
#include <string>

namespace orvane {

// Opaque handle of a started process; kNoProcess when the shell returned none.
using ProcessHandle = uintptr_t;
constexpr ProcessHandle kNoProcess = 0;

// Show modes, the values of the Win32 shell.
enum ShowMode : int32_t {
  kShowHidden = 0,
  kShowNormal = 1,
  kShowMaximized = 3,
};

// Shell error codes the dispatcher reacts to; any other failure counts as a launch.
constexpr int32_t kShellFileNotFound = 2;
constexpr int32_t kShellNoAssociation = 31;

struct ShellRequest {
  std::string Verb;  // "open" or "explore"
  std::string File;
  std::string Parameters;
  std::string Directory;
  int32_t ShowMode = kShowNormal;
};

struct ShellResult {
  bool Success = false;
  int32_t ErrorCode = 0;               // meaningful when Success is false
  ProcessHandle Process = kNoProcess;  // may be set on success; the caller releases it
};

class Shell {
 public:
  virtual ~Shell() = default;
  // The menu window owns the request and the shell shows no error box of its own.
  virtual ShellResult Execute(const ShellRequest& request) = 0;
  // The program associated with file (FindExecutableA on Windows), looked up with folder as
  // working folder (may be empty).
  // Returns the platform's code, greater than 32 on success; program is then its full path.
  virtual int32_t FindProgram(const std::string& file, const std::string& folder,
                              std::string& program) = 0;
  // FindProgram's codes above this one mean the program was found.
  static constexpr int32_t kFindProgramSucceeded = 32;
  // The operating system's folder without a trailing separator; empty when unknown.
  virtual std::string WindowsDirectory() = 0;
  // True once the process has ended, or when it cannot be waited on. Never blocks.
  virtual bool ProcessEnded(ProcessHandle process) = 0;
  virtual void ReleaseProcess(ProcessHandle process) = 0;
};

}  // namespace orvane
