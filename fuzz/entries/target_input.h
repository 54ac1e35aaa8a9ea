#pragma once
// The byte layout of one input of the target fuzzer, shared by the fuzz target, the seed-corpus
// generator and the regression tests: two option bytes, then texts separated by NUL bytes
// (target, parameters, a sub-folder of the application folder, viewer name, viewer version, the
// product name of the program that opens the document). Missing texts are empty.
#include <cstdint>
#include <string>
#include <vector>

namespace orvane::fuzzing {

enum TargetOption : uint8_t {
  kCloseAfter = 1 << 0,
  kMinimizeAfter = 1 << 1,
  kWaitForExit = 1 << 2,     // WaitForExit -1
  kViewerCheck = 1 << 3,     // ViewerCheck 1
  kShellOutcomeShift = 4,    // two bits: success, error 2, error 31, error 5
  kTargetOnDisc = 1 << 6,    // the target's file name exists in a folder of the disc
  kHelpMenuPacked = 1 << 7,  // the container holds a help menu for the target's extension
};

struct TargetInput {
  uint8_t Options = 0;
  uint8_t Extra = 0;  // RunMaximized (as a signed byte), ViewerCompare (bit 0), drive letter
  std::string Target;
  std::string Parameters;
  std::string SubFolder;
  std::string ViewerName;
  std::string ViewerVersion;
  std::string ProductName;
};

inline TargetInput DecodeTargetInput(const uint8_t* data, size_t size) {
  TargetInput input;
  if (size > 0) input.Options = data[0];
  if (size > 1) input.Extra = data[1];
  std::string* texts[] = {&input.Target,     &input.Parameters,    &input.SubFolder,
                          &input.ViewerName, &input.ViewerVersion, &input.ProductName};
  size_t field = 0;
  for (size_t at = 2; at < size && field < 6; ++at) {
    if (data[at] == 0) {
      ++field;
      continue;
    }
    texts[field]->push_back(static_cast<char>(data[at]));
  }
  return input;
}

inline std::vector<uint8_t> EncodeTargetInput(const TargetInput& input) {
  std::vector<uint8_t> bytes{input.Options, input.Extra};
  const std::string* texts[] = {&input.Target,     &input.Parameters,    &input.SubFolder,
                                &input.ViewerName, &input.ViewerVersion, &input.ProductName};
  for (size_t i = 0; i < 6; ++i) {
    if (i > 0) bytes.push_back(0);
    bytes.insert(bytes.end(), texts[i]->begin(), texts[i]->end());
  }
  return bytes;
}

}  // namespace orvane::fuzzing
