#include "tool/disc/run_program.h"

#include <fcntl.h>

#ifdef _WIN32
#include <io.h>
#include <process.h>
#include <sys/stat.h>
#else
#include <cerrno>
#include <spawn.h>
#include <sys/wait.h>
extern char** environ;
#endif

namespace orvane::pack {

std::string QuotedForWindows(const std::string& argument) {
  if (!argument.empty() && argument.find_first_of(" \t\"") == std::string::npos) return argument;
  std::string quoted = "\"";
  size_t backslashes = 0;
  for (char c : argument) {
    if (c == '\\') {
      ++backslashes;
      continue;
    }
    quoted.append(c == '"' ? backslashes * 2 + 1 : backslashes, '\\');
    backslashes = 0;
    quoted += c;
  }
  quoted.append(backslashes * 2, '\\');
  return quoted + "\"";
}

#ifdef _WIN32

int RunProgram(const std::string& program, const std::vector<std::string>& arguments,
               const std::string& log) {
  std::vector<std::string> quoted{QuotedForWindows(program)};
  for (const std::string& a : arguments) quoted.push_back(QuotedForWindows(a));
  std::vector<const char*> argv;
  for (const std::string& q : quoted) argv.push_back(q.c_str());
  argv.push_back(nullptr);
  // The child inherits our standard output and error: point them at the log while it runs.
  int saved[2] = {-1, -1};
  const int file = log.empty() ? -1
                               : _open(log.c_str(), _O_WRONLY | _O_CREAT | _O_TRUNC | _O_BINARY,
                                       _S_IREAD | _S_IWRITE);
  for (int fd = 1; file >= 0 && fd <= 2; ++fd) {
    saved[fd - 1] = _dup(fd);
    _dup2(file, fd);
  }
  const intptr_t status = _spawnvp(_P_WAIT, program.c_str(), argv.data());
  for (int fd = 1; file >= 0 && fd <= 2; ++fd) {
    _dup2(saved[fd - 1], fd);
    _close(saved[fd - 1]);
  }
  if (file >= 0) _close(file);
  return status < 0 ? kProgramNotFound : static_cast<int>(status);
}

#else

int RunProgram(const std::string& program, const std::vector<std::string>& arguments,
               const std::string& log) {
  std::vector<std::string> words{program};
  words.insert(words.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (std::string& w : words) argv.push_back(&w[0]);
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  if (!log.empty()) {
    posix_spawn_file_actions_addopen(&actions, 1, log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
  }
  pid_t child = 0;
  const int spawned =
      posix_spawnp(&child, program.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) return kProgramNotFound;
  int status = 0;
  while (waitpid(child, &status, 0) < 0) {
    if (errno != EINTR) return kProgramNotFound;
  }
  if (WIFEXITED(status)) return WEXITSTATUS(status);
  return 128 + (WIFSIGNALED(status) ? WTERMSIG(status) : 0);
}

#endif

}  // namespace orvane::pack
