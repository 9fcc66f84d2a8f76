// How the format code compares with copying the same bytes plainly:
// - extracting the last entry of an archive of hundreds of entries, against a 64 KiB
//   read/write loop and against std::filesystem::copy_file over a file of the entry's bytes,
//   with the heap that an extraction takes at its peak for two entry sizes;
// - loading, editing and saving a map of about 16,000 sprites, against reading its bytes and
//   writing them out again.
// The ratios are printed after the benchmarks' table.

#include <benchmark/benchmark.h>
#include <malloc.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <new>
#include <set>
#include <string>
#include <vector>

#include "gamedata/groupfile.h"
#include "gamedata/mapfile.h"
#include "gamedata/sprites.h"
#include "support/gamedata_builders.h"

// --- Heap accounting: every operator new of the program, live bytes and their peak. ---
namespace {
std::atomic<long long> gLive{0};
std::atomic<long long> gPeak{0};

void* Allocate(std::size_t size) {
  void* p = std::malloc(size == 0 ? 1 : size);
  if (p == nullptr) throw std::bad_alloc();
  const long long live = gLive += static_cast<long long>(malloc_usable_size(p));
  for (long long peak = gPeak; live > peak && !gPeak.compare_exchange_weak(peak, live);) {
  }
  return p;
}

void Release(void* p) {
  if (p == nullptr) return;
  gLive -= static_cast<long long>(malloc_usable_size(p));
  std::free(p);
}
}  // namespace

void* operator new(std::size_t size) {
  return Allocate(size);
}
void* operator new[](std::size_t size) {
  return Allocate(size);
}
void operator delete(void* p) noexcept {
  Release(p);
}
void operator delete[](void* p) noexcept {
  Release(p);
}
void operator delete(void* p, std::size_t) noexcept {
  Release(p);
}
void operator delete[](void* p, std::size_t) noexcept {
  Release(p);
}

namespace {

using namespace zk;
using namespace zk::test;

constexpr int kOtherEntries = 300;
constexpr std::size_t kOtherEntrySize = 16 * 1024;
constexpr char kBlockBytes = 'z';

// Files live in a folder of this run, in memory when /dev/shm is there, so that the disk does
// not decide the figures.
const std::filesystem::path& Folder() {
  static const std::filesystem::path folder = [] {
    std::error_code error;
    const std::filesystem::path base = std::filesystem::is_directory("/dev/shm", error)
                                           ? std::filesystem::path("/dev/shm")
                                           : std::filesystem::temp_directory_path();
    const std::filesystem::path dir = base / ("zk-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    return dir;
  }();
  return folder;
}

std::string PathOf(const std::string& name) {
  return (Folder() / name).string();
}

std::string EntryBytes(std::size_t size) {
  std::string bytes(size, kBlockBytes);
  for (std::size_t i = 0; i < size; i += 4096) bytes[i] = static_cast<char>(i >> 12);
  return bytes;
}

// The archive and a plain file of the last entry's bytes, made once per entry size.
const std::string& ArchiveWithLastEntry(std::size_t lastSize) {
  static std::map<std::size_t, std::string> made;
  auto it = made.find(lastSize);
  if (it != made.end()) return it->second;
  GrpBuilder builder;
  for (int i = 0; i < kOtherEntries; ++i) {
    builder.Add("LEVEL" + std::to_string(i) + ".MAP", std::string(kOtherEntrySize, 'a' + i % 26));
  }
  const std::string last = EntryBytes(lastSize);
  builder.Add("LAST.BIN", last);
  const std::string path = PathOf("archive-" + std::to_string(lastSize) + ".grp");
  WriteBytes(path, builder.Bytes());
  WriteBytes(PathOf("plain-" + std::to_string(lastSize) + ".bin"), last);
  return made.emplace(lastSize, path).first->second;
}

void BM_ExtractLastEntry(benchmark::State& state) {
  const auto size = static_cast<std::size_t>(state.range(0));
  const std::string archive = ArchiveWithLastEntry(size);
  const std::string out = PathOf("extracted.bin");
  long long peak = 0;
  for (auto _ : state) {
    const long long base = gLive;
    gPeak = base;
    if (!ExtractFromGroupFile(archive, "last.bin", out)) state.SkipWithError("extraction failed");
    peak = std::max(peak, gPeak - base);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * size));
  state.counters["heap_peak_bytes"] = static_cast<double>(peak);
}

// The plain copy: a 64 KiB buffer between two streams, the target truncated.
void BM_PlainCopyLoop(benchmark::State& state) {
  const auto size = static_cast<std::size_t>(state.range(0));
  ArchiveWithLastEntry(size);
  const std::string from = PathOf("plain-" + std::to_string(size) + ".bin");
  const std::string to = PathOf("copied.bin");
  const auto buffer = std::make_unique<char[]>(65536);
  for (auto _ : state) {
    std::ifstream in(from, std::ios::binary);
    std::ofstream out(to, std::ios::binary | std::ios::trunc);
    while (in.read(buffer.get(), 65536) || in.gcount() > 0) out.write(buffer.get(), in.gcount());
    if (!out) state.SkipWithError("copy failed");
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * size));
}

