// The player's start-up reads of its own file, natively: the container directory, then the first
// packed menu, through the same readers and the POSIX file (one read() per platform read). For
// scripts/startup-reads.sh on a machine whose Wine cannot run the 32-bit player; it traces this
// program instead.
//
//   build/<tree>/bench/startup_reads <folder ending in /> <executable name>
#include <cstdio>
#include <string>

#include "menudata/mdlfilebin.h"
#include "posix_file.h"

namespace {

struct SilentDialog : orvane::MessageDialog {
  orvane::TModalResult Show(const std::string& text, orvane::MessageKind, orvane::MessageButtons,
                            int32_t, int32_t, const std::string&) override {
    std::fprintf(stderr, "message: %s\n", text.c_str());
    return 1;
  }
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: startup_reads <folder/> <executable name>\n");
    return 2;
  }
  orvane::PosixFileOpener files;
  SilentDialog dialog;
  orvane::MenuDataReader unit(files, dialog);
  unit.ApplicationFolder = argv[1];
  unit.ReadPackageDirectory(argv[2]);
  if (unit.ReadErrorFlag) return 1;
  // As the player's start without a menu name: the first packed file.
  std::string name = unit.PackageDirectory.Names[0];
  unit.OpenMenuStream(argv[2], argv[1]);
  unit.SeekPackage(name);
  orvane::MenuFile menu;
  if (!unit.ReadErrorFlag && unit.CheckMenuHeader(menu.Header))
    orvane::ReadMenuBody(unit, menu.Header, menu);
  unit.CloseMenuStream();
  if (unit.ReadErrorFlag) return 1;
  std::printf("loaded %s: %zu buttons, %zu pictures\n", name.c_str(), menu.Buttons.size(),
              menu.Pictures.size());
  return 0;
}
