// libFuzzer target; the check is in entries/targets_entry.h, shared with the regression tests.
#include "entries/broken_rule.h"
#include "entries/targets_entry.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  return orvane::fuzzing::AbortOnBrokenRule(orvane::fuzzing::CheckTargets(data, size));
}
