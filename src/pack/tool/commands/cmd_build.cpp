// build: menu sources to menu files.
#include <filesystem>
#include <ostream>

#include "tool/commands/commands.h"
#include "tool/counted.h"
#include "tool/file_io.h"
#include "tool/source/menu_source.h"
#include "tool/tool_error.h"
#include "writer/menu_writer.h"

namespace orvane::pack {

int RunBuild(const CommandArgs& args, std::ostream& out) {
  // Every source is read before anything is written: one bad source leaves the folder as it was,
  // and the problems of all sources are reported together.
  std::vector<MenuSource> sources;
  std::vector<std::string> madeBy;
  SourceProblems problems;
  std::optional<uint8_t> version;
  if (args.MenuVersion) version = static_cast<uint8_t>(*args.MenuVersion);
  for (const std::string& path : args.Inputs) {
    problems.Guard([&] {
      MenuSource source = LoadMenuSource(path, version);
      for (size_t i = 0; i < sources.size(); ++i)
        if (sources[i].OutputName == source.OutputName)
          throw ToolError(path, "file",
                          "\"" + source.OutputName + "\" is also made by " + madeBy[i]);
      sources.push_back(std::move(source));
      madeBy.push_back(path);
    });
  }
  if (!problems.List().empty()) throw ToolError(problems.List());
  for (const MenuSource& source : sources) {
    for (const std::string& warning : source.Warnings) out << "warning: " << warning << "\n";
    for (const std::string& note : source.Notes) out << "note: " << note << "\n";
  }
  MakeFolder(args.Output);
  for (const MenuSource& source : sources) {
    const Bytes bytes = WriteMenuFile(source.Menu);
    const std::string target = (std::filesystem::path(args.Output) / source.OutputName).string();
    WriteFileAtomically(target, bytes);
    out << "wrote " << target << " (version " << int(source.Menu.Header.Version) << ", "
        << Counted(source.Menu.Buttons.size(), "button") << ", "
        << Counted(source.Menu.Pictures.size(), "picture") << ", " << bytes.size() << " bytes)\n";
  }
  return 0;
}

}  // namespace orvane::pack
