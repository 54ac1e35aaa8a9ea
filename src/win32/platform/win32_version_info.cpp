#include "win32_version_info.h"

#include <windows.h>

#include <vector>

#include "system_library.h"
#include "wide_text.h"

namespace orvane {

namespace {

// version.dll comes from the system folder at the first viewer check (see system_library.h).
struct VersionFunctions {
  using SizeFunction = DWORD(WINAPI*)(LPCWSTR, LPDWORD);
  using InfoFunction = BOOL(WINAPI*)(LPCWSTR, DWORD, DWORD, LPVOID);
  using QueryFunction = BOOL(WINAPI*)(LPCVOID, LPCWSTR, LPVOID*, PUINT);
  SizeFunction Size = SystemFunctionAs<SizeFunction>("version.dll", "GetFileVersionInfoSizeW");
  InfoFunction Info = SystemFunctionAs<InfoFunction>("version.dll", "GetFileVersionInfoW");
  QueryFunction Query = SystemFunctionAs<QueryFunction>("version.dll", "VerQueryValueW");
  bool Complete() const { return Size && Info && Query; }
};

const VersionFunctions& Version() {
  static const VersionFunctions functions;
  return functions;
}

// Version resources are a few kilobytes; anything claiming more than this is not one.
constexpr DWORD kMaxVersionInfoBytes = 1u << 20;

class Win32VersionInfoBlock : public VersionInfoBlock {
 public:
  explicit Win32VersionInfoBlock(std::vector<char> data) : data_(std::move(data)) {}

  std::optional<std::string> Query(const std::string& subBlock) override {
    void* value = nullptr;
    UINT length = 0;
    if (!Version().Query(data_.data(), Wide(subBlock).c_str(), &value, &length) || !value)
      return std::nullopt;
    const char* begin = static_cast<const char*>(value);
    const char* end = data_.data() + data_.size();
    // The part must lie inside the block. The string table's values are UTF-16 whose lengths
    // count characters; the other parts are binary and their lengths count bytes.
    if (begin < data_.data() || begin > end) return std::nullopt;
    const size_t available = static_cast<size_t>(end - begin);
    if (subBlock.rfind("\\StringFileInfo\\", 0) != 0)
      return std::string(begin, length < available ? length : available);
    const size_t characters = available / sizeof(wchar_t);
    return Utf8(std::wstring_view(static_cast<const wchar_t*>(value),
                                  length < characters ? length : characters));
  }

 private:
  std::vector<char> data_;
};

}  // namespace

std::unique_ptr<VersionInfoBlock> Win32VersionInfoSource::Load(const std::string& programPath) {
  if (!Version().Complete()) return nullptr;
  DWORD handle = 0;
  const std::wstring path = Wide(programPath);
  const DWORD size = Version().Size(path.c_str(), &handle);
  if (size == 0 || size > kMaxVersionInfoBytes) return nullptr;
  std::vector<char> data(size);
  if (!Version().Info(path.c_str(), 0, size, data.data())) return nullptr;
  return std::make_unique<Win32VersionInfoBlock>(std::move(data));
}

}  // namespace orvane
