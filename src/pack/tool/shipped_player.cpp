#include "tool/shipped_player.h"

#include <filesystem>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#endif

#include "tool/tool_error.h"

namespace fs = std::filesystem;

namespace orvane::pack {

namespace {

// The running tool's own file; empty when the system does not say.
fs::path OwnExecutable() {
#ifdef _WIN32
  wchar_t buffer[32768];
  const DWORD length = GetModuleFileNameW(nullptr, buffer, 32768);
  if (length == 0 || length >= 32768) return {};
  return fs::path(std::wstring(buffer, length));
#else
  std::error_code ec;
  const fs::path self = fs::read_symlink("/proc/self/exe", ec);
  return ec ? fs::path() : self;
#endif
}

uint32_t Le(const Bytes& data, size_t at, size_t width) {
  uint32_t value = 0;
  for (size_t i = 0; i < width; ++i) value |= uint32_t{data[at + i]} << (8 * i);
  return value;
}

}  // namespace

std::vector<std::string> ShippedPlayerPlaces() {
  std::vector<std::string> places;
  const fs::path self = OwnExecutable();
  if (!self.empty()) {
    places.push_back((self.parent_path() / "orvane.exe").string());
    const fs::path usr = self.parent_path().parent_path();
    places.push_back((usr / "share" / "orvane" / "orvane.exe").string());
  }
#ifdef ORVANE_BUILD_TREE_PLAYER
  places.push_back(ORVANE_BUILD_TREE_PLAYER);
#endif
  return places;
}

std::string FindShippedPlayer() {
  std::string tried;
  for (const std::string& place : ShippedPlayerPlaces()) {
    std::error_code ec;
    if (fs::is_regular_file(place, ec)) return place;
    tried += (tried.empty() ? "" : ", ") + place;
  }
  throw ToolError("pack", "",
                  "no player given, and none shipped with the tool (looked for " +
                      (tried.empty() ? std::string("nothing") : tried) +
                      "); give the player first");
}

std::optional<uint16_t> PeMachine(const Bytes& exe) {
  // The MS-DOS header's last field is where the Windows header starts.
  const size_t header = exe.size() >= 0x40 ? Le(exe, 0x3C, 4) : 0;
  if (header == 0 || header > exe.size() - 6 || Le(exe, header, 4) != 0x4550u) return std::nullopt;
  return static_cast<uint16_t>(Le(exe, header + 4, 2));
}

std::optional<std::string> PlayerMachineWarning(const Bytes& exe) {
  const std::optional<uint16_t> machine = PeMachine(exe);
  if (!machine) return "not a Windows program (no PE header): the player cannot run";
  switch (*machine) {
    case kMachineI386: return std::nullopt;
    case 0x8664: return "x86_64: runs only on 64-bit Windows";
    case 0xAA64: return "ARM64: runs only on ARM Windows";
    default:
      return "not a 32-bit x86 program (machine type " + std::to_string(*machine) +
             "): runs on no ordinary Windows PC";
  }
}

}  // namespace orvane::pack
