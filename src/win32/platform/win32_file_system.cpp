#include "win32_file_system.h"

#include <windows.h>

#include "wide_text.h"

// <windows.h> turns DeleteFile into DeleteFileA, which would rename the interface's method here.
#undef DeleteFile

namespace orvane {

namespace {

FileAttributes FromWin32(DWORD bits) {
  FileAttributes a;
  a.Directory = (bits & FILE_ATTRIBUTE_DIRECTORY) != 0;
  a.Hidden = (bits & FILE_ATTRIBUTE_HIDDEN) != 0;
  a.System = (bits & FILE_ATTRIBUTE_SYSTEM) != 0;
  a.ReadOnly = (bits & FILE_ATTRIBUTE_READONLY) != 0;
  a.Link = (bits & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
  return a;
}

}  // namespace

std::optional<FileAttributes> Win32FileSystem::GetAttributes(const std::string& path) {
  DWORD bits = GetFileAttributesW(Wide(path).c_str());
  if (bits == INVALID_FILE_ATTRIBUTES) return std::nullopt;
  return FromWin32(bits);
}

std::vector<FolderEntry> Win32FileSystem::ListFolder(const std::string& folder) {
  std::vector<FolderEntry> entries;
  std::string pattern = folder;
  if (!pattern.empty() && pattern.back() != '\\' && pattern.back() != '/' && pattern.back() != ':')
    pattern += '\\';
  pattern += '*';
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileW(Wide(pattern).c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return entries;
  do {
    std::string name = Utf8(data.cFileName);
    if (name == "." || name == "..") continue;
    entries.push_back({name, FromWin32(data.dwFileAttributes)});
  } while (FindNextFileW(find, &data));
  FindClose(find);
  return entries;
}

bool Win32FileSystem::WriteTextFile(const std::string& path, const std::string& content) {
  HANDLE file = CreateFileW(Wide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  size_t done = 0;
  bool ok = true;
  while (ok && done < content.size()) {
    DWORD chunk =
        static_cast<DWORD>(content.size() - done > 0x40000000 ? 0x40000000 : content.size() - done);
    DWORD written = 0;
    ok = ::WriteFile(file, content.data() + done, chunk, &written, nullptr) && written == chunk;
    done += written;
  }
  ok = CloseHandle(file) && ok;
  return ok;
}

bool Win32FileSystem::DeleteFile(const std::string& path) {
  return DeleteFileW(Wide(path).c_str()) != 0;
}

}  // namespace orvane
