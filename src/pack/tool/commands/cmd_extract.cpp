// extract: the packed files of a player as they are stored, or the pictures of a menu file.
#include <cstdio>
#include <filesystem>
#include <ostream>

#include "tool/commands/commands.h"
#include "tool/file_io.h"
#include "tool/input_file.h"
#include "tool/source/menu_dump.h"
#include "tool/source/menu_source.h"
#include "tool/source/png_io.h"

namespace fs = std::filesystem;

namespace orvane::pack {

int RunExtract(const CommandArgs& args, std::ostream& out) {
  const InputFile input = LoadInputFile(args.Inputs[0]);
  MakeFolder(args.Output);
  if (input.Player) {
    for (const PackedEntry& entry : input.Player->Entries) {
      const ReadMenu read = ReadPackedMenu(input.Data, *input.Player, entry);
      if (!IsValidPackedName(entry.Name) || read.Length == 0) {
        out << "  warning: " << entry.Name << ": cannot be extracted; skipped\n";
        continue;
      }
      const Bytes bytes(input.Data.begin() + static_cast<std::ptrdiff_t>(entry.Offset),
                        input.Data.begin() + static_cast<std::ptrdiff_t>(entry.Offset + read.Length));
      const std::string target = (fs::path(args.Output) / entry.Name).string();
      WriteFileAtomically(target, bytes);
      out << "wrote " << target << " (" << bytes.size() << " bytes)\n";
    }
    const Bytes bare(input.Data.begin(),
                     input.Data.begin() + static_cast<std::ptrdiff_t>(input.Player->ContainerStart));
    const std::string target = (fs::path(args.Output) / ("unpacked-" + BaseName(input.Path))).string();
    WriteFileAtomically(target, bare);
    out << "wrote " << target << " (the player without its menus)\n";
    return 0;
  }
  for (const PictureValue& p : input.Menu->Menu.Pictures) {
    if (p.Image.Empty()) continue;
    const std::string target = (fs::path(args.Output) / PictureName(p.Slot)).string();
    SavePicturePng(target, p.Image, false);
    out << "wrote " << target << "\n";
  }
  return 0;
}

}  // namespace orvane::pack
