// check: what a careful author runs before burning a disc.
#include <ostream>

#include "tool/commands/commands.h"
#include "tool/disc/disc_check.h"

namespace orvane::pack {

int RunCheck(const CommandArgs& args, std::ostream& out) {
  return PrintReport(CheckDisc(args.Inputs[0], args.CodePage), args.Inputs[0], out);
}

}  // namespace orvane::pack
