#include "actions/tree_search.h"

#include <vector>

namespace orvane {

namespace {

bool HoldsSkippedPair(const std::string& text) {
  return text.find("\\\\") != std::string::npos || text.find("\\.") != std::string::npos;
}

// Whether folder + name holds "\\" or "\." (a network path, or a name starting with a dot),
// tested without building the joined text for every entry.
bool JoinHoldsSkippedPair(bool folderHoldsPair, const std::string& folder,
                          const std::string& name) {
  if (folderHoldsPair || HoldsSkippedPair(name)) return true;
  return !folder.empty() && folder.back() == '\\' && !name.empty() &&
         (name[0] == '\\' || name[0] == '.');
}

// entry in lower case equals lowerName, without building the lower-case copy.
bool LowerCaseEquals(const std::string& entry, const std::string& lowerName) {
  if (entry.size() != lowerName.size()) return false;
  for (size_t i = 0; i < entry.size(); ++i) {
    char c = entry[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != lowerName[i]) return false;
  }
  return true;
}

}  // namespace

std::string TreeSearch::SearchFolderTree(const std::string& name, bool showProgress,
                                         const std::string& startFolder) {
  SearchCancelled = false;
  std::vector<std::string> queue{startFolder};
  std::unique_ptr<SearchProgressWindow> window;  // destroyed on every way out

  for (size_t cursor = 0;; ++cursor) {
    if (SearchCancelled) return name;
    if (cursor >= queue.size()) return kNotFound;
    // Copied: appending to the queue below may move its elements.
    const std::string folder = queue[cursor];

    if (showProgress && cursor + 1 >= kProgressFromFolder) {
      if (!window) {
        window = progress_.Open(*this);
        pump_.PumpMessages();
      }
      if (window) window->SetFolder(folder);
    }
    pump_.PumpMessages();

    const bool folderHoldsPair = HoldsSkippedPair(folder);
    bool first = true;
    // The listing holds no "." and "..": every platform's lister leaves them out.
    for (const FolderEntry& entry : files_.ListFolder(folder)) {
      if (!entry.Attributes.Ordinary()) continue;  // the listing shows visible entries only
      const bool isFirst = first;
      first = false;
      if (!isFirst && JoinHoldsSkippedPair(folderHoldsPair, folder, entry.Name)) continue;
      if (LowerCaseEquals(entry.Name, name)) return folder + entry.Name;
      if (entry.Attributes.Directory && !entry.Attributes.Link)
        queue.push_back(folder + entry.Name + "\\");
    }
  }
}

}  // namespace orvane
