// One satellite computation at a chosen instant, as the week tables make 10,080 of per
// satellite: the propagation of a prepared element set (the core), and the whole routine
// with its element lookup in a full table, parse and shared-result copy.
#include <benchmark/benchmark.h>

#include <cstdio>

#include "orbit/sat_position.h"

namespace {

using namespace torv;

const double kInstant = datetime_to_mjd(make_datetime(DateParts{2005, 1, 27, 1, 25, 0}));
constexpr double kMinute = 1.0 / 1440.0;

void BM_Propagate(benchmark::State& state) {
    const SatElements el = parse_sat_elements(kFallbackLine1, kFallbackLine2);
    const SatOrbit orbit = make_sat_orbit(el, 0);
    const StationFrame station = make_station_frame(135.15, 34.5, 45);
    double mjd = kInstant;
    for (auto _ : state) {
        SatPosition p = propagate(orbit, station, mjd);
        benchmark::DoNotOptimize(p);
        mjd += kMinute;  // a week table steps minute by minute
    }
}
BENCHMARK(BM_Propagate);

// The whole routine in a full table; the argument is the set's place: 0 the first set,
// 1 the last (the longest search).
void BM_SatPositionDisp(benchmark::State& state) {
    ElementTable table;
    for (int i = 1; i + 2 <= kElementCapacity; i += 3) {
        char name[16];
        std::snprintf(name, sizeof name, "SAT-%03d", i / 3);
        table.element_lines[i] = name;
        table.element_lines[i + 1] = kFallbackLine1;
        table.element_lines[i + 2] = kFallbackLine2;
        table.element_line_count = static_cast<int16_t>(i + 2);
    }
    SatCorrectionTable corrections;
    OwnStation station{135.15, 34.5, 45, "JA3XXX"};
    std::string selected = "SAT-000";
    TimeState time;
    OrbitState orbit;
    OrbitContext ctx{table, corrections, station, selected, time, orbit, nullptr};
    time.calc_time = mjd_to_datetime(kInstant);
    const std::string wanted = table.element_lines[state.range(0) == 0 ? 1 : table.element_line_count - 2];
    for (auto _ : state) {
        std::string name = wanted;
        benchmark::DoNotOptimize(sat_position_disp(ctx, name));
        time.calc_time += kMinute;
    }
}
BENCHMARK(BM_SatPositionDisp)->Arg(0)->Arg(1);

}  // namespace

BENCHMARK_MAIN();
