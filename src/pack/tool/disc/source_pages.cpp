#include "tool/disc/source_pages.h"

#include <filesystem>

#include "tool/menu_inputs.h"
#include "tool/menu_read.h"
#include "tool/tool_error.h"

namespace orvane::pack {

MenuPages WriteMenuPages(const std::vector<std::string>& inputs, const std::string& folder,
                         std::string discFolder, const CodePage& unmarked) {
  MenuInputs menus = LoadMenuInputs(inputs);
  // Two bytes stand in for the player: the player's reader finds no container at byte 0.
  const Bytes container = AppendContainer({'M', 'Z'}, menus.Files);
  const std::optional<PackedPlayer> packed = ReadPackedPlayer(container);
  if (!packed || packed->DirectoryError)
    throw ToolError(inputs.front(), "", "the menus cannot be read back as the player would");
  if (discFolder.empty()) discFolder = std::filesystem::path(inputs.front()).parent_path().string();
  if (discFolder.empty()) discFolder = ".";
  return {WriteWebPages(container, *packed, "", folder, unmarked, DiscRootHref(folder, discFolder)),
          std::move(menus.Remarks), std::move(menus.Read)};
}

}  // namespace orvane::pack
