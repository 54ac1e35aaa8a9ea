// pack: a copy of the player with the menus appended.
#include <filesystem>
#include <ostream>
#include <stdexcept>

#include "common/text.h"
#include "tool/commands/commands.h"
#include "tool/counted.h"
#include "tool/file_io.h"
#include "tool/input_file.h"
#include "tool/menu_read.h"
#include "tool/source/menu_source.h"
#include "tool/tool_error.h"
#include "writer/container_find.h"

namespace orvane::pack {

int RunPack(const CommandArgs& args, std::ostream& out) {
  const std::string& playerPath = args.Inputs[0];
  Bytes player = ReadWholeFile(playerPath);
  if (player.size() < 2 || player[0] != 'M' || player[1] != 'Z')
    throw ToolError(playerPath, "", "is not a Windows executable");
  // A signature covers the menus too: it cannot survive new ones.
  const bool wasSigned = RemoveSignature(player);
  if (wasSigned) out << playerPath << ": removing its signature, which the new menus would break\n";
  if (const std::optional<size_t> start = FindContainerStart(player)) {
    out << playerPath << ": replacing the menus it already carries\n";
    player.resize(*start);
  }
  std::vector<PackedFile> files;
  for (size_t i = 1; i < args.Inputs.size(); ++i) {
    const std::string& path = args.Inputs[i];
    PackedFile file{BaseName(path), ReadWholeFile(path)};
    if (!IsValidPackedName(file.Name)) throw ToolError(path, "", "is no valid packed file name");
    // Only menus the player can read go on a disc.
    const ReadMenu menu = ReadMenuBytes(file.Data);
    if (!menu.HeaderAccepted || menu.ReadError)
      throw ToolError(path, "", "is not a readable menu file (build it with orvane-pack build)");
    for (const PackedFile& earlier : files)
      if (AsciiEqualsNoCase(earlier.Name, file.Name))
        throw ToolError(path, "", "a menu named " + earlier.Name + " is already packed; the "
                                  "player could only reach the first");
    files.push_back(std::move(file));
  }
  Bytes packed;
  try {
    ContainerOptions options;
    options.FileAlignment = 8;  // what a signing tool aligns its certificate table to
    packed = AppendContainer(player, files, options);
  } catch (const std::invalid_argument& e) {
    throw ToolError(args.Output, "", e.what());
  }
  const std::filesystem::path parent = std::filesystem::path(args.Output).parent_path();
  if (!parent.empty()) MakeFolder(parent.string());
  WriteFileAtomically(args.Output, packed);
  out << "wrote " << args.Output << " (" << Counted(files.size(), "menu") << ", default "
      << files[0].Name << ", " << packed.size() << " bytes)\n";
  if (wasSigned) out << args.Output << " is not signed: sign it again before it goes on a disc\n";
  return 0;
}

}  // namespace orvane::pack
