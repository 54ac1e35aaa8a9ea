// build: menu sources to menu files.
#include <filesystem>
#include <ostream>

#include "tool/commands/commands.h"
#include "tool/file_io.h"
#include "tool/source/menu_source.h"
#include "tool/tool_error.h"
#include "writer/menu_writer.h"

namespace orvane::pack {

int RunBuild(const CommandArgs& args, std::ostream& out) {
  // Every source is read before anything is written: one bad source leaves the folder as it was.
  std::vector<MenuSource> sources;
  std::optional<uint8_t> version;
  if (args.MenuVersion) version = static_cast<uint8_t>(*args.MenuVersion);
  for (const std::string& path : args.Inputs) {
    sources.push_back(LoadMenuSource(path, version));
    for (size_t i = 0; i + 1 < sources.size(); ++i)
      if (sources[i].OutputName == sources.back().OutputName)
        throw ToolError(path, "file", "\"" + sources.back().OutputName + "\" is also made by " +
                                          args.Inputs[i]);
  }
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
        << source.Menu.Buttons.size() << " buttons, " << source.Menu.Pictures.size()
        << " pictures, " << bytes.size() << " bytes)\n";
  }
  return 0;
}

}  // namespace orvane::pack
