// dump: a menu file or a packed player back to the sources that build reads.
#include <ostream>

#include "tool/source/code_page.h"
#include "tool/commands/commands.h"
#include "tool/input_file.h"
#include "tool/source/menu_dump.h"

namespace orvane::pack {

namespace {

void DumpOne(const ReadMenu& read, const std::string& name, const std::string& outDir,
             std::ostream& out) {
  const DumpResult result = DumpMenuSource(read.Menu, name, outDir);
  out << "wrote " << result.SourcePath << "\n";
  if (read.ReadError)
    out << "  warning: " << name << " is damaged (the player reports a read error); what could "
        << "be read is dumped\n";
  for (const std::string& w : result.Warnings) out << "  warning: " << name << ": " << w << "\n";
}

}  // namespace

int RunDump(const CommandArgs& args, std::ostream& out) {
  const InputFile input = LoadInputFile(args.Inputs[0]);
  if (input.Menu) {
    DumpOne(*input.Menu, BaseName(input.Path), args.Output, out);
    return 0;
  }
  for (const PackedEntry& entry : input.Player->Entries) {
    const ReadMenu read = ReadPackedMenu(input.Data, *input.Player, entry);
    if (!read.HeaderAccepted) {
      out << "  warning: " << entry.Name << " is not a readable menu; skipped\n";
      continue;
    }
    DumpOne(read, entry.Name, args.Output, out);
  }
  return 0;
}

}  // namespace orvane::pack
