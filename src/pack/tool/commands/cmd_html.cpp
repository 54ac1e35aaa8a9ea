// html: the menus of a packed player, or of sources and menu files, as web pages, for the
// computers that cannot run the player.
#include <ostream>

#include "actions/target_text.h"
#include "tool/commands/commands.h"
#include "tool/disc/page_actions.h"
#include "tool/disc/source_pages.h"
#include "tool/disc/web_pages.h"
#include "tool/input_file.h"
#include "tool/tool_error.h"

namespace orvane::pack {

namespace {

WrittenPages PlayerPages(const CommandArgs& args) {
  const InputFile input = LoadInputFile(args.Inputs[0]);
  if (input.Player->DirectoryError || input.Player->Entries.empty())
    throw ToolError(args.Inputs[0], "", "the player cannot read its menus");
  return WriteWebPages(input.Data, *input.Player, BaseName(input.Path), args.Output,
                       DiscRootHref(args.Output, args.Disc.empty() ? args.Output : args.Disc));
}

}  // namespace

void ReportPages(const WrittenPages& pages, std::ostream& out) {
  for (const std::string& warning : pages.Warnings) out << "  warning: " << warning << "\n";
  for (const std::string& page : pages.Files) out << "wrote " << page << "\n";
  // Information for the author, not a failure: a disc with a setup program is normal.
  if (!pages.NotOffered.empty()) out << "the pages show these buttons disabled:\n";
  for (const Finding& f : pages.NotOffered) out << "  " << FormatFinding(f) << "\n";
}

int RunHtml(const CommandArgs& args, std::ostream& out) {
  // One packed player, or menus: sources (.json) and menu files.
  const bool player = args.Inputs.size() == 1 && !EndsWithNoCase(args.Inputs[0], ".json") &&
                      LoadInputFile(args.Inputs[0]).Player;
  ReportPages(player ? PlayerPages(args) : WriteMenuPages(args.Inputs, args.Output, args.Disc),
              out);
  return 0;
}

}  // namespace orvane::pack
