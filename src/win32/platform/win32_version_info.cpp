#include "win32_version_info.h"

#include <windows.h>

#include <vector>

namespace orvane {

namespace {

// Version resources are a few kilobytes; anything claiming more than this is not one.
constexpr DWORD kMaxVersionInfoBytes = 1u << 20;

class Win32VersionInfoBlock : public VersionInfoBlock {
 public:
  explicit Win32VersionInfoBlock(std::vector<char> data) : data_(std::move(data)) {}

  std::optional<std::string> Query(const std::string& subBlock) override {
    void* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(data_.data(), subBlock.c_str(), &value, &length) || !value)
      return std::nullopt;
    const char* begin = static_cast<const char*>(value);
    const char* end = data_.data() + data_.size();
    // The part must lie inside the block; string lengths count characters, which for the ANSI
    // query are bytes.
    if (begin < data_.data() || begin > end) return std::nullopt;
    size_t available = static_cast<size_t>(end - begin);
    return std::string(begin, length < available ? length : available);
  }

 private:
  std::vector<char> data_;
};

}  // namespace

std::unique_ptr<VersionInfoBlock> Win32VersionInfoSource::Load(const std::string& programPath) {
  DWORD handle = 0;
  const DWORD size = GetFileVersionInfoSizeA(programPath.c_str(), &handle);
  if (size == 0 || size > kMaxVersionInfoBytes) return nullptr;
  std::vector<char> data(size);
  if (!GetFileVersionInfoA(programPath.c_str(), 0, size, data.data())) return nullptr;
  return std::make_unique<Win32VersionInfoBlock>(std::move(data));
}

}  // namespace orvane
