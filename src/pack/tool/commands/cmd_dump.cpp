// dump: a menu file or a packed player back to the sources that build reads.
#include <ostream>

#include "tool/commands/commands.h"
#include "tool/commands/player_report.h"
#include "tool/input_file.h"
#include "tool/source/code_page.h"
#include "tool/source/menu_dump.h"
#include "tool/terminal_text.h"

namespace orvane::pack {

namespace {

void DumpOne(ReadMenu read, const std::string& name, const std::string& shown,
             const std::string& outDir, OutputNames& names, const CodePage& unmarked,
             std::ostream& out) {
  DecodeReadTexts(read, unmarked);
  const DumpResult result = DumpMenuSource(read.Menu, name, read.TextEncoding, outDir, names);
  out << "wrote " << result.SourcePath << " (texts " << read.TextEncoding << ")\n";
  if (!result.RenameNote.empty()) out << "  note: " << result.RenameNote << "\n";
  if (read.InvalidUtf8Texts > 0)
    out << "  warning: " << shown << ": " << read.InvalidUtf8Texts
        << (read.InvalidUtf8Texts == 1 ? " text is" : " texts are")
        << " not valid UTF-8 although the menu says so; dumped as the player shows them, with "
           "U+FFFD in place of the broken bytes\n";
  for (const std::string& w : result.Warnings) out << "  warning: " << shown << ": " << w << "\n";
}

}  // namespace

int RunDump(const CommandArgs& args, std::ostream& out) {
  const InputFile input = LoadInputFile(args.Inputs[0]);
  const std::unique_ptr<CodePage> unmarked = MakeCodePage(args.CodePage);
  OutputNames names;
  if (input.Menu) {
    const std::string name = BaseName(input.Path);
    DumpOne(*input.Menu, name, TerminalText(name), args.Output, names, *unmarked, out);
    if (input.Menu->ReadError)
      out << "  warning: " << TerminalText(name) << ": damaged (the player reports a read error); "
          << "what could be read is dumped\n";
    return input.Menu->ReadError ? 1 : 0;
  }
  bool damaged = ReportDirectory(*input.Player, BaseName(input.Path), out);
  for (const PackedEntry& entry : input.Player->Entries) {
    const ReadMenu read = ReadPackedMenu(input.Data, *input.Player, entry);
    const std::string shown = ShownEntryName(entry);
    if (read.HeaderAccepted)
      DumpOne(read,
              entry.Name.empty() ? "entry" + std::to_string(entry.Slot + 1) + ".mnu" : entry.Name,
              shown, args.Output, names, *unmarked, out);
    damaged |= ReportEntry(entry, read, shown, out);
  }
  return damaged ? 1 : 0;
}

}  // namespace orvane::pack
