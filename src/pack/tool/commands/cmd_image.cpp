// image: the disc folder checked, then written as an ISO image ready to burn.
#include <ostream>

#include "tool/commands/commands.h"
#include "tool/disc/disc_image.h"
#include "tool/disc/disc_check.h"

namespace orvane::pack {

int RunImage(const CommandArgs& args, std::ostream& out) {
  const std::string& disc = args.Inputs[0];
  // Notes (pictures the player never shows) are printed but do not stop the image.
  if (PrintReport(CheckDisc(disc), disc, out) != 0) {
    if (!args.Force) {
      out << "no image written (fix the disc, or write it anyway with --force)\n";
      return 1;
    }
    out << "writing the image anyway (--force)\n";
  }
  ImageRequest request;
  request.DiscDir = disc;
  request.Output = args.Output;
  request.Label = args.Label;
  WriteDiscImage(request, out);
  return 0;
}

}  // namespace orvane::pack
