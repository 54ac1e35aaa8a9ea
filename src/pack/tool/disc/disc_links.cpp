#include "tool/disc/disc_links.h"

#include <algorithm>
#include <filesystem>

namespace fs = std::filesystem;

namespace orvane::pack {

bool LiesInside(const std::string& path, const std::string& folder) {
  std::error_code ec;
  const fs::path p = fs::weakly_canonical(path, ec);
  const fs::path f = fs::weakly_canonical(folder, ec);
  auto pi = p.begin();
  for (auto fi = f.begin(); fi != f.end(); ++fi, ++pi) {
    if (fi->empty()) continue;  // a trailing separator
    if (pi == p.end() || *pi != *fi) return false;
  }
  return true;
}

std::vector<OutsideLink> LinksOutOf(const std::string& discDir) {
  std::vector<OutsideLink> links;
  std::error_code ec;
  const fs::path root = fs::canonical(discDir, ec);
  if (ec) return links;
  for (fs::recursive_directory_iterator it(root, fs::directory_options::skip_permission_denied, ec),
       last;
       !ec && it != last; it.increment(ec)) {
    if (!it->is_symlink(ec)) continue;
    std::error_code broken;
    const fs::path end = fs::canonical(it->path(), broken);
    if (!broken && LiesInside(end.string(), root.string())) continue;
    OutsideLink link;
    link.Dangling = static_cast<bool>(broken);
    link.Relative = it->path().lexically_relative(root).generic_string();
    link.Path = it->path().string();
    link.Target = fs::read_symlink(it->path(), broken).string();
    links.push_back(link);
  }
  std::sort(links.begin(), links.end(),
            [](const OutsideLink& a, const OutsideLink& b) { return a.Relative < b.Relative; });
  return links;
}

std::string OutsideLinkMessage(const OutsideLink& link) {
  return "is a symbolic link to \"" + link.Target + "\", " +
         (link.Dangling ? "which leads nowhere" : "outside the disc folder") +
         "; an image would carry it only as a link, which Windows does not follow";
}

}  // namespace orvane::pack
