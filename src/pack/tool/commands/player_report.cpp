#include "tool/commands/player_report.h"

#include <ostream>

#include "menudata/mdlfilebin.h"
#include "tool/source/code_page.h"
#include "tool/terminal_text.h"

namespace orvane::pack {

std::string ShownEntryName(const PackedEntry& entry) {
  if (entry.Name.empty()) return "entry " + std::to_string(entry.Slot + 1) + " (blank name)";
  return TerminalText(Cp1252ToUtf8(entry.Name));
}

bool ReportDirectory(const PackedPlayer& player, const std::string& exeName, std::ostream& out) {
  const std::string exe = TerminalText(exeName);
  if (player.DirectoryError) {
    out << "  warning: " << exe << ": the list of packed files is damaged or cut short; the "
        << "player shows none of its menus\n";
    return true;
  }
  if (player.EntriesClaimed > kPackageSlots) {
    out << "  warning: " << exe << ": the list claims " << player.EntriesClaimed
        << " packed files; the player reads only the first " << kPackageSlots << "\n";
    return true;
  }
  if (player.Entries.empty()) {
    out << "  warning: " << exe << ": holds no packed file\n";
    return true;
  }
  return false;
}

bool ReportEntry(const PackedEntry& entry, const ReadMenu& read, const std::string& shown,
                 std::ostream& out) {
  if (!entry.Reachable())
    out << "  warning: " << shown << ": the player never opens it: " << entry.Unreachable << "\n";
  if (!read.HeaderAccepted) {
    out << "  warning: " << shown
        << ": not a menu file of version 6 or later; the player refuses it\n";
    return true;
  }
  if (read.ReadError) {
    out << "  warning: " << shown << ": damaged (the player reports a read error)\n";
    return true;
  }
  return false;
}

}  // namespace orvane::pack
