// One update of the Sun, the Moon and Mars (the main window runs it every 950 ms) and
// one daylight table of 1441 minutes (start-up, chart shift, week tables).
#include <benchmark/benchmark.h>

#include "orbit/bodies.h"
#include "orbit/daylight_table.h"

namespace {

torv::OwnStation station(double lon, double lat) {
    torv::OwnStation st;
    st.station_lon = lon;
    st.station_lat = lat;
    return st;
}

const torv::OwnStation kStation = station(139.7, 35.7);

void BM_SunMoonMarsUpdate(benchmark::State& state) {
    torv::TimeState ts;
    torv::BodyState bs;
    for (auto _ : state) {
        torv::sun_moon_mars_update(bs, ts, kStation);
        benchmark::DoNotOptimize(bs);
    }
}
BENCHMARK(BM_SunMoonMarsUpdate)->Unit(benchmark::kMicrosecond);

void BM_DaylightTable(benchmark::State& state) {
    torv::DaylightTable table;
    const torv::DateTime day = torv::make_datetime(torv::DateParts{2005, 6, 21, 15, 0, 0});
    for (auto _ : state) {
        torv::DateTime when = day;
        torv::sun_daylight_table(when, 0, 9, kStation, table);
        benchmark::DoNotOptimize(table);
    }
}
BENCHMARK(BM_DaylightTable)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
