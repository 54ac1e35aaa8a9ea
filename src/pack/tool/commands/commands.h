#pragma once
// The sub-commands of orvane-pack. Each returns the process's exit status: 0 done, 1 the check
// found something or dump, extract or html met a damaged part (said on out), 2 a usage or input
// error (already reported on err).
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace orvane::pack {

struct CommandArgs {
  std::vector<std::string> Inputs;
  std::string Output;              // -o
  std::optional<int> MenuVersion;  // --version (build)
  std::string Label;               // --label (image)
  std::string Disc;                // --disc (html, preview): where the targets lie
  bool Force = false;              // --force (image)
  int CodePage = 1252;             // --code-page (dump, check, html): texts of unmarked menus
};

int RunBuild(const CommandArgs& args, std::ostream& out);
int RunPack(const CommandArgs& args, std::ostream& out);
int RunList(const CommandArgs& args, std::ostream& out);
int RunDump(const CommandArgs& args, std::ostream& out);
int RunExtract(const CommandArgs& args, std::ostream& out);
int RunCheck(const CommandArgs& args, std::ostream& out);
int RunImage(const CommandArgs& args, std::ostream& out);
int RunHtml(const CommandArgs& args, std::ostream& out);
// Runs until Ctrl+C.
int RunPreview(const CommandArgs& args, std::ostream& out);

// What html and preview wrote: warnings, pages, the buttons that the pages cannot offer. True
// when a menu got no page.
struct WrittenPages;
bool ReportPages(const WrittenPages& pages, std::ostream& out);
// Every problem of a failed run as the tool prints it: "orvane-pack: " and one problem a line.
class ToolError;
void ReportProblems(const ToolError& error, std::ostream& err);

// Parses "orvane-pack COMMAND ..." (args without the program name) and runs it; ToolErrors are
// printed on err as "orvane-pack: <message>".
int RunTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace orvane::pack
