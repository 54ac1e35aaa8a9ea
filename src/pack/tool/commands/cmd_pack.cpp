// pack: a copy of the player with the menus appended.
#include <filesystem>
#include <ostream>
#include <stdexcept>

#include "actions/target_text.h"
#include "tool/commands/commands.h"
#include "tool/counted.h"
#include "tool/file_io.h"
#include "tool/menu_inputs.h"
#include "tool/menu_read.h"
#include "tool/shipped_player.h"
#include "tool/terminal_text.h"
#include "tool/tool_error.h"
#include "writer/container_find.h"

namespace orvane::pack {

int RunPack(const CommandArgs& args, std::ostream& out) {
  // A first argument that names a Windows program is the player; without one the player shipped
  // with the tool is used.
  const bool playerGiven = EndsWithNoCase(args.Inputs[0], ".exe");
  const std::string playerPath = playerGiven ? args.Inputs[0] : FindShippedPlayer();
  if (!playerGiven) out << "using the player shipped with the tool: " << playerPath << "\n";
  const std::vector<std::string> menuPaths(args.Inputs.begin() + (playerGiven ? 1 : 0),
                                           args.Inputs.end());
  if (menuPaths.empty()) throw ToolError(playerPath, "", "no menu given to pack into it");
  Bytes player = ReadWholeFile(playerPath);
  if (player.size() < 2 || player[0] != 'M' || player[1] != 'Z')
    throw ToolError(playerPath, "", "is not a Windows executable");
  if (const std::optional<std::string> warning = PlayerMachineWarning(player))
    out << "warning: " << playerPath << ": " << *warning << "\n";
  // Every menu is read (and a source built) before the player is touched.
  const MenuInputs menus = LoadMenuInputs(menuPaths);
  for (const std::string& remark : menus.Remarks) out << TerminalText(remark) << "\n";
  const std::vector<PackedFile>& files = menus.Files;
  // A signature covers the menus too: it cannot survive new ones.
  const bool wasSigned = RemoveSignature(player);
  if (wasSigned) out << playerPath << ": removing its signature, which the new menus would break\n";
  if (const std::optional<size_t> start = FindContainerStart(player)) {
    out << playerPath << ": replacing the menus it already carries\n";
    player.resize(*start);
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
