#include "win32_shell.h"

#include <shellapi.h>

namespace orvane {

namespace {

const char* OrNull(const std::string& text) { return text.empty() ? nullptr : text.c_str(); }

}  // namespace

int32_t Win32Shell::ErrorCodeFor(INT_PTR instanceCode, DWORD lastError) {
  if (instanceCode > 0 && instanceCode <= 32) return static_cast<int32_t>(instanceCode);
  switch (lastError) {
    case ERROR_FILE_NOT_FOUND:
      return SE_ERR_FNF;
    case ERROR_PATH_NOT_FOUND:
      return SE_ERR_PNF;
    case ERROR_NO_ASSOCIATION:
      return SE_ERR_NOASSOC;
    case ERROR_ACCESS_DENIED:
      return SE_ERR_ACCESSDENIED;
    default:
      return lastError != 0 ? static_cast<int32_t>(lastError) : SE_ERR_NOASSOC + 1;
  }
}

ShellResult Win32Shell::Execute(const ShellRequest& request) {
  SHELLEXECUTEINFOA info{};
  info.cbSize = sizeof(info);
  info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
  info.hwnd = owner_;
  info.lpVerb = OrNull(request.Verb);
  info.lpFile = request.File.c_str();
  info.lpParameters = OrNull(request.Parameters);
  info.lpDirectory = OrNull(request.Directory);
  info.nShow = request.ShowMode;

  ShellResult result;
  if (ShellExecuteExA(&info)) {
    result.Success = true;
    result.Process = reinterpret_cast<ProcessHandle>(info.hProcess);
  } else {
    const DWORD lastError = GetLastError();
    result.ErrorCode = ErrorCodeFor(reinterpret_cast<INT_PTR>(info.hInstApp), lastError);
    if (info.hProcess) CloseHandle(info.hProcess);
  }
  return result;
}

int32_t Win32Shell::FindProgram(const std::string& file, const std::string& folder,
                                std::string& program) {
  char buffer[MAX_PATH + 1] = {};
  HINSTANCE code = FindExecutableA(file.c_str(), OrNull(folder), buffer);
  buffer[MAX_PATH] = '\0';
  program = buffer;
  return static_cast<int32_t>(reinterpret_cast<INT_PTR>(code));
}

std::string Win32Shell::WindowsDirectory() {
  char buffer[MAX_PATH + 1] = {};
  UINT length = GetWindowsDirectoryA(buffer, MAX_PATH);
  if (length == 0 || length > MAX_PATH) return std::string();
  return std::string(buffer, length);
}

bool Win32Shell::ProcessEnded(ProcessHandle process) {
  return WaitForSingleObject(reinterpret_cast<HANDLE>(process), 0) != WAIT_TIMEOUT;
}

void Win32Shell::ReleaseProcess(ProcessHandle process) {
  if (process != kNoProcess) CloseHandle(reinterpret_cast<HANDLE>(process));
}

}  // namespace orvane
