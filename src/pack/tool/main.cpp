// orvane-pack: the authoring tool's command line.
#include <iostream>
#include <string>
#include <vector>

#include "tool/commands/commands.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  return orvane::pack::RunTool(args, std::cout, std::cerr);
}
