// Records benchmarks: the player ratings' totals of a damaged statistics file, 100 MB of
// random bytes, where nearly every record has a name of its own.
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "records/statistics.h"

namespace {

void BM_TotalsOfRandomBytes(benchmark::State& state) {
    const size_t size = size_t(state.range(0)) << 20;
    char pattern[] = "/tmp/kvelta-bench-XXXXXX";
    const std::filesystem::path dir = mkdtemp(pattern);
    const std::filesystem::path file = dir / "Playing.dta";
    {
        std::mt19937_64 random(1);
        std::vector<uint64_t> block(1 << 17);
        std::ofstream out(file, std::ios::binary);
        for (size_t done = 0; done < size; done += block.size() * 8) {
            for (uint64_t& word : block) word = random();
            out.write(reinterpret_cast<const char*>(block.data()),
                      std::streamsize(std::min(size - done, block.size() * 8)));
        }
    }
    StatisticsFile stats(
        [&state](const std::string& message) { state.SkipWithError(message.c_str()); });
    if (stats.Open(file)) {
        PlayingTotals totals;
        for (auto _ : state) {
            stats.ReadTotals(totals);
            state.counters["names"] = double(totals.size());
        }
        state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(size));
    }
    std::filesystem::remove_all(dir);
}
BENCHMARK(BM_TotalsOfRandomBytes)->Arg(100)->ArgName("MB")->Unit(benchmark::kMillisecond);

}  // namespace
