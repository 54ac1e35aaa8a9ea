// check: what a careful author runs before burning a disc.
#include <ostream>

#include "tool/commands.h"
#include "tool/disc_check.h"

namespace orvane::pack {

int RunCheck(const CommandArgs& args, std::ostream& out) {
  const std::vector<Finding> findings = CheckDisc(args.Inputs[0]);
  for (const Finding& f : findings) out << FormatFinding(f) << "\n";
  if (findings.empty()) {
    out << args.Inputs[0] << ": no problems found\n";
    return 0;
  }
  out << findings.size() << (findings.size() == 1 ? " problem" : " problems") << " found\n";
  return 1;
}

}  // namespace orvane::pack
