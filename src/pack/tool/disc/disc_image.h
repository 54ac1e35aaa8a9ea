#pragma once
// A burnable image of a disc folder: ISO 9660 with Joliet names (long names and letter case for
// Windows), written by xorriso, with an autorun.inf at its root that starts the player.
#include <iosfwd>
#include <string>

namespace orvane::pack {

// The volume label as ISO 9660 allows it (A to Z, 0 to 9 and "_", at most 32), and what was
// changed to get there; Note is empty when the wanted label fitted as it was.
struct VolumeLabel {
  std::string Text;
  std::string Note;
};
VolumeLabel FitVolumeLabel(const std::string& wanted);
// The label in the Joliet volume descriptor, which Windows shows: the wanted label (UTF-8) in up
// to 16 UCS-2 characters, characters Joliet refuses (controls, * / : ; ? \ and those beyond
// U+FFFF) as "_"; Note says what changed.
struct JolietLabel {
  std::u16string Text;
  std::string Note;
};
JolietLabel FitJolietLabel(const std::string& wanted);
// Writes the label into the Joliet volume descriptor of an image that xorriso wrote, which takes
// one volume id for both trees; false when the image has no Joliet descriptor.
bool SetJolietLabel(const std::string& image, const std::u16string& label);

// The autorun.inf that starts the player and names the drive (CR LF lines, as Windows writes it).
std::string AutorunText(const std::string& player, const std::string& icon,
                        const std::string& label);

struct ImageRequest {
  std::string DiscDir;
  std::string Output;
  std::string Label;                // as the author wrote it (UTF-8); the folder's name when empty
  std::string Xorriso = "xorriso";  // the program that writes the image
};

// Writes the image (through a temporary file: an interrupted run leaves no half image) and says
// what it did on out. The folder itself is never changed. Throws ToolError.
void WriteDiscImage(const ImageRequest& request, std::ostream& out);

}  // namespace orvane::pack
