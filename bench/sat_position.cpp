// The satellite computation as the windows run it in loops: the propagation of a
// prepared element set (Kepler's equation, orbit, Earth-fixed position, sub-point and
// view) at four eccentricities, the whole routine with its lookup by name in a full
// table, a week table of one satellite (7 x 1440 minutes) and a 24-hour chart refresh
// (seven rows of 1441 minutes). All of them use the same generated element sets and
// instants, so their figures can be compared between builds.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <vector>

#include "app/program_state.h"
#include "orbit/sat_position.h"

namespace {

using namespace torv;

constexpr double kMinute = 1.0 / 1440.0;
constexpr int kSetsInFullTable = kElementCapacity / 3;  // 666
constexpr int kInstantsPerRun = 4096;

struct SetLines {
    std::string name, line1, line2;
};

// Element sets spread over the sky: inclination 0 to 180 degrees, node, perigee and
// mean anomaly anywhere, perigee 300 to 1500 km above the Earth, epoch in 2005, a
// small decay term. eccentricity < 0 draws it from 0 to 0.75 for each set.
std::vector<SetLines> make_sets(int count, double eccentricity, unsigned seed) {
    std::mt19937 rng(seed);
    auto uniform = [&](double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(rng); };
    std::vector<SetLines> sets;
    for (int k = 0; k < count; ++k) {
        const double e = eccentricity >= 0 ? eccentricity : uniform(0, 0.75);
        const double a = (kBesselAKm + uniform(300, 1500)) / (1 - e);
        const double n = std::pow(kSemiMajorAxisFactor / a, 1.5);  // rev/day
        char name[16], l1[80], l2[80];
        std::snprintf(name, sizeof name, "SAT-%03d", k);
        std::snprintf(l1, sizeof l1, "1 %05dU 05001A   05%012.8f %10.8f  00000-0  37400-4 0  9990", 10000 + k,
                      uniform(1, 365), uniform(0, 2e-5));
        std::snprintf(l2, sizeof l2, "2 %05d %8.4f %8.4f %07d %8.4f %8.4f %11.8f%05d0", 10000 + k, uniform(0, 180),
                      uniform(0, 360), static_cast<int>(std::lround(e * 1e7)), uniform(0, 360), uniform(0, 360), n,
                      k);
        sets.push_back({name, l1, l2});
    }
    return sets;
}

// Instants up to a year after each set's epoch, as day counts (UTC).
std::vector<double> make_instants(const std::vector<SetLines>& sets, unsigned seed) {
    std::mt19937 rng(seed);
    std::vector<double> instants;
    for (int k = 0; k < kInstantsPerRun; ++k) {
        const SatElements el = parse_sat_elements(sets[k % sets.size()].line1, sets[k % sets.size()].line2);
        const double epoch = mjd_to_datetime(epoch_mjd(el));
        instants.push_back(epoch + std::uniform_real_distribution<double>(0, 365)(rng));
    }
    return instants;
}

void fill_table(ElementTable& table, const std::vector<SetLines>& sets) {
    for (const SetLines& s : sets) table.add_set(s.name, s.line1, s.line2);
}

const StationFrame& station_frame() {
    static const StationFrame st = make_station_frame(135.15, 34.5, 45);
    return st;
}

// One propagation of a prepared set, 64 sets of one eccentricity at varied instants.
void BM_Propagate(benchmark::State& state) {
    const double e = state.range(0) / 1000.0;
    const std::vector<SetLines> sets = make_sets(64, e, 1);
    const std::vector<double> instants = make_instants(sets, 2);
    std::vector<SatOrbit> orbits;
    for (const SetLines& s : sets) orbits.push_back(make_sat_orbit(parse_sat_elements(s.line1, s.line2), 0));
    size_t k = 0;
    for (auto _ : state) {
        SatPosition p = propagate(orbits[k % orbits.size()], station_frame(), datetime_to_mjd(instants[k]));
        benchmark::DoNotOptimize(p);
        k = (k + 1) % instants.size();
    }
    state.SetLabel("e = " + std::to_string(e).substr(0, 5));
}
BENCHMARK(BM_Propagate)->Arg(1)->Arg(100)->Arg(500)->Arg(900);

// The program's shared state for computations over a full table of varied sets, with a
// correction table built from it as the program builds one (no factors stored).
struct FullTable : ProgramState {
    std::vector<SetLines> sets = make_sets(kSetsInFullTable, -1, 3);
    OrbitContext ctx = orbit_context(*this);

    FullTable() {
        station = {135.15, 34.5, 45, "JA3XXX"};
        groups.selected_sat = "SAT-000";
        fill_table(elements, sets);
        corrections = build_sat_correction_table(elements, "/nonexistent/torv.ini");
        set_time_diff(time, 9);
        time.realtime_flag = 0;
    }
    // One computation at a chosen instant, as the week tables and the chart make them.
    double compute(const std::string& wanted, double utc) {
        time.calc_time = utc;
        std::string name = wanted;
        sat_position_disp(ctx, name);
        return orbit.calc.calc_el;
    }
};

// The whole routine. Argument: 0 the table's first set, 1 its last (the longest search
// by name when the table is scanned), 2 every set in turn at varied instants.
void BM_SatPositionDisp(benchmark::State& state) {
    FullTable f;
    const std::vector<double> instants = make_instants(f.sets, 4);
    const int place = static_cast<int>(state.range(0));
    size_t k = 0;
    for (auto _ : state) {
        const size_t set = place == 0 ? 0 : place == 1 ? f.sets.size() - 1 : k % f.sets.size();
        benchmark::DoNotOptimize(f.compute(f.sets[set].name, instants[k]));
        k = (k + 1) % instants.size();
    }
    state.SetLabel(place == 0 ? "first set" : place == 1 ? "last set" : "every set in turn");
}
BENCHMARK(BM_SatPositionDisp)->Arg(0)->Arg(1)->Arg(2);

// The week table of one satellite: seven days of minutes from a chosen day, the set in
// the middle of a full table.
void BM_WeekTable(benchmark::State& state) {
    FullTable f;
    const std::string name = f.sets[kSetsInFullTable / 2].name;
    const double start = std::floor(make_instants(f.sets, 5)[kSetsInFullTable / 2]);
    for (auto _ : state) {
        int visible = 0;
        for (int minute = 0; minute < 7 * 1440; ++minute) visible += f.compute(name, start + minute * kMinute) >= 0;
        benchmark::DoNotOptimize(visible);
    }
}
BENCHMARK(BM_WeekTable)->Unit(benchmark::kMillisecond);

// One refresh of the 24-hour chart: seven satellites spread over the table, 1441
// minutes each.
void BM_ChartRefresh(benchmark::State& state) {
    FullTable f;
    const double start = std::floor(make_instants(f.sets, 6)[0]);
    for (auto _ : state) {
        int visible = 0;
        for (int row = 0; row < 7; ++row) {
            const std::string& name = f.sets[row * (kSetsInFullTable / 7)].name;
            for (int minute = 0; minute <= 1440; ++minute) visible += f.compute(name, start + minute * kMinute) >= 0;
        }
        benchmark::DoNotOptimize(visible);
    }
}
BENCHMARK(BM_ChartRefresh)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
