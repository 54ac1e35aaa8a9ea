// html: the menus of a packed player as web pages, for the computers that cannot run it.
#include <ostream>

#include "tool/commands/commands.h"
#include "tool/commands/player_report.h"
#include "tool/disc/web_pages.h"
#include "tool/input_file.h"
#include "tool/source/code_page.h"
#include "tool/terminal_text.h"
#include "tool/tool_error.h"

namespace orvane::pack {

int RunHtml(const CommandArgs& args, std::ostream& out) {
  const InputFile input = LoadInputFile(args.Inputs[0]);
  if (!input.Player) throw ToolError(args.Inputs[0], "", "is a menu file; give the packed player");
  if (input.Player->DirectoryError || input.Player->Entries.empty())
    throw ToolError(args.Inputs[0], "", "the player cannot read its menus");
  bool damaged = ReportDirectory(*input.Player, BaseName(input.Path), out);
  for (const PackedEntry& entry : input.Player->Entries)
    if (!entry.Reachable())
      out << "  warning: " << ShownEntryName(entry) << ": the player never opens it, so it gets no "
          << "page: " << entry.Unreachable << "\n";
  const WrittenPages pages =
      WriteWebPages(input.Data, *input.Player, BaseName(input.Path), args.Output,
                    *MakeCodePage(args.CodePage));
  for (const std::string& warning : pages.Warnings) out << "  warning: " << TerminalText(warning) << "\n";
  for (const std::string& page : pages.Files) out << "wrote " << page << "\n";
  // Information for the author, not a failure: a disc with a setup program is normal.
  if (!pages.NotOffered.empty()) out << "the pages show these buttons disabled:\n";
  for (const Finding& f : pages.NotOffered) out << "  " << TerminalText(FormatFinding(f)) << "\n";
  if (pages.Files.empty()) out << "no page written: the player can show none of its menus\n";
  damaged |= !pages.Warnings.empty() || pages.Files.empty();
  return damaged ? 1 : 0;
}

}  // namespace orvane::pack
