#include <map>
#include <ostream>
#include <stdexcept>

#include "orvane_version.h"
#include "tool/commands/commands.h"
#include "tool/source/code_page.h"
#include "tool/terminal_text.h"
#include "tool/tool_error.h"

namespace orvane::pack {

namespace {

const char kUsage[] =
    "usage:\n"
    "  orvane-pack build SOURCE.json... -o OUT_DIR [--version 6]\n"
    "      menu sources (JSON + PNG) to menu files; the later layout unless asked for 6\n"
    "  orvane-pack pack [PLAYER.exe] MENU... -o DISC/orvane.exe\n"
    "      a copy of the player with the menus (menu files or JSON sources) appended, the first\n"
    "      being the default menu; a player that already carries menus has them replaced;\n"
    "      without PLAYER.exe, the player shipped with orvane-pack\n"
    "  orvane-pack list FILE           what a packed player or a menu file holds\n"
    "  orvane-pack dump FILE -o DIR [--code-page N]\n"
    "      a menu file or packed player back to JSON + PNG sources\n"
    "  orvane-pack extract FILE -o DIR the menu files of a packed player, or the pictures of a\n"
    "                                  menu file as PNG\n"
    "  orvane-pack check DISC_DIR [--code-page N]\n"
    "      targets, shortcuts, pictures, frames, menu switches, outlines and texts of every\n"
    "      packed player in the folder; exit status 1 on problems (notes do not count)\n"
    "  orvane-pack image DISC_DIR -o DISC.iso [--label LABEL] [--force]\n"
    "      check, then an ISO 9660 image with Joliet names and an autorun.inf (through\n"
    "      xorriso); nothing is written when check finds a problem, unless --force\n"
    "  orvane-pack html PLAYER.exe -o FOLDER [--disc DIR] [--code-page N]\n"
    "  orvane-pack html SOURCE.json|MENU.mnu... -o FOLDER [--disc DIR] [--code-page N]\n"
    "      the menus of a packed player, or of sources and menu files, as web pages (index.html\n"
    "      is the first) for any browser; targets lead into DIR (by default the folder of the\n"
    "      pages for a player, of the first source otherwise); lists the buttons the pages\n"
    "      cannot offer (programs, targets off the disc)\n"
    "  orvane-pack preview SOURCE.json|MENU.mnu... [-o FOLDER] [--disc DIR] [--code-page N]\n"
    "      the pages as html writes them (by default into a folder \"preview\" beside the first\n"
    "      source), written again on every save of a source or picture; the open page follows\n"
    "      and shows a source's error; F2 or the corner button shows every control's box, the\n"
    "      pointer's position and the texts that do not fit; Ctrl+C ends it\n"
    "  orvane-pack --version           the tool's version\n"
    "  --code-page N: the Windows code page that menus without the UTF-8 mark were made for\n"
    "      (874, 932, 936, 949, 950, 1250 to 1258; 1252 when not given)\n";

constexpr size_t kMaxProblemsShown = 30;

struct CommandSpec {
  int (*Run)(const CommandArgs&, std::ostream&);
  size_t MinInputs;
  size_t MaxInputs;
  bool NeedsOutput;
  bool OutputOptional = false;
};

const std::map<std::string, CommandSpec>& Commands() {
  static const std::map<std::string, CommandSpec> commands = {
      {"build", {RunBuild, 1, 1000, true}},
      {"pack", {RunPack, 1, 1000, true}},
      {"list", {RunList, 1, 1, false}},
      {"dump", {RunDump, 1, 1, true}},
      {"extract", {RunExtract, 1, 1, true}},
      {"check", {RunCheck, 1, 1, false}},
      {"image", {RunImage, 1, 1, true}},
      {"html", {RunHtml, 1, 1000, true}},
      {"preview", {RunPreview, 1, 1000, false, true}},
  };
  return commands;
}

bool ReadsUnmarkedTexts(const std::string& command) {
  return command == "dump" || command == "check" || command == "html" || command == "preview";
}

// Messages quote names and texts out of the files read: each line is escaped, and a message of
// several lines (what xorriso said) goes on indented.
void PrintMessage(const std::string& message, std::ostream& err) {
  size_t start = 0;
  for (size_t end = message.find('\n');; end = message.find('\n', start)) {
    err << (start == 0 ? "orvane-pack: " : "  ")
        << TerminalText(message.substr(start, end == std::string::npos ? end : end - start))
        << "\n";
    if (end == std::string::npos) break;
    start = end + 1;
  }
}

}  // namespace

void ReportProblems(const ToolError& error, std::ostream& err) {
  // Every problem of a run, one a line, up to a screenful.
  const std::vector<std::string>& messages = error.Messages();
  for (size_t i = 0; i < messages.size() && i < kMaxProblemsShown; ++i)
    PrintMessage(messages[i], err);
  if (messages.size() > kMaxProblemsShown)
    err << "orvane-pack: and " << messages.size() - kMaxProblemsShown << " more\n";
}

int RunTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.empty() || args[0] == "-h" || args[0] == "--help" || args[0] == "help") {
    (args.empty() ? err : out) << kUsage;
    return args.empty() ? 2 : 0;
  }
  if (args[0] == "--version") {
    out << "orvane-pack " << ORVANE_VERSION_TEXT << "\n";
    return 0;
  }
  const auto found = Commands().find(args[0]);
  if (found == Commands().end()) {
    err << "orvane-pack: unknown command \"" << args[0] << "\"\n" << kUsage;
    return 2;
  }
  const CommandSpec& spec = found->second;
  CommandArgs parsed;
  for (size_t i = 1; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--force" && args[0] == "image") {
      parsed.Force = true;
    } else if (a == "-o" || a == "--version" || (a == "--label" && args[0] == "image") ||
               (a == "--disc" && (args[0] == "html" || args[0] == "preview")) ||
               (a == "--code-page" && ReadsUnmarkedTexts(args[0]))) {
      if (i + 1 >= args.size()) {
        err << "orvane-pack " << args[0] << ": " << a << " needs a value\n";
        return 2;
      }
      const std::string& value = args[++i];
      if (a == "-o") {
        parsed.Output = value;
      } else if (a == "--label") {
        parsed.Label = value;
      } else if (a == "--disc") {
        parsed.Disc = value;
      } else if (a == "--code-page") {
        const bool digits = value.find_first_not_of("0123456789") == std::string::npos;
        const int number = value.size() <= 4 && digits ? std::stoi("0" + value) : 0;
        if (!IsKnownCodePage(number)) {
          err << "orvane-pack " << args[0] << ": --code-page takes " << kKnownCodePages << "\n";
          return 2;
        }
        parsed.CodePage = number;
      } else if (args[0] != "build" || (value != "6" && value != "7")) {
        err << "orvane-pack " << args[0] << ": --version takes 6 or 7, and only for build\n";
        return 2;
      } else {
        parsed.MenuVersion = std::stoi(value);
      }
    } else if (a.size() > 1 && a[0] == '-') {
      err << "orvane-pack " << args[0] << ": unknown option " << a << "\n";
      return 2;
    } else {
      parsed.Inputs.push_back(a);
    }
  }
  if (parsed.Inputs.size() < spec.MinInputs || parsed.Inputs.size() > spec.MaxInputs ||
      (!spec.OutputOptional && spec.NeedsOutput == parsed.Output.empty())) {
    err << "orvane-pack " << args[0] << ": wrong arguments\n" << kUsage;
    return 2;
  }
  try {
    return spec.Run(parsed, out);
  } catch (const ToolError& e) {
    ReportProblems(e, err);
    return 2;
  } catch (const std::exception& e) {
    PrintMessage(e.what(), err);
    return 2;
  }
}

}  // namespace orvane::pack
