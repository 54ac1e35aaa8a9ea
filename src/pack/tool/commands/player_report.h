#pragma once
// How list, dump, extract and html tell the parts of a player or menu that they could not read,
// or that the player itself never opens. The reporting functions return true on damage: the
// command then ends with status 1.
#include <iosfwd>
#include <string>

#include "tool/menu_read.h"

namespace orvane::pack {

// An entry's name for the terminal: escaped, or "entry N (blank name)".
std::string ShownEntryName(const PackedEntry& entry);

// A damaged list of packed files, one that claims more entries than the player reads, or one
// without any entry.
bool ReportDirectory(const PackedPlayer& player, const std::string& exeName, std::ostream& out);

// A menu the player refuses or reads with an error; an entry no menu name opens (not damage).
bool ReportEntry(const PackedEntry& entry, const ReadMenu& read, const std::string& shown,
                 std::ostream& out);

}  // namespace orvane::pack
