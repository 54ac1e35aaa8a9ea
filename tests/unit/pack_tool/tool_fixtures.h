#pragma once
// Small sources, pictures and discs for the authoring tool's tests, made in a temporary folder.
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "menudata/picture.h"
#include "support/temp_folder.h"
#include "tool/commands/commands.h"
#include "tool/source/png_io.h"
#include "tool/source/source_fields.h"

namespace orvane::testing {

// A picture whose every pixel differs, so a pixel moved or swapped shows up.
inline Picture PatternPicture(int32_t width, int32_t height, uint32_t seed, uint8_t fourth = 0) {
  Picture p;
  p.Width = width;
  p.Height = height;
  for (int32_t y = 0; y < height; ++y)
    for (int32_t x = 0; x < width; ++x)
      p.Pixels.push_back(((seed * 2654435761u + uint32_t(x) * 40503u + uint32_t(y) * 9176u) & 0x00FFFFFFu) |
                         uint32_t(fourth) << 24);
  return p;
}

inline void WritePng(const TempFolder& folder, const std::string& name, const Picture& picture, bool alpha = false) {
  std::filesystem::create_directories(std::filesystem::path(folder.PathOf(name)).parent_path());
  pack::SavePicturePng(folder.PathOf(name), picture, alpha);
}

inline void WriteText(const TempFolder& folder, const std::string& name, const std::string& text) {
  std::filesystem::create_directories(std::filesystem::path(folder.PathOf(name)).parent_path());
  std::ofstream(folder.PathOf(name), std::ios::binary) << text;
}

struct ToolRun {
  int Status = 0;
  std::string Out;
  std::string Err;
};

inline ToolRun RunTool(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  ToolRun run;
  run.Status = pack::RunTool(args, out, err);
  run.Out = out.str();
  run.Err = err.str();
  return run;
}

inline std::vector<uint8_t> ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

}  // namespace orvane::testing
