#pragma once
// Every text of a menu under its source field name, and the encoding that a build stores them
// in: the one the source names in "text_encoding", or, when it names none, Windows-1252 while
// every text fits (so that older sources give the same bytes) and UTF-8 otherwise.
#include <optional>
#include <string>
#include <vector>

#include "menudata/menu_file.h"

namespace orvane::pack {

constexpr char kTextEncodingKey[] = "text_encoding";

struct NamedText {
  std::string Field;  // e.g. "buttons[4].caption"
  std::string* Text;
};
// Every text of the menu with its source name, in the order the player reads them.
std::vector<NamedText> MenuTexts(MenuFile& menu);

// What a source asked for: nothing, "utf-8" or a code page ("windows-1252", ...).
struct TextEncodingRequest {
  std::optional<std::string> Named;  // as written in the source
  bool UnusedTextsGiven = false;     // the source set "unused_texts" itself
};

// The menu's texts, read from the source as UTF-8, stored in the chosen encoding; the first
// unused text of a UTF-8 menu becomes the mark. Throws ToolError naming the file, the field and,
// for a text that cannot be stored, the character and what to write instead. A choice that the
// author did not make explicitly is said in notes.
void EncodeMenuTexts(MenuFile& menu, const TextEncodingRequest& request, const std::string& file,
                     std::vector<std::string>& notes);

// How a dump names the encoding of the texts it found: "utf-8" or "windows-NNNN".
std::string TextEncodingName(const MenuFile& menu, int codePage);

}  // namespace orvane::pack
