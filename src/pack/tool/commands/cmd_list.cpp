// list: what a packed player or a menu file holds.
#include <ostream>

#include "tool/source/code_page.h"
#include "menudata/mdlfilebin.h"
#include "tool/commands/commands.h"
#include "tool/commands/player_report.h"
#include "tool/counted.h"
#include "tool/terminal_text.h"
#include "tool/input_file.h"
#include "tool/source/source_fields.h"

namespace orvane::pack {

namespace {

// Marked menus' texts as UTF-8, the others' as Windows-1252.
ReadMenu Decoded(ReadMenu read) {
  DecodeReadTexts(read, *MakeCodePage(kDefaultCodePage));
  return read;
}

void PrintMenuSummary(const ReadMenu& read, std::ostream& out) {
  const MenuFile& m = read.Menu;
  out << "version " << int(m.Header.Version) << ", " << Counted(m.Buttons.size(), "button") << ", "
      << Counted(m.Pictures.size(), "picture") << ", \"" << TerminalText(m.Settings.MenuTitle)
      << "\"";
  if (read.ReadError) out << " (DAMAGED: the player reports a read error)";
  out << "\n";
}

void PrintButtons(const MenuFile& m, std::ostream& out) {
  for (size_t i = 0; i < m.Buttons.size(); ++i) {
    const ButtonRecord& b = m.Buttons[i];
    const Json kind = NameOrNumber(ButtonKindNames(), b.ButtonKind);
    out << "  button " << i + 1 << ": "
        << (kind.is_string() ? kind.get<std::string>() : kind.dump()) << " at " << b.Left << ","
        << b.Top;
    if (!b.Caption.empty()) out << " \"" << TerminalText(b.Caption) << "\"";
    out << " -> " << (b.Target.empty() ? "(no target)" : TerminalText(b.Target)) << "\n";
  }
}

}  // namespace

int RunList(const CommandArgs& args, std::ostream& out) {
  const InputFile input = LoadInputFile(args.Inputs[0]);
  if (input.Player) {
    const PackedPlayer& p = *input.Player;
    out << TerminalText(input.Path) << ": packed player, container at byte " << p.ContainerStart
        << ", " << Counted(p.Entries.size(), "packed file");
    if (p.CertificateTable)
      out << ", signed (certificate table at byte " << *p.CertificateTable << ")";
    if (p.DirectoryError) out << " (DAMAGED: the player cannot read the list of packed files)";
    if (p.EntriesClaimed > kPackageSlots)
      out << " (the list claims " << p.EntriesClaimed << "; the player reads only the first "
          << kPackageSlots << ")";
    out << "\n";
    for (const PackedEntry& entry : p.Entries) {
      const ReadMenu read = Decoded(ReadPackedMenu(input.Data, p, entry));
      out << "  " << ShownEntryName(entry) << (entry.Slot == 0 ? " (default)" : "") << ": byte "
          << entry.Offset << ", " << read.Length << " bytes, ";
      if (read.HeaderAccepted)
        PrintMenuSummary(read, out);
      else
        out << "not a readable menu\n";
      if (!entry.Reachable()) out << "    the player never opens it: " << entry.Unreachable << "\n";
    }
    return 0;
  }
  out << TerminalText(input.Path) << ": menu file, ";
  const ReadMenu read = Decoded(*input.Menu);
  PrintMenuSummary(read, out);
  PrintButtons(read.Menu, out);
  return 0;
}

}  // namespace orvane::pack
