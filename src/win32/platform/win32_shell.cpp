#include "win32_shell.h"

#include <shellapi.h>

#include "wide_text.h"

namespace orvane {

namespace {

const wchar_t* OrNull(const std::wstring& text) { return text.empty() ? nullptr : text.c_str(); }

}  // namespace

int32_t Win32Shell::ErrorCodeFor(INT_PTR instanceCode, DWORD lastError) {
  if (instanceCode > 0 && instanceCode <= 32) return static_cast<int32_t>(instanceCode);
  switch (lastError) {
    case ERROR_FILE_NOT_FOUND: return SE_ERR_FNF;
    case ERROR_PATH_NOT_FOUND: return SE_ERR_PNF;
    case ERROR_NO_ASSOCIATION: return SE_ERR_NOASSOC;
    case ERROR_ACCESS_DENIED: return SE_ERR_ACCESSDENIED;
    default: return lastError != 0 ? static_cast<int32_t>(lastError) : SE_ERR_NOASSOC + 1;
  }
}

ShellResult Win32Shell::Execute(const ShellRequest& request) {
  // Kept alive until the call returns: the request's texts as Windows takes them.
  const std::wstring verb = Wide(request.Verb);
  const std::wstring file = Wide(request.File);
  const std::wstring parameters = Wide(request.Parameters);
  const std::wstring directory = Wide(request.Directory);
  SHELLEXECUTEINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
  info.hwnd = owner_;
  info.lpVerb = OrNull(verb);
  info.lpFile = file.c_str();
  info.lpParameters = OrNull(parameters);
  info.lpDirectory = OrNull(directory);
  info.nShow = request.ShowMode;

  ShellResult result;
  if (ShellExecuteExW(&info)) {
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
  wchar_t buffer[MAX_PATH + 1] = {};
  HINSTANCE code = FindExecutableW(Wide(file).c_str(), OrNull(Wide(folder)), buffer);
  buffer[MAX_PATH] = L'\0';
  program = Utf8(buffer);
  return static_cast<int32_t>(reinterpret_cast<INT_PTR>(code));
}

std::string Win32Shell::WindowsDirectory() {
  wchar_t buffer[MAX_PATH + 1] = {};
  UINT length = GetWindowsDirectoryW(buffer, MAX_PATH);
  if (length == 0 || length > MAX_PATH) return std::string();
  return Utf8(std::wstring_view(buffer, length));
}

bool Win32Shell::ProcessEnded(ProcessHandle process) {
  return WaitForSingleObject(reinterpret_cast<HANDLE>(process), 0) != WAIT_TIMEOUT;
}

void Win32Shell::ReleaseProcess(ProcessHandle process) {
  if (process != kNoProcess) CloseHandle(reinterpret_cast<HANDLE>(process));
}

}  // namespace orvane
