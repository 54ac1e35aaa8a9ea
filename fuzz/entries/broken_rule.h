#pragma once
// How a fuzz target ends an input whose check found a broken rule: libFuzzer keeps the input as a
// crash when the process aborts.
#include <cstdio>
#include <cstdlib>
#include <string>

namespace orvane::fuzzing {

inline int AbortOnBrokenRule(const std::string& fault) {
  if (!fault.empty()) {
    std::fprintf(stderr, "broken rule: %s\n", fault.c_str());
    std::abort();
  }
  return 0;
}

}  // namespace orvane::fuzzing
