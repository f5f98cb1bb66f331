#pragma once
#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "orbit/sat_position.h"
#include "orbit/time_base.h"

// Random satellites for comparing the satellite computation with a reference and between
// builds: element sets with eccentricity 0 to 0.97, inclination 0 to 180 degrees, perigee
// 200 to 2000 km above the equator, node, perigee and mean anomaly anywhere, epochs in 2000
// to 2030 with a small decay term, each computed at one instant up to a year after its
// epoch. The numbers come straight from the generator's words (not through a standard
// library distribution), so every build and library draws the same cases.
namespace orbit_cases {

constexpr int kCaseCount = 3000;
constexpr int kSetsPerTable = 500;  // a table holds 666 sets

struct Case {
    std::string name, line1, line2;
    double utc = 0;  // the instant, a day count (UTC)
};

class Draw {
public:
    explicit Draw(uint64_t seed) : rng_(seed) {}
    double uniform(double lo, double hi) { return lo + (hi - lo) * static_cast<double>(rng_() >> 11) * 0x1p-53; }

private:
    std::mt19937_64 rng_;
};

inline std::vector<Case> make_cases() {
    Draw draw(20260115);
    std::vector<Case> cases;
    for (int k = 0; k < kCaseCount; ++k) {
        const double e = draw.uniform(0, 0.97);
        const double a = (torv::kBesselAKm + draw.uniform(200, 2000)) / (1 - e);
        const double n = std::pow(torv::kSemiMajorAxisFactor / a, 1.5);  // rev/day
        const int year = static_cast<int>(draw.uniform(0, 31));
        const double day = draw.uniform(1, 366);
        char name[16], l1[80], l2[80];
        std::snprintf(name, sizeof name, "SAT-%04d", k);
        std::snprintf(l1, sizeof l1, "1 %05dU 05001A   %02d%012.8f %10.8f  00000-0  37400-4 0  9990", 10000 + k % 80000,
                      year, day, draw.uniform(0, 2e-5));
        const double i = draw.uniform(0, 180), node = draw.uniform(0, 360);
        const double w = draw.uniform(0, 360), M = draw.uniform(0, 360);
        std::snprintf(l2, sizeof l2, "2 %05d %8.4f %8.4f %07d %8.4f %8.4f %11.8f%05d0", 10000 + k % 80000, i, node,
                      static_cast<int>(std::lround(e * 1e7)), w, M, n, k);
        const double epoch = torv::mjd_to_datetime(torv::mjd_of_date(2000 + year, 1, 1) + day - 1);
        cases.push_back({name, l1, l2, epoch + draw.uniform(0, 365)});
    }
    return cases;
}

// What a case's computation gives, as the fixture records it: the routine's azimuth and
// elevation (radians), sub-satellite point (degrees, km) and true anomaly (degrees), and
// the slant range (km).
struct Result {
    double az = 0, el = 0, sub_lat = 0, sub_lon = 0, sub_height = 0, true_anomaly = 0, range = 0;
};

// Every case computed as the windows compute a satellite at a chosen instant: by name, in
// tables of kSetsPerTable sets, seen from a station in Japan. A failed computation gives
// not-a-number.
inline std::vector<Result> compute_results(const std::vector<Case>& cases) {
    constexpr double kFailed = std::numeric_limits<double>::quiet_NaN();
    std::vector<Result> results;
    for (size_t first = 0; first < cases.size(); first += kSetsPerTable) {
        const size_t end = std::min(cases.size(), first + kSetsPerTable);
        torv::ElementTable elements;
        for (size_t k = first; k < end; ++k) elements.add_set(cases[k].name, cases[k].line1, cases[k].line2);
        const torv::SatCorrectionTable corrections;
        const torv::OwnStation station{135.15, 34.5, 45, "JA3XXX"};
        const std::string selected_sat;
        torv::TimeState time;
        torv::set_time_diff(time, 9);
        torv::OrbitState orbit;
        torv::OrbitContext ctx{elements, corrections, station, selected_sat, time, orbit, nullptr};
        for (size_t k = first; k < end; ++k) {
            time.realtime_flag = 0;
            time.calc_time = cases[k].utc;
            std::string name = cases[k].name;
            const torv::CalcResult& c = orbit.calc;
            Result r{kFailed, kFailed, kFailed, kFailed, kFailed, kFailed, kFailed};
            if (torv::sat_position_disp(ctx, name))
                r = {c.calc_az, c.calc_el, c.calc_sub_lat, c.calc_sub_lon, c.calc_sub_height, c.calc_true_anomaly, kFailed};
            if (!torv::calc_slant_range(ctx, name, r.range)) r.range = kFailed;
            results.push_back(r);
        }
    }
    return results;
}

// The fixture: the results' numbers one after another, eight-byte little-endian doubles.
static_assert(std::endian::native == std::endian::little);
static_assert(sizeof(Result) == 7 * sizeof(double));

inline bool write_results(const std::string& path, const std::vector<Result>& results) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(results.data()), static_cast<std::streamsize>(results.size() * sizeof(Result)));
    return static_cast<bool>(out);
}

inline std::vector<Result> read_results(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<Result> results;
    Result r;
    while (in.read(reinterpret_cast<char*>(&r), sizeof r)) results.push_back(r);
    return results;
}

}  // namespace orbit_cases
