// Loading a full element table (2000 lines) as the start-up does, newest-epoch pass
// and dump included.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "orbit/element_table.h"

namespace {

std::string make_folder() {
    auto dir = std::filesystem::temp_directory_path() / "torv_bench_elements";
    std::filesystem::create_directories(dir);
    std::ofstream out(dir / "TORV.ELM", std::ios::binary);
    // 666 sets: 222 names, three epochs each, so the newest-epoch pass has work to do.
    for (int n = 0; n < 666; ++n) {
        char name[32], l1[80], l2[80];
        std::snprintf(name, sizeof name, "SAT-%03d", n % 222);
        std::snprintf(l1, sizeof l1, "1 %05dU 98067A   %02d%03d.%08d  .00002182  00000-0  41420-4 0  9990",
                      n % 222, 18, 20 + n / 222, 12345678);
        std::snprintf(l2, sizeof l2, "2 %05d  51.6416 247.4627 0006703 130.5360 325.0288 15.72125391563537",
                      n % 222);
        out << name << "\r\n" << l1 << "\r\n" << l2 << "\r\n";
    }
    return dir.string();
}

void BM_LoadElementTable(benchmark::State& state) {
    const std::string folder = make_folder();
    for (auto _ : state) {
        torv::ElementTable table;
        torv::ElementLoadReport report;
        torv::load_element_table(table, "0", "", folder, {}, report);
        benchmark::DoNotOptimize(table.element_line_count());
    }
}
BENCHMARK(BM_LoadElementTable)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