void BM_PlainCopyFile(benchmark::State& state) {
  const auto size = static_cast<std::size_t>(state.range(0));
  ArchiveWithLastEntry(size);
  const std::string from = PathOf("plain-" + std::to_string(size) + ".bin");
  const std::string to = PathOf("copied.bin");
  for (auto _ : state) {
    std::filesystem::copy_file(from, to, std::filesystem::copy_options::overwrite_existing);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * size));
}

constexpr int kMapSprites = 16000;

const std::string& LargeMap() {
  static const std::string path = [] {
    MapBuilder builder;
    for (int i = 0; i < 200; ++i) builder.Room(i * 2048, 0, i * 2048 + 1024, 1024);
    for (int i = 0; i < kMapSprites; ++i) {
      const int kind = i % 10;
      if (kind == 0) {
        builder.AddSprite(PlayerStart(i, i, 512, i % 20 == 0 ? 1 : 0));
      } else if (kind == 1) {
        builder.AddSprite(Monster(static_cast<std::int16_t>(MonsterTiles[i % kMonsterTileCount])));
      } else if (kind == 2) {
        builder.AddSprite(Spawner(static_cast<std::int16_t>(MonsterTiles[i % kMonsterTileCount])));
      } else {
        builder.AddSprite(Tile(static_cast<std::int16_t>(100 + kind), i, -i));
      }
    }
    const std::string p = PathOf("large.map");
    WriteBytes(p, builder.Bytes());
    return p;
  }();
  return path;
}

void BM_MapLoadEditSave(benchmark::State& state) {
  const std::string in = LargeMap();
  const std::string out = PathOf("edited.map");
  for (auto _ : state) {
    TMap map;
    if (map.LoadFromFile(in, 0) != 0) state.SkipWithError("load failed");
    AddBotSprites(map, 7);
    RemoveMonsters(map);
    if (map.SaveToFile(out) != 0) state.SkipWithError("save failed");
  }
  state.SetBytesProcessed(
      static_cast<std::int64_t>(state.iterations() * std::filesystem::file_size(in)));
}

void BM_MapPlainReadWrite(benchmark::State& state) {
  const std::string in = LargeMap();
  const std::string out = PathOf("rewritten.map");
  const auto size = static_cast<std::streamsize>(std::filesystem::file_size(in));
  for (auto _ : state) {
    // One read and one write of the whole file: the least that any rewrite must do.
    std::string bytes(static_cast<std::size_t>(size), '\0');
    std::ifstream input(in, std::ios::binary);
    input.read(bytes.data(), size);
    std::ofstream output(out, std::ios::binary | std::ios::trunc);
    output.write(bytes.data(), size);
    if (!input || !output) state.SkipWithError("read or write failed");
  }
  state.SetBytesProcessed(
      static_cast<std::int64_t>(state.iterations() * std::filesystem::file_size(in)));
}

