// Full decode of a large version-7 menu from an in-memory container (header check, settings,
// 100 button records, 301 pictures) against a bare zlib inflate of the same picture payloads
// into a preallocated buffer. The ratio of the two is printed at the end; the reader's overhead
// over zlib itself should stay within 15 %.
#include <benchmark/benchmark.h>
#include <zlib.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "../tests/unit/support/memory_file.h"
#include "../tests/unit/support/recording_dialog.h"
#include "large_menu.h"
#include "menudata/mdlfilebin.h"
#include "writer/menu_writer.h"

namespace {

using orvane::PictureValue;
using orvane::pack::Bytes;

struct Fixture {
  Bytes executable;
  std::vector<Bytes> payloads;  // the zlib streams of every picture
  size_t inflatedBytes = 0;
  size_t largestPicture = 0;

  Fixture() {
    const orvane::MenuFile menu = orvane::bench::LargeMenu();
    for (const PictureValue& p : menu.Pictures) {
      Bytes block = orvane::pack::CompressPixels(p.Image);
      payloads.emplace_back(block.begin() + 4, block.end());
      largestPicture = std::max(largestPicture, p.Image.Pixels.size() * 4);
    }
    inflatedBytes = orvane::bench::DecodedPixelBytes(menu);
    executable = orvane::bench::LargeMenuExecutable(menu);
  }
};

const Fixture& TheFixture() {
  static const Fixture fixture;
  return fixture;
}

void BM_FullMenuDecode(benchmark::State& state) {
  const Fixture& f = TheFixture();
  orvane::testing::MemoryFileOpener files;
  files.AddFile("/disc/orvane.exe", f.executable);
  orvane::testing::RecordingMessageDialog dialog;
  orvane::MenuDataReader unit(files, dialog);
  unit.ApplicationFolder = "/disc/";
  unit.ReadPackageDirectory("orvane.exe");
  for (auto _ : state) {
    orvane::MenuFile menu;
    unit.ReadErrorFlag = false;
    unit.OpenMenuStream("orvane.exe", "/disc/");
    std::string name = "bench.mnu";
    unit.SeekPackage(name);
    orvane::MenuHeader header;
    unit.CheckMenuHeader(header);
    orvane::ReadMenuBody(unit, header, menu);
    unit.CloseMenuStream();
    if (unit.ReadErrorFlag || menu.Pictures.size() != f.payloads.size()) {
      state.SkipWithError("the menu did not decode");
      break;
    }
    benchmark::DoNotOptimize(menu.Pictures.back().Image.Pixels.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * f.inflatedBytes));
}

void BM_BareInflate(benchmark::State& state) {
  const Fixture& f = TheFixture();
  std::vector<uint8_t> out(f.largestPicture);
  z_stream stream{};
  inflateInit(&stream);
  for (auto _ : state) {
    for (const Bytes& payload : f.payloads) {
      inflateReset(&stream);
      stream.next_in = const_cast<Bytef*>(payload.data());
      stream.avail_in = static_cast<uInt>(payload.size());
      stream.next_out = out.data();
      stream.avail_out = static_cast<uInt>(out.size());
      if (inflate(&stream, Z_FINISH) != Z_STREAM_END) state.SkipWithError("inflate failed");
    }
    benchmark::DoNotOptimize(out.data());
  }
  inflateEnd(&stream);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * f.inflatedBytes));
}

BENCHMARK(BM_FullMenuDecode)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_BareInflate)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// Keeps each benchmark's times per iteration so that main can print the ratio. CPU time is the
// figure to trust on a shared machine; wall time is printed beside it.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  struct Times {
    double real = 0, cpu = 0;
  };
  RatioReporter() : ConsoleReporter(OO_Tabular) {}
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.run_type != Run::RT_Iteration) continue;
      const std::string name = run.benchmark_name();
      times[name.substr(0, name.find('/'))] = {run.GetAdjustedRealTime(), run.GetAdjustedCPUTime()};
    }
    ConsoleReporter::ReportRuns(runs);
  }
  std::map<std::string, Times> times;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  const auto full = reporter.times.find("BM_FullMenuDecode");
  const auto bare = reporter.times.find("BM_BareInflate");
  if (full == reporter.times.end() || bare == reporter.times.end() || bare->second.cpu <= 0 ||
      bare->second.real <= 0) {
    std::printf("ratio: not measured (run both benchmarks)\n");
    return 0;
  }
  std::printf("full menu decode / bare inflate: %.3f by CPU time, %.3f by wall time (target 1.15 or less)\n",
              full->second.cpu / bare->second.cpu, full->second.real / bare->second.real);
  return 0;
}
