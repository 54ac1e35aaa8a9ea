// html: the menus of a packed player, or of sources and menu files, as web pages, for the
// computers that cannot run the player.
#include <ostream>

#include "actions/target_text.h"
#include "tool/commands/commands.h"
#include "tool/commands/player_report.h"
#include "tool/disc/page_actions.h"
#include "tool/disc/source_pages.h"
#include "tool/disc/web_pages.h"
#include "tool/input_file.h"
#include "tool/source/code_page.h"
#include "tool/terminal_text.h"
#include "tool/tool_error.h"

namespace orvane::pack {

namespace {

int PlayerPages(const CommandArgs& args, const InputFile& input, std::ostream& out) {
  if (input.Player->DirectoryError || input.Player->Entries.empty())
    throw ToolError(args.Inputs[0], "", "the player cannot read its menus");
  const bool damaged = ReportDirectory(*input.Player, BaseName(input.Path), out);
  for (const PackedEntry& entry : input.Player->Entries)
    if (!entry.Reachable())
      out << "  warning: " << ShownEntryName(entry) << ": the player never opens it, so it gets no "
          << "page: " << entry.Unreachable << "\n";
  const WrittenPages pages = WriteWebPages(
      input.Data, *input.Player, BaseName(input.Path), args.Output, *MakeCodePage(args.CodePage),
      DiscRootHref(args.Output, args.Disc.empty() ? args.Output : args.Disc));
  return ReportPages(pages, out) || damaged ? 1 : 0;
}

}  // namespace

bool ReportPages(const WrittenPages& pages, std::ostream& out) {
  for (const std::string& warning : pages.Warnings)
    out << "  warning: " << TerminalText(warning) << "\n";
  for (const std::string& page : pages.Files) out << "wrote " << page << "\n";
  // Information for the author, not a failure: a disc with a setup program is normal.
  if (!pages.NotOffered.empty()) out << "the pages show these buttons disabled:\n";
  for (const Finding& f : pages.NotOffered) out << "  " << TerminalText(FormatFinding(f)) << "\n";
  if (pages.Files.empty()) out << "no page written: the player can show none of its menus\n";
  return !pages.Warnings.empty() || pages.Files.empty();
}

int RunHtml(const CommandArgs& args, std::ostream& out) {
  // One packed player, or menus: sources (.json) and menu files.
  if (args.Inputs.size() == 1 && !EndsWithNoCase(args.Inputs[0], ".json")) {
    const InputFile input = LoadInputFile(args.Inputs[0]);
    if (input.Player) return PlayerPages(args, input, out);
  }
  const MenuPages pages =
      WriteMenuPages(args.Inputs, args.Output, args.Disc, *MakeCodePage(args.CodePage));
  for (const std::string& remark : pages.Remarks) out << TerminalText(remark) << "\n";
  return ReportPages(pages.Pages, out) ? 1 : 0;
}

}  // namespace orvane::pack
