// list: what a packed player or a menu file holds.
#include <ostream>

#include "tool/source/code_page.h"
#include "tool/commands/commands.h"
#include "tool/counted.h"
#include "tool/input_file.h"
#include "tool/source/source_fields.h"

namespace orvane::pack {

namespace {

void PrintMenuSummary(const ReadMenu& read, std::ostream& out) {
  const MenuFile& m = read.Menu;
  out << "version " << int(m.Header.Version) << ", " << Counted(m.Buttons.size(), "button")
      << ", " << Counted(m.Pictures.size(), "picture") << ", \"" << Cp1252ToUtf8(m.Settings.MenuTitle) << "\"";
  if (read.ReadError) out << " (DAMAGED: the player reports a read error)";
  out << "\n";
}

void PrintButtons(const MenuFile& m, std::ostream& out) {
  for (size_t i = 0; i < m.Buttons.size(); ++i) {
    const ButtonRecord& b = m.Buttons[i];
    const Json kind = NameOrNumber(ButtonKindNames(), b.ButtonKind);
    out << "  button " << i + 1 << ": " << (kind.is_string() ? kind.get<std::string>() : kind.dump())
        << " at " << b.Left << "," << b.Top;
    if (!b.Caption.empty()) out << " \"" << Cp1252ToUtf8(b.Caption) << "\"";
    out << " -> " << (b.Target.empty() ? "(no target)" : Cp1252ToUtf8(b.Target)) << "\n";
  }
}

}  // namespace

int RunList(const CommandArgs& args, std::ostream& out) {
  const InputFile input = LoadInputFile(args.Inputs[0]);
  if (input.Player) {
    const PackedPlayer& p = *input.Player;
    out << input.Path << ": packed player, container at byte " << p.ContainerStart << ", "
        << Counted(p.Entries.size(), "packed file");
    if (p.CertificateTable) out << ", signed (certificate table at byte " << *p.CertificateTable << ")";
    if (p.DirectoryError) out << " (DAMAGED: the player cannot read the list of packed files)";
    out << "\n";
    for (size_t i = 0; i < p.Entries.size(); ++i) {
      const ReadMenu read = ReadPackedMenu(input.Data, p, p.Entries[i]);
      out << "  " << p.Entries[i].Name << (i == 0 ? " (default)" : "") << ": byte "
          << p.Entries[i].Offset << ", " << read.Length << " bytes, ";
      if (read.HeaderAccepted)
        PrintMenuSummary(read, out);
      else
        out << "not a readable menu\n";
    }
    return 0;
  }
  out << input.Path << ": menu file, ";
  PrintMenuSummary(*input.Menu, out);
  PrintButtons(input.Menu->Menu, out);
  return 0;
}

}  // namespace orvane::pack
