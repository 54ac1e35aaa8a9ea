#include "tool/menu_inputs.h"

#include "actions/target_text.h"
#include "common/text.h"
#include "tool/file_io.h"
#include "tool/input_file.h"
#include "tool/menu_read.h"
#include "tool/source/menu_source.h"
#include "tool/tool_error.h"

namespace orvane::pack {

MenuInputs LoadMenuInputs(const std::vector<std::string>& paths) {
  MenuInputs inputs;
  SourceProblems problems;
  for (const std::string& path : paths) {
    inputs.Read.push_back(path);
    problems.Guard([&] {
      PackedFile file;
      if (EndsWithNoCase(path, ".json")) {
        const MenuSource source = LoadMenuSource(path);
        file = {source.OutputName, WriteMenuFile(source.Menu)};
        for (const std::string& warning : source.Warnings)
          inputs.Remarks.push_back("warning: " + warning);
        for (const std::string& note : source.Notes) inputs.Remarks.push_back("note: " + note);
        inputs.Read.insert(inputs.Read.end(), source.Pictures.begin(), source.Pictures.end());
      } else {
        file = {BaseName(path), ReadWholeFile(path)};
      }
      if (!IsValidPackedName(file.Name)) throw ToolError(path, "", "is no valid packed file name");
      // Only menus the player can read go on a disc.
      const ReadMenu menu = ReadMenuBytes(file.Data);
      if (!menu.HeaderAccepted || menu.ReadError)
        throw ToolError(path, "", "is not a readable menu file (build it with orvane-pack build)");
      for (const PackedFile& earlier : inputs.Files)
        if (AsciiEqualsNoCase(earlier.Name, file.Name))
          throw ToolError(path, "",
                          "a menu named " + earlier.Name +
                              " is already packed; the "
                              "player could only reach the first");
      inputs.Files.push_back(std::move(file));
    });
  }
  if (!problems.List().empty()) throw ToolError(problems.List());
  return inputs;
}

}  // namespace orvane::pack
