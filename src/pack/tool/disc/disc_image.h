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

// The autorun.inf that starts the player and names the drive (CR LF lines, as Windows writes it).
std::string AutorunText(const std::string& player, const std::string& icon, const std::string& label);

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
