// The week pass tables' computation: seven local days of one satellite, minute by
// minute (10,080 positions), with the minute tables filled and the pass lines made; for
// the own station alone and for two stations.
#include <benchmark/benchmark.h>

#include "orbit/week_passes.h"
#include "orbit/week_table.h"
#include "tests/support/week_fixture.h"

namespace {

using namespace torv;

struct Week : WeekFixture {
    WeekMinuteTables tables;
    WeekDayCells cells;

    Week() {
        partners.partner_name[0] = "JA8";
        partners.partner_lon[0] = 141.35;
        partners.partner_lat[0] = 43.06;
    }

    // One week from 21 January 2018 (local time, UTC+9); returns the number of lines.
    size_t run(bool two_stations) {
        WeekSubject s = week_subject(elements, corrections, "ISS", station);
        if (two_stations) add_partner(s, partners, 0);
        size_t lines = 0;
        for (int d = 0; d < kWeekRows; ++d) {
            const DateTime local = date_serial(2018, 1, 21 + d);
            compute_week_day(s, add_hours(local, -9), tables[d], cells);
            lines += week_day_lines(s.name, local, tables[d]).size();
        }
        return lines;
    }
};

void BM_WeekOneStation(benchmark::State& state) {
    Week w;
    for (auto _ : state) benchmark::DoNotOptimize(w.run(false));
}
BENCHMARK(BM_WeekOneStation)->Unit(benchmark::kMillisecond);

void BM_WeekTwoStations(benchmark::State& state) {
    Week w;
    for (auto _ : state) benchmark::DoNotOptimize(w.run(true));
}
BENCHMARK(BM_WeekTwoStations)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
