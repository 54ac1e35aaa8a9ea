// Writes the seed corpora of the fuzz targets into one folder per target, made by the menu
// writer so that every seed is a valid input: menus of both layouts with small pictures (raw and
// compressed), containers, shape texts, "err.txt" files and button actions.
//
//   make_seed_corpus <folder>
#include <cstdio>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <vector>

#include "entries/target_input.h"
#include "writer/menu_writer.h"

namespace {

using orvane::PictureAt;
using orvane::pack::Bytes;

void MakeFolder(const std::string& path) { ::mkdir(path.c_str(), 0755); }

bool WriteSeed(const std::string& folder, int number, const void* data, size_t size) {
  const std::string path = folder + "/seed_" + std::to_string(number);
  std::ofstream out(path, std::ios::binary);
  out.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
  return static_cast<bool>(out);
}

orvane::Picture Pattern(int32_t width, int32_t height, uint32_t seed) {
  orvane::Picture p;
  p.Width = width;
  p.Height = height;
  for (int32_t i = 0; i < width * height; ++i) p.Pixels.push_back(seed * 0x010203u + i * 0x0F0Fu);
  return p;
}

// A menu with an image, a push and a label button, every picture state and two animation frames.
orvane::MenuFile SampleMenu(uint8_t version, bool shaped) {
  orvane::MenuFile menu;
  menu.Header.Version = version;
  orvane::MenuSettings& s = menu.Settings;
  s.MenuTitle = "Seed";
  s.DefaultDescription = "Welcome";
  s.DescriptionFont = {"Arial", 10, -1, 0, -1};
  s.DescriptionColour = {255, 128, 0};
  s.DescriptionLeft = 1;
  s.DescriptionWidth = 6;
  s.DescriptionHeight = 2;
  s.DescriptionAlignment = 2;
  s.TimeShown = 1;
  s.DateShown = -1;
  s.InitialButton = 1;
  s.TransparentColour = shaped ? 13 : 0;
  s.AnimInterval = 100;
  s.ScrollTitle = 1;
  s.ShapeText = shaped ? "00080006Y000100000002Y0006000600080000000100070008" : "NULL";
  s.TimeFont = {"Tahoma", 8, 0, -1, 0};
  s.DateFont = {"Tahoma", 8, 0, 0, 0};
  s.ShadowOffset = 1;
  s.LaterLayoutTexts = {"a", "", "c", ""};
  for (int32_t kind = 0; kind < 3; ++kind) {
    orvane::ButtonRecord b;
    b.Target = kind == 0 ? "docs\\a.pdf" : kind == 1 ? "other.mnu" : "";
    b.Parameters = kind == 0 ? "%CD%" : "";
    b.Description = "Button " + std::to_string(kind + 1);
    b.Left = kind * 2;
    b.Top = 1;
    b.AnimMode = kind + 2;
    b.ShortcutKey = std::to_string(kind + 1);
    b.ButtonKind = kind;
    b.Caption = "&Item";
    b.Width = 3;
    b.Height = 2;
    b.FontName = "Verdana";
    b.FontSize = 9;
    b.FontColour = 0x00FF00;
    b.Alignment = kind;
    b.Italic = -1;
    b.ViewerCheck = kind == 0 ? 1 : 0;
    b.ViewerName = "Reader";
    b.ViewerVersion = "5.1";
    b.ViewerCompare = 1;
    menu.Buttons.push_back(b);
  }
  menu.Pictures.push_back(PictureAt(0, 0, 0, Pattern(8, 6, 1)));
  for (uint8_t state = 0; state < 4; ++state)
    menu.Pictures.push_back(PictureAt(1, state, 0, Pattern(2, 2, state + 2)));
  menu.Pictures.push_back(PictureAt(1, 1, 1, Pattern(2, 2, 7)));
  menu.Pictures.push_back(PictureAt(1, 1, 2, Pattern(2, 2, 8)));
  menu.Pictures.push_back(PictureAt(1, 3, 1, Pattern(1, 1, 9)));
  orvane::pack::UpdateCounts(menu);
  return menu;
}

std::vector<Bytes> SampleMenus() {
  orvane::MenuFile empty;
  empty.Header.Version = 7;
  orvane::pack::UpdateCounts(empty);
  return {orvane::pack::WriteMenuFile(SampleMenu(6, false)),
          orvane::pack::WriteMenuFile(SampleMenu(7, true)),
          orvane::pack::WriteMenuFile(SampleMenu(8, false)),
          orvane::pack::WriteMenuFile(SampleMenu(6, true)),
          orvane::pack::WriteMenuFile(empty)};
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_seed_corpus <folder>\n");
    return 2;
  }
  const std::string root = argv[1];
  MakeFolder(root);
  for (const char* target : {"container", "menu_load", "shape_text", "error_flags", "targets"})
    MakeFolder(root + "/" + target);
  bool ok = true;
  int n = 0;

