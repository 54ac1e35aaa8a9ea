#include "win32_file.h"

#include <windows.h>

#include "wide_text.h"

namespace orvane {

namespace {

class Win32ReadFile : public ReadFile {
 public:
  explicit Win32ReadFile(HANDLE handle) : handle_(handle) {}
  ~Win32ReadFile() override { CloseHandle(handle_); }
  Win32ReadFile(const Win32ReadFile&) = delete;
  Win32ReadFile& operator=(const Win32ReadFile&) = delete;

  int64_t Size() override {
    LARGE_INTEGER size{};
    return GetFileSizeEx(handle_, &size) ? size.QuadPart : 0;
  }
  int64_t Position() override {
    LARGE_INTEGER zero{}, now{};
    return SetFilePointerEx(handle_, zero, &now, FILE_CURRENT) ? now.QuadPart : -1;
  }
  bool Seek(int64_t position) override {
    if (position < 0) return false;
    LARGE_INTEGER to{};
    to.QuadPart = position;
    return SetFilePointerEx(handle_, to, nullptr, FILE_BEGIN) != 0;
  }
  size_t Read(void* buffer, size_t count) override {
    size_t done = 0;
    while (done < count) {
      DWORD chunk = static_cast<DWORD>(count - done > 0x40000000 ? 0x40000000 : count - done);
      DWORD got = 0;
      if (!::ReadFile(handle_, static_cast<char*>(buffer) + done, chunk, &got, nullptr) || got == 0)
        break;
      done += got;
    }
    return done;
  }

 private:
  HANDLE handle_;
};

}  // namespace

std::unique_ptr<ReadFile> Win32FileOpener::OpenRead(const std::string& path) {
  HANDLE handle = CreateFileW(Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return nullptr;
  return std::make_unique<Win32ReadFile>(handle);
}

}  // namespace orvane
