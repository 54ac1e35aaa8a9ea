// dump: a menu file or a packed player back to the sources that build reads.
#include <ostream>

#include "tool/source/code_page.h"
#include "tool/commands/commands.h"
#include "tool/input_file.h"
#include "tool/source/menu_dump.h"

namespace orvane::pack {

namespace {

void DumpOne(ReadMenu read, const std::string& name, const std::string& outDir,
             const CodePage& unmarked, std::ostream& out) {
  DecodeReadTexts(read, unmarked);
  const DumpResult result = DumpMenuSource(read.Menu, name, read.TextEncoding, outDir);
  out << "wrote " << result.SourcePath << " (texts " << read.TextEncoding << ")\n";
  if (read.InvalidUtf8Texts > 0)
    out << "  warning: " << name << ": " << read.InvalidUtf8Texts
        << (read.InvalidUtf8Texts == 1 ? " text is" : " texts are")
        << " not valid UTF-8 although the menu says so; dumped as the player shows them, with "
           "U+FFFD in place of the broken bytes\n";
  if (read.ReadError)
    out << "  warning: " << name << " is damaged (the player reports a read error); what could "
        << "be read is dumped\n";
  for (const std::string& w : result.Warnings) out << "  warning: " << name << ": " << w << "\n";
}

}  // namespace

int RunDump(const CommandArgs& args, std::ostream& out) {
  const InputFile input = LoadInputFile(args.Inputs[0]);
  const std::unique_ptr<CodePage> unmarked = MakeCodePage(args.CodePage);
  if (input.Menu) {
    DumpOne(*input.Menu, BaseName(input.Path), args.Output, *unmarked, out);
    return 0;
  }
  for (const PackedEntry& entry : input.Player->Entries) {
    const ReadMenu read = ReadPackedMenu(input.Data, *input.Player, entry);
    if (!read.HeaderAccepted) {
      out << "  warning: " << entry.Name << " is not a readable menu; skipped\n";
      continue;
    }
    DumpOne(read, entry.Name, args.Output, *unmarked, out);
  }
  return 0;
}

}  // namespace orvane::pack
