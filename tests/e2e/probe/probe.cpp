// A stand-in program for the end-to-end tests: the menus launch it, and it appends what it was
// given to "probe.log" beside itself: its raw command line, each argument and its working folder.
// A file "probe.delay" beside it, holding milliseconds, keeps it running that long before it
// ends, so that a test can watch the player wait for it.
#include <windows.h>

#include <cstdlib>
#include <string>

namespace {

// Arguments are never trusted to be short; each record is cut here.
constexpr size_t kMaxRecord = 64 * 1024;
constexpr DWORD kMaxDelayMs = 60 * 1000;

std::string OwnFolder() {
  char path[MAX_PATH + 1] = {};
  DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path, length);
  size_t slash = folder.find_last_of("\\/");
  return slash == std::string::npos ? std::string() : folder.substr(0, slash + 1);
}

DWORD ReadDelay(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 0;
  char text[16] = {};
  DWORD got = 0;
  ReadFile(file, text, sizeof(text) - 1, &got, nullptr);
  CloseHandle(file);
  unsigned long delay = std::strtoul(text, nullptr, 10);
  return delay > kMaxDelayMs ? kMaxDelayMs : static_cast<DWORD>(delay);
}

void Append(const std::string& path, std::string record) {
  if (record.size() > kMaxRecord) record.resize(kMaxRecord);
  HANDLE file = CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  DWORD wrote = 0;
  WriteFile(file, record.data(), static_cast<DWORD>(record.size()), &wrote, nullptr);
  CloseHandle(file);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const std::string folder = OwnFolder();
  char cwd[MAX_PATH + 1] = {};
  GetCurrentDirectoryA(MAX_PATH, cwd);

  std::string record = "cmdline=" + std::string(GetCommandLineA()) + "\r\n";
  record += "cwd=" + std::string(cwd) + "\r\n";
  for (int i = 1; i < __argc; ++i)
    record += "arg" + std::to_string(i) + "=" + __argv[i] + "\r\n";
  record += "end\r\n";
  Append(folder + "probe.log", record);

  if (DWORD delay = ReadDelay(folder + "probe.delay")) Sleep(delay);
  return 0;
}
