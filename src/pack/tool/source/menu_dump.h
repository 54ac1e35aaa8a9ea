#pragma once
// A menu file back to the source that build reads: DIR/<stem>.json and the pictures as PNG files
// in DIR/<stem>/. What the source format cannot express (pictures in slots the player never
// shows, a second picture for the same slot) is left out and reported.
#include <string>
#include <vector>

#include "menudata/menu_file.h"
#include "tool/output_names.h"
#include "tool/source/source_fields.h"

namespace orvane::pack {

struct DumpResult {
  std::string SourcePath;
  std::vector<std::string> Warnings;
  std::string RenameNote;  // when the source's name differs from the menu's
};

// menu's texts are UTF-8 (DecodeReadTexts), textEncoding what they were stored in ("utf-8",
// "windows-1252"), so that the source builds them back the same way. menuName is the menu's name
// as stored (e.g. "Main.mnu"); the source is named after it, through names, which keeps the menus
// of one run apart.
DumpResult DumpMenuSource(const MenuFile& menu, const std::string& menuName,
                          const std::string& textEncoding, const std::string& outDir,
                          OutputNames& names);

// A picture's file name as the source names its slot: "button03_highlighted.png", frames with
// their number ("button03_highlighted_002.png"); button 0 is the menu's own. Dump and extract
// both use it.
std::string PictureName(const PictureSlot& slot);

// The JSON alone, with picture file names under stem/ as the dump writes them (no files touched).
Json MenuSourceJson(const MenuFile& menu, const std::string& menuName, const std::string& stem,
                    const std::string& textEncoding, std::vector<std::string>& warnings);

}  // namespace orvane::pack
