// The drive-wide tree search over a generated tree of 20,420 folders and 102,100 files, against
// `find` over the same tree in the same run. Prints both times (median of several rounds) and
// their ratio; the search should stay within 1.5 times the time of `find`.
//
//   build/<tree>/bench/tree_search_bench [rounds]
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "actions/tree_search.h"
#include "posix_file_system.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kTopFolders = 20;
constexpr int kMiddleFolders = 20;
constexpr int kLeafFolders = 50;
constexpr int kFilesPerLeaf = 5;
constexpr int kFilesPerFolderAbove = 5;

struct NoPump : orvane::MessagePump {
  void PumpMessages() override {}
};

// Stands in for the progress window: takes each folder like the label would.
struct LabelOnly : orvane::SearchProgressFactory {
  struct Window : orvane::SearchProgressWindow {
    std::string label;
    void SetFolder(const std::string& folder) override { label = folder; }
  };
  std::unique_ptr<orvane::SearchProgressWindow> Open(orvane::TreeSearch&) override {
    return std::make_unique<Window>();
  }
};

void MakeFolder(const std::string& path) {
  if (::mkdir(path.c_str(), 0755) != 0) {
    std::perror(path.c_str());
    std::exit(1);
  }
}

void MakeFiles(const std::string& folder, int count) {
  for (int i = 0; i < count; ++i) {
    std::FILE* file = std::fopen((folder + "/Document " + std::to_string(i) + ".pdf").c_str(), "w");
    if (!file) {
      std::perror(folder.c_str());
      std::exit(1);
    }
    std::fclose(file);
  }
}

// Returns the number of folders made.
int GenerateTree(const std::string& root) {
  int folders = 0;
  for (int a = 0; a < kTopFolders; ++a) {
    const std::string top = root + "/Volume " + std::to_string(a);
    MakeFolder(top);
    MakeFiles(top, kFilesPerFolderAbove);
    ++folders;
    for (int b = 0; b < kMiddleFolders; ++b) {
      const std::string middle = top + "/Chapter " + std::to_string(b);
      MakeFolder(middle);
      MakeFiles(middle, kFilesPerFolderAbove);
      ++folders;
      for (int c = 0; c < kLeafFolders; ++c) {
        const std::string leaf = middle + "/Section " + std::to_string(c);
        MakeFolder(leaf);
        MakeFiles(leaf, kFilesPerLeaf);
        ++folders;
      }
    }
  }
  return folders;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

double Milliseconds(Clock::duration d) {
  return std::chrono::duration<double, std::milli>(d).count();
}

}  // namespace

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
  char pattern[] = "/tmp/orvane_bench_XXXXXX";
  if (!::mkdtemp(pattern)) {
    std::perror("mkdtemp");
    return 1;
  }
  const std::string root = pattern;
  const int folders = GenerateTree(root);
  const int files = kTopFolders * kFilesPerFolderAbove +
                    kTopFolders * kMiddleFolders * kFilesPerFolderAbove +
                    kTopFolders * kMiddleFolders * kLeafFolders * kFilesPerLeaf;
  std::printf("tree: %d folders, %d files in %s\n", folders, files, root.c_str());

  orvane::PosixFileSystem fileSystem;
  fileSystem.MapDrive('E', root);
  NoPump pump;
  LabelOnly progress;
  orvane::TreeSearch search(fileSystem, pump, progress);
  const std::string findCommand = "find '" + root + "' > /dev/null";

  // One untimed pass of each so that both meet a warm cache.
  if (std::system(findCommand.c_str()) != 0) return 1;
  search.SearchFolderTree("missing.pdf", true, "E:\\");

  std::vector<double> searchTimes;
  std::vector<double> findTimes;
  for (int round = 0; round < rounds; ++round) {
    Clock::time_point start = Clock::now();
    const std::string result = search.SearchFolderTree("missing.pdf", true, "E:\\");
    searchTimes.push_back(Milliseconds(Clock::now() - start));
    if (result != orvane::kNotFound) {
      std::fprintf(stderr, "unexpected result %s\n", result.c_str());
      return 1;
    }
    start = Clock::now();
    if (std::system(findCommand.c_str()) != 0) return 1;
    findTimes.push_back(Milliseconds(Clock::now() - start));
  }

  const double searchMs = Median(searchTimes);
  const double findMs = Median(findTimes);
  std::printf("SearchFolderTree (whole drive, not found): %.1f ms (median of %d)\n", searchMs,
              rounds);
  std::printf("find over the same tree:                   %.1f ms (median of %d)\n", findMs,
              rounds);
  std::printf("ratio search/find: %.2f (target 1.5 or less)\n", searchMs / findMs);

  std::system(("rm -rf '" + root + "'").c_str());
  return 0;
}