constexpr std::int64_t kSmallEntry = 1 << 20;
constexpr std::int64_t kLargeEntry = 8 << 20;

// Repeated and compared by their medians, so that a busy machine sways the ratios less.
constexpr int kRepetitions = 9;
BENCHMARK(BM_ExtractLastEntry)->Arg(kSmallEntry)->Arg(kLargeEntry)->Repetitions(kRepetitions);
BENCHMARK(BM_PlainCopyLoop)->Arg(kSmallEntry)->Arg(kLargeEntry)->Repetitions(kRepetitions);
BENCHMARK(BM_PlainCopyFile)->Arg(kSmallEntry)->Arg(kLargeEntry)->Repetitions(kRepetitions);
BENCHMARK(BM_MapLoadEditSave)->Repetitions(kRepetitions);
BENCHMARK(BM_MapPlainReadWrite)->Repetitions(kRepetitions);

// Keeps each benchmark's median CPU time per iteration (steadier than wall time on a busy
// machine; on files in memory the copy is all CPU work) and its heap peak for the ratios.
class TRatioReporter : public benchmark::ConsoleReporter {
 public:
  TRatioReporter() : ConsoleReporter(::isatty(1) ? OO_Defaults : OO_Tabular) {}
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      std::string name = run.run_name.str();
      name = name.substr(0, name.find("/repeats:"));
      if (run.run_type == Run::RT_Aggregate && run.aggregate_name != "median") continue;
      if (run.run_type == Run::RT_Iteration && medians.count(name) > 0) continue;
      if (run.run_type == Run::RT_Aggregate) medians.insert(name);
      times[name] = run.GetAdjustedCPUTime();
      auto heap = run.counters.find("heap_peak_bytes");
      if (heap != run.counters.end()) heaps[name] = std::max(heaps[name], heap->second.value);
    }
    ConsoleReporter::ReportRuns(runs);
  }
  std::map<std::string, double> times;
  std::map<std::string, double> heaps;
  std::set<std::string> medians;
};

void PrintRatio(const TRatioReporter& r, const std::string& what, const std::string& a,
                const std::string& b) {
  const auto ia = r.times.find(a), ib = r.times.find(b);
  if (ia == r.times.end() || ib == r.times.end() || ib->second <= 0) return;
  std::printf("%-52s %.2fx\n", what.c_str(), ia->second / ib->second);
}

}  // namespace

int main(int argc, char** argv) {
  // Repetitions run interleaved in random order, so that a burst of other work on the machine
  // falls on all the benchmarks alike rather than on one of a pair.
  std::vector<char*> args(argv, argv + argc);
  char interleave[] = "--benchmark_enable_random_interleaving=true";
  args.insert(args.begin() + 1, interleave);
  argc = static_cast<int>(args.size());
  argv = args.data();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  TRatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();

  std::printf("\nratios (time of the first over the second):\n");
  for (const std::int64_t size : {kSmallEntry, kLargeEntry}) {
    const std::string arg = "/" + std::to_string(size);
    const std::string mib = std::to_string(size >> 20) + " MiB";
    PrintRatio(reporter, "extract last entry / 64 KiB copy loop, " + mib,
               "BM_ExtractLastEntry" + arg, "BM_PlainCopyLoop" + arg);
    PrintRatio(reporter, "extract last entry / filesystem::copy_file, " + mib,
               "BM_ExtractLastEntry" + arg, "BM_PlainCopyFile" + arg);
  }
  PrintRatio(reporter, "map load+edit+save / plain read+write", "BM_MapLoadEditSave",
             "BM_MapPlainReadWrite");
  for (const auto& [name, heap] : reporter.heaps) {
    std::printf("%-52s %.0f bytes\n", ("heap peak of " + name).c_str(), heap);
  }
  std::error_code error;
  std::filesystem::remove_all(Folder(), error);
  return 0;
}
