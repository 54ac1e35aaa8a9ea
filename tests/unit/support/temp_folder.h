#pragma once
// A fresh folder under the system's temporary folder, removed with everything in it when the
// object goes away. Works natively and under Wine (std::filesystem gives a Windows path there).
#include <atomic>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <system_error>
#include <vector>

namespace orvane::testing {

class TempFolder {
 public:
  TempFolder() {
    static std::atomic<int> serial{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    path_ = std::filesystem::temp_directory_path() /
            ("orvane-test-" + std::to_string(stamp) + "-" + std::to_string(serial++));
    std::filesystem::create_directories(path_);
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // The folder as the player holds it: ending in the path separator.
  std::string Folder() const { return path_.string() + static_cast<char>(std::filesystem::path::preferred_separator); }
  std::string PathOf(const std::string& name) const { return (path_ / name).string(); }

  void WriteFile(const std::string& name, const std::vector<uint8_t>& bytes) const {
    std::ofstream out(path_ / name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + PathOf(name));
  }

 private:
  std::filesystem::path path_;
};

}  // namespace orvane::testing
