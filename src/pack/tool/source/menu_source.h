#pragma once
// A menu source: one JSON file (plus the PNG pictures it names) that becomes one menu file.
// build reads it into the menu model; dump writes the model back out as a source.
#include <optional>
#include <string>
#include <vector>

#include "menudata/menu_file.h"
#include "tool/source/source_fields.h"
#include "writer/menu_defaults.h"

namespace orvane::pack {

// A button's font fields as the menu's fonts hold theirs (the colour stays with the button).
inline FontSetting ButtonFont(const ButtonRecord& b) {
  return {b.FontName, b.FontSize, b.Bold, b.Italic, b.Underline};
}

struct MenuSource {
  MenuFile Menu;           // counts set, ready to write
  std::string OutputName;  // file name of the menu, e.g. "main.mnu"
  // "file: field: message" for values that build but most likely do not do what was meant.
  std::vector<std::string> Warnings;
  // What build did for the author that the source did not say (transparent pixels composed, the
  // encoding of the texts chosen).
  std::vector<std::string> Notes;
  std::vector<std::string> Pictures;  // the picture files it was built from
};

// Picture paths are taken relative to the source's folder. Throws ToolError naming the source
// file and the field.
// versionOverride (the command line's choice) wins over the source's "version".
MenuSource ParseMenuSource(const Json& root, const std::string& sourcePath,
                           std::optional<uint8_t> versionOverride = std::nullopt);
MenuSource LoadMenuSource(const std::string& sourcePath,
                          std::optional<uint8_t> versionOverride = std::nullopt);

// The name a packed menu may have: not empty, at most 256 characters, no folder in it.
bool IsValidPackedName(const std::string& name);

}  // namespace orvane::pack
