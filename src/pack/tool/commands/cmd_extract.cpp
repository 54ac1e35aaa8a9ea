// extract: the packed files of a player as they are stored, or the pictures of a menu file.
#include <cstdio>
#include <filesystem>
#include <ostream>

#include "tool/commands/commands.h"
#include "tool/commands/player_report.h"
#include "tool/file_io.h"
#include "tool/input_file.h"
#include "tool/output_names.h"
#include "tool/source/code_page.h"
#include "tool/source/menu_dump.h"
#include "tool/source/png_io.h"

namespace fs = std::filesystem;

namespace orvane::pack {

namespace {

int ExtractPlayer(const InputFile& input, const std::string& folder, std::ostream& out) {
  const PackedPlayer& player = *input.Player;
  bool damaged = ReportDirectory(player, BaseName(input.Path), out);
  OutputNames names;
  // Named first, so that no packed file can take the bare player's name.
  const std::string bareName = names.Take("unpacked-" + BaseName(input.Path));
  for (const PackedEntry& entry : player.Entries) {
    const std::string shown = ShownEntryName(entry);
    const ReadMenu read = ReadPackedMenu(input.Data, player, entry);
    if (read.Length == 0) {
      out << "  warning: " << shown << ": lies outside the file; nothing to extract\n";
      damaged = true;
      continue;
    }
    const std::string original = Cp1252ToUtf8(entry.Name);
    const std::string name =
        names.Take(entry.Name.empty() ? "entry" + std::to_string(entry.Slot + 1) : original);
    const Bytes bytes(input.Data.begin() + static_cast<std::ptrdiff_t>(entry.Offset),
                      input.Data.begin() + static_cast<std::ptrdiff_t>(entry.Offset + read.Length));
    const std::string target = (fs::path(folder) / name).string();
    WriteFileAtomically(target, bytes);
    out << "wrote " << target << " (" << bytes.size() << " bytes)\n";
    damaged |= ReportEntry(entry, read, shown, out);
    if (!entry.Name.empty())
      if (const std::string note = RenameNote("  note: packed file", original, name); !note.empty())
        out << note << "\n";
  }
  const Bytes bare(input.Data.begin(),
                   input.Data.begin() + static_cast<std::ptrdiff_t>(player.ContainerStart));
  const std::string target = (fs::path(folder) / bareName).string();
  WriteFileAtomically(target, bare);
  out << "wrote " << target << " (the player without its menus)\n";
  return damaged ? 1 : 0;
}

}  // namespace

int RunExtract(const CommandArgs& args, std::ostream& out) {
  const InputFile input = LoadInputFile(args.Inputs[0]);
  MakeFolder(args.Output);
  if (input.Player) return ExtractPlayer(input, args.Output, out);
  for (const PictureValue& p : input.Menu->Menu.Pictures) {
    if (p.Image.Empty()) continue;
    const std::string target = (fs::path(args.Output) / PictureName(p.Slot)).string();
    SavePicturePng(target, p.Image, false);
    out << "wrote " << target << "\n";
  }
  return input.Menu->ReadError ? 1 : 0;
}

}  // namespace orvane::pack
