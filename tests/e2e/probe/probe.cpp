// A stand-in program for the end-to-end tests: the menus launch it, and it appends what it was
// given to "probe.log" beside itself: its raw command line, each argument and its working folder,
// read through the wide functions and written as UTF-8, so any character arrives as it was sent.
// A file "probe.delay" beside it, holding milliseconds, keeps it running that long before it
// ends, so that a test can watch the player wait for it.
//
//   probe --captions FILE   writes the captions of the menu window's push buttons, one a line,
//                           in UTF-8 to FILE, and ends.
#include <windows.h>

#include <cstdlib>
#include <string>

namespace {

// Arguments are never trusted to be short; each record is cut here.
constexpr size_t kMaxRecord = 64 * 1024;
constexpr DWORD kMaxDelayMs = 60 * 1000;

std::string Utf8(const wchar_t* wide) {
  const int length = WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
  if (length <= 1) return std::string();
  std::string text(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide, -1, text.data(), length, nullptr, nullptr);
  text.pop_back();  // the terminator
  return text;
}

std::wstring OwnFolder() {
  wchar_t path[MAX_PATH + 1] = {};
  DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path, length);
  size_t slash = folder.find_last_of(L"\\/");
  return slash == std::wstring::npos ? std::wstring() : folder.substr(0, slash + 1);
}

DWORD ReadDelay(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 0;
  char text[16] = {};
  DWORD got = 0;
  ReadFile(file, text, sizeof(text) - 1, &got, nullptr);
  CloseHandle(file);
  unsigned long delay = std::strtoul(text, nullptr, 10);
  return delay > kMaxDelayMs ? kMaxDelayMs : static_cast<DWORD>(delay);
}

void Append(const std::wstring& path, std::string record) {
  if (record.size() > kMaxRecord) record.resize(kMaxRecord);
  HANDLE file = CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  DWORD wrote = 0;
  WriteFile(file, record.data(), static_cast<DWORD>(record.size()), &wrote, nullptr);
  CloseHandle(file);
}

BOOL CALLBACK AddCaption(HWND child, LPARAM captions) {
  wchar_t className[32] = {};
  GetClassNameW(child, className, 32);
  if (lstrcmpiW(className, L"Button") != 0 || !IsWindowVisible(child)) return TRUE;
  wchar_t text[512] = {};
  GetWindowTextW(child, text, 512);
  *reinterpret_cast<std::string*>(captions) += Utf8(text) + "\n";
  return TRUE;
}

int WriteCaptions(const wchar_t* file) {
  HWND menu = FindWindowW(L"TfrmMenuCls", nullptr);
  if (!menu) return 1;
  std::string captions;
  EnumChildWindows(menu, &AddCaption, reinterpret_cast<LPARAM>(&captions));
  DeleteFileW(file);
  Append(file, captions);
  return 0;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
  if (__argc == 3 && lstrcmpW(__wargv[1], L"--captions") == 0) return WriteCaptions(__wargv[2]);
  const std::wstring folder = OwnFolder();
  wchar_t cwd[MAX_PATH + 1] = {};
  GetCurrentDirectoryW(MAX_PATH, cwd);

  std::string record = "cmdline=" + Utf8(GetCommandLineW()) + "\r\n";
  record += "cwd=" + Utf8(cwd) + "\r\n";
  for (int i = 1; i < __argc; ++i) record += "arg" + std::to_string(i) + "=" + Utf8(__wargv[i]) + "\r\n";
  record += "end\r\n";
  Append(folder + L"probe.log", record);

  if (DWORD delay = ReadDelay(folder + L"probe.delay")) Sleep(delay);
  return 0;
}
