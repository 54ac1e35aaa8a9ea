// preview: the pages of menu sources, rebuilt on every save, with the open page following.
#include <chrono>
#include <csignal>
#include <filesystem>
#include <ostream>
#include <sstream>
#include <thread>

#include "tool/commands/commands.h"
#include "tool/disc/preview_pages.h"
#include "tool/disc/source_pages.h"
#include "tool/file_io.h"
#include "tool/source/code_page.h"
#include "tool/terminal_text.h"
#include "tool/tool_error.h"

namespace orvane::pack {

namespace {

volatile std::sig_atomic_t g_stop = 0;
void Stop(int) { g_stop = 1; }

// How often the files are looked at (a few dozen stat calls); the page polls the state every
// 250 ms, so a save shows about a third of a second after the rebuild at most.
constexpr auto kPollInterval = std::chrono::milliseconds(100);

}  // namespace

int RunPreview(const CommandArgs& args, std::ostream& out) {
  const std::string folder =
      args.Output.empty()
          ? (std::filesystem::path(args.Inputs[0]).parent_path() / "preview").string()
          : args.Output;
  MakeFolder((std::filesystem::path(folder) / "orvane-web").string());
  std::signal(SIGINT, Stop);
  std::vector<std::string> watched = args.Inputs;
  uint64_t build = 0;
  bool shown = false;
  while (!g_stop) {
    FileStamps stamps = StampFiles(watched);
    std::string error;
    try {
      const MenuPages pages =
          WriteMenuPages(args.Inputs, folder, args.Disc, *MakeCodePage(args.CodePage));
      AddPreviewToPages(pages.Pages.Files, folder);
      for (const std::string& remark : pages.Remarks) out << TerminalText(remark) << "\n";
      if (ReportPages(pages.Pages, out))
        throw ToolError(args.Inputs[0], "", "a menu got no page (see the warnings above)");
      watched = pages.Read;
      stamps = StampFiles(watched);
      ++build;
    } catch (const ToolError& e) {
      // As build reports it; the page keeps showing the last good build below the message.
      std::ostringstream report;
      ReportProblems(e, report);
      error = report.str();
      out << error;
    }
    WritePreviewState(folder, build, error);
    if (!shown && build > 0) {
      out << "open " << FileUrl((std::filesystem::path(folder) / "index.html").string())
          << "\nwatching " << watched.size() << " files; Ctrl+C ends the preview\n";
      shown = true;
    }
    out.flush();
    while (!g_stop && StampFiles(watched) == stamps) std::this_thread::sleep_for(kPollInterval);
    if (!g_stop) out << "== changed, building again\n";
  }
  out << "preview ended\n";
  return 0;
}

}  // namespace orvane::pack
