// Peak memory of loading the large benchmark menu, against the bytes of its decoded pixels. The
// menu is written to a file first; a fresh process of this program then notes its peak resident
// size, reads the file through the container and menu readers into the menu's picture table
// (where the window keeps every picture), and notes the peak again. Their difference is what the
// load cost; the pixels alone are the least it can cost.
//
//   build/<tree>/bench/menu_peak_memory           # prints the ratio (target 1.5 or less)
//   build/<tree>/bench/menu_peak_memory --load <folder>   # the measuring process
#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

#include "app/image_table.h"
#include "large_menu.h"
#include "menudata/mdlfilebin.h"
#include "posix_file.h"

namespace {

constexpr char kExeName[] = "orvane.exe";

struct SilentDialog : orvane::MessageDialog {
  orvane::TModalResult Show(const std::string& text, orvane::MessageKind, orvane::MessageButtons,
                            int32_t, int32_t, const std::string&) override {
    std::fprintf(stderr, "message: %s\n", text.c_str());
    return 1;
  }
};

long PeakResidentKiB() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;  // KiB on Linux
}

// The measuring process: prints "<baseline KiB> <peak KiB> <decoded pixel bytes>".
int LoadAndReport(const std::string& folder) {
  orvane::PosixFileOpener files;
  SilentDialog dialog;
  orvane::MenuDataReader unit(files, dialog);
  unit.ApplicationFolder = folder;
  orvane::ImageTable table;
  const long baseline = PeakResidentKiB();

  unit.ReadPackageDirectory(kExeName);
  unit.OpenMenuStream(kExeName, folder);
  std::string name = orvane::bench::kLargeMenuName;
  unit.SeekPackage(name);
  orvane::MenuFile menu;
  if (!unit.ReadErrorFlag && unit.CheckMenuHeader(menu.Header))
    orvane::ReadMenuBody(unit, menu.Header, menu);
  unit.CloseMenuStream();
  if (unit.ReadErrorFlag) {
    std::fprintf(stderr, "the large menu did not load\n");
    return 1;
  }
  const size_t decoded = orvane::bench::DecodedPixelBytes(menu);
  // As the loader does: each picture moves into its slot of the window's table.
  for (orvane::PictureValue& value : menu.Pictures)
    table.StoreImage(value.Slot.Button, value.Slot.State, std::move(value.Image), value.Slot.Frame);
  menu.Pictures.clear();

  const long peak = PeakResidentKiB();
  std::printf("%ld %ld %zu %zu\n", baseline, peak, decoded, table.Count());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "--load") == 0) return LoadAndReport(argv[2]);

  char pattern[] = "/tmp/orvane_peak_XXXXXX";
  if (!::mkdtemp(pattern)) {
    std::perror("mkdtemp");
    return 1;
  }
  const std::string folder = std::string(pattern) + "/";
  {
    const orvane::pack::Bytes exe =
        orvane::bench::LargeMenuExecutable(orvane::bench::LargeMenu());
    std::ofstream out(folder + kExeName, std::ios::binary);
    out.write(reinterpret_cast<const char*>(exe.data()), static_cast<std::streamsize>(exe.size()));
  }

  const std::string command = "'" + std::string(argv[0]) + "' --load '" + folder + "'";
  std::FILE* child = ::popen(command.c_str(), "r");
  long baseline = 0, peak = 0;
  size_t decoded = 0, pictures = 0;
  const bool read = child && std::fscanf(child, "%ld %ld %zu %zu", &baseline, &peak, &decoded,
                                         &pictures) == 4;
  const int status = child ? ::pclose(child) : -1;
  std::remove((folder + kExeName).c_str());
  ::rmdir(pattern);
  if (!read || status != 0 || decoded == 0) {
    std::fprintf(stderr, "the measuring process failed\n");
    return 1;
  }

  const double loadMiB = (peak - baseline) / 1024.0;
  const double pixelMiB = decoded / (1024.0 * 1024.0);
  std::printf("large menu: %zu pictures, decoded pixels %.2f MiB\n", pictures, pixelMiB);
  std::printf("peak resident size: %.2f MiB before loading, %.2f MiB after, %.2f MiB for the load\n",
              baseline / 1024.0, peak / 1024.0, loadMiB);
  std::printf("ratio load/pixels: %.3f (target 1.5 or less)\n", loadMiB / pixelMiB);
  return 0;
}
