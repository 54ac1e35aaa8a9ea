#include "tool/disc/disc_players.h"

#include <algorithm>
#include <filesystem>

#include "common/text.h"
#include "tool/file_io.h"

namespace fs = std::filesystem;

namespace orvane::pack {

std::vector<DiscProgram> ProgramsIn(const std::string& discDir) {
  std::vector<fs::path> paths;
  std::error_code ec;
  for (fs::directory_iterator it(discDir, ec), last; !ec && it != last; it.increment(ec))
    if (it->is_regular_file(ec) && AsciiLower(it->path().extension().string()) == ".exe")
      paths.push_back(it->path());
  std::sort(paths.begin(), paths.end());
  std::vector<DiscProgram> programs;
  for (const fs::path& path : paths) {
    DiscProgram program{path.filename().string(), ReadWholeFile(path.string()), std::nullopt};
    program.Player = ReadPackedPlayer(program.Data);
    programs.push_back(std::move(program));
  }
  return programs;
}

}  // namespace orvane::pack