  const std::vector<Bytes> menus = SampleMenus();
  for (const Bytes& menu : menus) ok &= WriteSeed(root + "/menu_load", n++, menu.data(), menu.size());

  const Bytes exe{'M', 'Z', 0x90, 0, 3, 0, 0, 0};
  orvane::pack::ContainerOptions options;
  options.Text = "Orvane disc";
  options.Byte = 1;
  const std::vector<std::vector<orvane::pack::PackedFile>> containers = {
      {{"Main.mnu", menus[1]}, {"other.mnu", menus[0]}},
      {{"  Spaced.MNU", menus[2]}, {"spaced.mnu", menus[4]}},
      {}};
  for (const auto& files : containers) {
    const Bytes packed = orvane::pack::AppendContainer(exe, files, options);
    ok &= WriteSeed(root + "/container", n++, packed.data(), packed.size());
  }
  // A signed player: PE32 headers whose security entry describes a certificate table after the
  // trailer, so that the fuzzer starts from the headers that rule reads.
  {
    Bytes headers(88 + 224, 0);
    const auto put = [](Bytes& b, size_t at, uint32_t value, int count) {
      for (int i = 0; i < count; ++i) b[at + i] = static_cast<uint8_t>(value >> (8 * i));
    };
    headers[0] = 'M', headers[1] = 'Z', headers[64] = 'P', headers[65] = 'E';
    put(headers, 0x3C, 64, 4);
    put(headers, 64 + 20, 224, 2);  // size of the optional header
    put(headers, 88, 0x10B, 2);     // PE32
    put(headers, 88 + 92, 16, 4);   // data directory entries
    Bytes packed = orvane::pack::AppendContainer(headers, containers[0], options);
    put(packed, 88 + 96 + 32, static_cast<uint32_t>(packed.size()), 4);
    put(packed, 88 + 96 + 36, 16, 4);
    packed.insert(packed.end(), 16, 0x30);
    ok &= WriteSeed(root + "/container", n++, packed.data(), packed.size());
  }

  for (const std::string shape :
       {"NULL", "01000050Y00010000000400960100", "00080006Y000100000002Y0006000600080000000100070008",
        "00030003000000010001000200020003", "0004000400000004Y0004"})
    ok &= WriteSeed(root + "/shape_text", n++, shape.data(), shape.size());

  for (const std::string flags : {"True\r\nFalse\r\n1\r\n", "0\n0\n0", "false\nTRUE\n-1.5e3\n",
                                  " 12 \n\t0.0\nx", "\n"})
    ok &= WriteSeed(root + "/error_flags", n++, flags.data(), flags.size());

  using orvane::fuzzing::TargetInput;
  const std::vector<TargetInput> actions = {
      {0, 0x28, "%NOPROC%%CD%:\\setup.exe", "", "", "", "", ""},
      {orvane::fuzzing::kCloseAfter, 0x08, "*", "", "", "", "", ""},
      {orvane::fuzzing::kCloseAfter, 0x08, "$First\xB6Second", "", "", "", "", ""},
      {0, 0x08, "Intro.MNU", "", "", "", "", ""},
      {0, 0x08, "%intro.mnu", "", "", "", "", ""},
      {orvane::fuzzing::kCloseAfter, 0x08, "", "", "", "", "", ""},
      {orvane::fuzzing::kWaitForExit, 0x09, "%docs/manual.pdf", "-x %CD%", "sub", "", "", ""},
      {orvane::fuzzing::kTargetOnDisc | (1 << orvane::fuzzing::kShellOutcomeShift), 0x18,
       "\\missing\\report.doc", "file name", "", "", "", ""},
      {orvane::fuzzing::kViewerCheck | orvane::fuzzing::kHelpMenuPacked, 0x09, "docs\\a.pdf", "",
       "", "Adobe Reader", "5.0", "Adobe Reader"},
      {2 << orvane::fuzzing::kShellOutcomeShift | orvane::fuzzing::kHelpMenuPacked, 0x08,
       "%readme.xyz", "", "", "", "", ""},
      {0, 0x08, "www.example.com", "ignored", "", "", "", ""},
      {0, 0x08, "mailto:someone@example.com", "", "", "", "", ""},
      {0, 0x07, "ftp://files/", "", "", "", "", ""},
      {0, 0x08, "docs\\", "", "", "", "", ""},
      {orvane::fuzzing::kMinimizeAfter, 0x08, "data\\chart.pdx", "/q", "", "", "", ""},
  };
  for (const TargetInput& action : actions) {
    const std::vector<uint8_t> bytes = orvane::fuzzing::EncodeTargetInput(action);
    ok &= WriteSeed(root + "/targets", n++, bytes.data(), bytes.size());
  }

  if (!ok) {
    std::fprintf(stderr, "make_seed_corpus: could not write into %s\n", root.c_str());
    return 1;
  }
  std::printf("%d seeds written to %s\n", n, root.c_str());
  return 0;
}
