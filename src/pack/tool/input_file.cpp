#include "tool/input_file.h"

#include <filesystem>

#include "tool/file_io.h"
#include "tool/tool_error.h"

namespace orvane::pack {

std::string BaseName(const std::string& path) {
  return std::filesystem::path(path).filename().string();
}

InputFile LoadInputFile(const std::string& path) {
  InputFile input;
  input.Path = path;
  input.Data = ReadWholeFile(path);
  input.Player = ReadPackedPlayer(input.Data);
  if (input.Player) return input;
  ReadMenu menu = ReadMenuBytes(input.Data);
  if (!menu.HeaderAccepted)
    throw ToolError(path, "", "is neither a packed player (no menus appended) nor a menu file");
  input.Menu = std::move(menu);
  return input;
}

}  // namespace orvane::pack
