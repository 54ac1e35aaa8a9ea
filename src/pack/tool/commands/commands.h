#pragma once
// The sub-commands of orvane-pack. Each returns the process's exit status: 0 done, 1 the check
// found something, 2 a usage or input error (already reported on err).
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace orvane::pack {

struct CommandArgs {
  std::vector<std::string> Inputs;
  std::string Output;                 // -o
  std::optional<int> MenuVersion;     // --version (build)
  std::string Label;                  // --label (image)
  bool Force = false;                 // --force (image)
  int CodePage = 1252;                // --code-page (dump, check, html): texts of unmarked menus
};

int RunBuild(const CommandArgs& args, std::ostream& out);
int RunPack(const CommandArgs& args, std::ostream& out);
int RunList(const CommandArgs& args, std::ostream& out);
int RunDump(const CommandArgs& args, std::ostream& out);
int RunExtract(const CommandArgs& args, std::ostream& out);
int RunCheck(const CommandArgs& args, std::ostream& out);
int RunImage(const CommandArgs& args, std::ostream& out);
int RunHtml(const CommandArgs& args, std::ostream& out);

// Parses "orvane-pack COMMAND ..." (args without the program name) and runs it; ToolErrors are
// printed on err as "orvane-pack: <message>".
int RunTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace orvane::pack
