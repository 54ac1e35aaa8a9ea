#pragma once
// Symbolic links in a disc folder that lead out of it. A folder someone else supplied may link to
// anything on the author's machine; what such a link points at must not end up on the disc.
#include <string>
#include <vector>

namespace orvane::pack {

struct OutsideLink {
  std::string Relative;   // where the link stands in the disc folder, "/" between folders
  std::string Path;       // the link itself, absolute
  std::string Target;     // the link's own text
  bool Dangling = false;  // it leads nowhere (missing, or a loop of links)
};

// Whether path (resolved as far as it exists) lies in folder or is folder.
bool LiesInside(const std::string& path, const std::string& folder);

// Every link at any depth (none is followed) whose end lies outside discDir or does not exist.
// Links whose end lies inside are fine: the image stores what they point at.
std::vector<OutsideLink> LinksOutOf(const std::string& discDir);

std::string OutsideLinkMessage(const OutsideLink& link);

}  // namespace orvane::pack
