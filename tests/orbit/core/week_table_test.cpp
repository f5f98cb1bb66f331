#include <gtest/gtest.h>

#include <cmath>

#include "common/number_text.h"
#include "orbit/squint.h"
#include "orbit/week_passes.h"
#include "orbit/week_table.h"
#include "support/week_fixture.h"

using namespace torv;

namespace {

double rad(double deg) { return deg * kPi / 180.0; }

// A row with the given minutes visible at the given elevations (degrees).
WeekDayRow row_of(std::initializer_list<std::pair<int, double>> minutes) {
    WeekDayRow row;
    for (auto [f, el] : minutes) {
        row.week_visible[f] = 1.0;
        row.week_el[f] = rad(el);
    }
    return row;
}

// Minutes first..last visible, elevations from el(f).
WeekDayRow row_from(int first, int last, const std::function<double(int)>& el) {
    WeekDayRow row;
    for (int f = first; f <= last; ++f) {
        row.week_visible[f] = 1.0;
        row.week_el[f] = rad(el(f));
    }
    return row;
}

}  // namespace

namespace torv {
bool operator==(const WeekPass& a, const WeekPass& b) { return a.aos == b.aos && a.max == b.max && a.los == b.los; }
}  // namespace torv

TEST(WeekPassLine, LayoutOfALine) {
    WeekDayRow row;
    const auto set = [&](int f, double az, double el, double ma) {
        row.week_visible[f] = 1.0;
        row.week_az[f] = rad(az);
        row.week_el[f] = rad(el);
        row.week_mean_anomaly[f] = ma;
    };
    set(601, 5.0, 0.2, 63.984375);  // phase 45.5
    set(605, 180.0, 7.04, 180.0);   // phase 128
    set(610, 270.0, 0.1, 300.0);    // phase 213.33
    const DateTime day = date_serial(2004, 5, 1);
    EXPECT_EQ(week_pass_line("ISS", day, row, {601, 605, 610}),
              "ISS    2004/05/01  10:01  005.0  045.5     10:05  180.0  07.0  128.0     10:10  270.0  213.3  010");

    // The name takes exactly seven characters, Japanese ones counted as one each.
    const struct {
        const char* name;
        const char* start;
    } names[] = {{"NOAA-19", "NOAA-192004"}, {"SAUDISAT-1C", "SAUDISA2004"}, {"ふじ3号", "ふじ3号   2004"}, {"", "       2004"}};
    for (const auto& n : names) EXPECT_EQ(week_pass_line(n.name, day, row, {601, 605, 610}).rfind(n.start, 0), 0u) << n.name;

    EXPECT_EQ(short_date_text(day), "2004/05/01");
    EXPECT_EQ(week_date_label(day), "04/05/01");
    EXPECT_EQ(week_separator(kWeekSeparatorLength), std::string(99, '-'));
    EXPECT_EQ(week_separator(kTwoStationSeparatorLength), std::string(79, '-'));
}

TEST(WeekPasses, RiseMaximumAndSetOfADay) {
    const struct {
        const char* what;
        WeekDayRow row;
        std::vector<WeekPass> passes;
    } cases[] = {
        {"no visible minute: no pass", WeekDayRow{}, {}},
        {"ties: the later minute is the maximum", row_of({{100, 1}, {101, 5}, {102, 5}, {103, 3}}), {{100, 102, 103}}},
        {"two passes", row_of({{10, 1}, {11, 2}, {500, 3}, {501, 1}}), {{10, 11, 11}, {500, 500, 501}}},
        {"up at midnight: from minute 1", row_from(1, 10, [](int f) { return 20.0 - f; }), {{1, 1, 10}}},
        {"up until midnight: ends at 1440, which is not compared",
         row_from(1431, 1440, [](int f) { return f - 1430.0; }), {{1431, 1439, 1440}}},
        {"visible at minute 1440 only", row_of({{1440, 3}}), {{1440, 1440, 1440}}},
        {"one minute before 1440", row_of({{1439, 3}, {1440, 4}}), {{1439, 1439, 1440}}},
        // The set is the last visible minute, 23:59, not 24:00 with an empty minute's values.
        {"set at 23:59", row_from(1430, 1439, [](int) { return 4.0; }), {{1430, 1439, 1439}}},
    };
    for (const auto& c : cases) EXPECT_EQ(find_week_passes(c.row), c.passes) << c.what;
}

TEST(WeekPasses, LinesAroundMidnight) {
    const DateTime day = date_serial(2004, 5, 1);
    const std::vector<std::string> before =
        week_day_lines("ISS", day, row_from(1431, 1440, [](int f) { return f - 1430.0; }));
    ASSERT_EQ(before.size(), 1u);
    EXPECT_EQ(line_fields(before[0])[1], "23:51");
    EXPECT_EQ(line_fields(before[0])[4], "23:59");
    EXPECT_EQ(line_fields(before[0])[8], "24:00");
    EXPECT_EQ(line_fields(before[0])[11], "010");

    const std::vector<std::string> only = week_day_lines("ISS", day, row_of({{1440, 3}}));
    ASSERT_EQ(only.size(), 1u);
    const std::vector<std::string> f = line_fields(only[0]);
    EXPECT_EQ(f[1], "24:00");
    EXPECT_EQ(f[4], "24:00");
    EXPECT_EQ(f[6], "03.0");
    EXPECT_EQ(f[8], "24:00");
    EXPECT_EQ(f[11], "001");
}

// Every minute of a week equals the shared satellite computation at the same instant, and
// every line rises at the first and sets at the last minute index at or above the horizon.
TEST(WeekTable, MinutesAndLinesAgreeWithTheSatelliteComputation) {
    WeekFixture fx;
    for (const char* name : {"ISS", "FO-29", "AO-40"}) {
        const WeekSubject s = fx.subject(name);
        for (int d = 0; d < kWeekRows; ++d) {
            const DateTime local = WeekFixture::day(2018, 1, 21 + d), start = fx.utc(local);
            WeekDayRow row;
            WeekDayCells cells;
            compute_week_day(s, start, row, cells);
            std::vector<double> el(kMinuteSlots);
            for (int f = 1; f <= kDayMinutes; ++f) {
                el[f] = fx.own_el(name, start, f);
                ASSERT_EQ(row.week_visible[f], el[f] >= 0 ? 1.0 : 0.0) << name << " day " << d << " minute " << f;
                if (el[f] < 0) continue;
                EXPECT_EQ(row.week_az[f], fx.orbit.calc.calc_az);
                EXPECT_EQ(row.week_el[f], fx.orbit.calc.calc_el);
                EXPECT_EQ(row.week_mean_anomaly[f], fx.orbit.calc.calc_mean_anomaly);
            }
            const auto expected = runs_of([&](int f) { return el[f] >= 0; });
            EXPECT_EQ(line_runs(week_day_lines(name, local, row)), expected) << name << " day " << d;
            if (std::string(name) == "ISS") {
                EXPECT_GE(expected.size(), 3u);  // passes every day
            }
        }
    }
}

// A pass across the day boundary gives a line that sets at 24:00 on the first day and
// one that rises at 00:01 on the next; together they hold every minute of the pass.
TEST(WeekTable, PassAcrossMidnightSplitsIntoTwoLines) {
    WeekFixture fx;
    const WeekSubject s = fx.subject("ISS");
    const DateTime start = fx.utc(WeekFixture::day(2018, 1, 21));
    WeekDayRow row;
    WeekDayCells cells;
    compute_week_day(s, start, row, cells);
    const std::vector<WeekPass> passes = find_week_passes(row);
    ASSERT_FALSE(passes.empty());
    const WeekPass whole = passes.front();
    ASSERT_GE(whole.los - whole.aos, 3);

    // A day that ends at the pass's second minute (index 1440), and the day after it.
    const DateTime first_day = add_minutes(start, whole.aos - kDayMinutes + 1);
    compute_week_day(s, first_day, row, cells);
    const std::vector<std::string> first = week_day_lines("ISS", WeekFixture::day(2018, 1, 20), row);
    compute_week_day(s, add_days(first_day, 1), row, cells);
    const std::vector<std::string> second = week_day_lines("ISS", WeekFixture::day(2018, 1, 21), row);
    ASSERT_FALSE(first.empty());
    ASSERT_FALSE(second.empty());
    const std::vector<std::string> a = line_fields(first.back()), b = line_fields(second.front());
    EXPECT_EQ(a[1], "23:59");
    EXPECT_EQ(a[8], "24:00");
    EXPECT_EQ(a[11], "002");
    EXPECT_EQ(b[1], "00:01");
    EXPECT_EQ(std::stoi(b[11]), whole.los - whole.aos + 1 - 2);
}

TEST(WeekTable, TwoStations) {
    WeekFixture fx;
    const DateTime local = WeekFixture::day(2018, 1, 22), start = fx.utc(local);
    const WeekSubject own = fx.subject("ISS");
    WeekDayRow row;
    WeekDayCells cells;
    compute_week_day(own, start, row, cells);
    const std::vector<std::string> own_lines = week_day_lines("ISS", local, row);
    ASSERT_FALSE(own_lines.empty());

    PartnerStationTable partners;
    const auto partner_lines = [&](int slot) {
        WeekSubject s = own;
        add_partner(s, partners, slot);
        compute_week_day(s, start, row, cells);
        return week_day_lines("ISS", local, row);
    };
    const auto put = [&](int slot, const char* name, double lon, double lat, double height) {
        partners.partner_name[slot] = name;
        partners.partner_lon[slot] = lon;
        partners.partner_lat[slot] = lat;
        partners.partner_height[slot] = height;
    };
    put(0, "SAME", fx.station.station_lon, fx.station.station_lat, fx.station.station_height);
    put(1, "FAR", fx.station.station_lon - 180, -fx.station.station_lat, 0);  // the other side of the Earth
    put(2, "", 135, 35, 0);                                                   // no station in the slot
    put(3, "UNSET", kPartnerUnset, kPartnerUnset, 0);
    put(4, "JA8", 141.35, 43.06, 20);                                         // about 1000 km north-east

    EXPECT_EQ(partner_lines(0), own_lines);
    for (int slot : {1, 2, 3}) EXPECT_TRUE(partner_lines(slot).empty()) << slot;

    // The mutual window: the minutes both stations see, as the shared computation says.
    const std::vector<std::string> mutual = partner_lines(4);
    const auto expected = runs_of([&](int f) {
        return fx.own_el("ISS", start, f) >= 0 && fx.station_el("ISS", start, f, 141.35, 43.06, 20) >= 0;
    });
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(line_runs(mutual), expected);
    // The angles are the own station's.
    for (const std::string& line : mutual) {
        const std::vector<std::string> f = line_fields(line);
        const int rise = index_of(f[1]);
        fx.own_el("ISS", start, rise);
        EXPECT_EQ(f[2], format_number(fx.orbit.calc.calc_az * 180 / kPi, "000.0"));
    }
}

TEST(WeekTable, Ao40MarksOnTheGraph) {
    WeekFixture fx;
    const DateTime start = fx.utc(WeekFixture::day(2018, 1, 22));
    const WeekSubject plain = fx.subject(kAo40Name);
    ASSERT_TRUE(plain.usable);
    const auto cells_with = [&](const std::string& name, int16_t fetched, int16_t error, double limit, double ma0,
                                double ma1) {
        WeekSubject s = plain;
        s.ao40 = ao40_marks(name, fetched, error, "10", "-5", "30", ma0, ma1);
        s.ao40.sqa_limit = limit;
        WeekDayRow row;
        WeekDayCells cells;
        compute_week_day(s, start, row, cells);
        return std::pair{row, cells};
    };
    const auto count = [](const WeekDayCells& cells, auto pred) {
        int n = 0;
        for (int f = 1; f <= kDayMinutes; ++f) n += pred(cells[f]) ? 1 : 0;
        return n;
    };
    const auto squint_good = [](const WeekCell& c) { return c.colour == WeekCellColour::SquintGood; };
    const auto marked = [](const WeekCell& c) { return c.transponder_on; };
    const auto below = [](const WeekCell& c) { return c.colour == WeekCellColour::Below; };

    // Every minute within a limit of 180 degrees, none within -1; whole phase window.
    const auto [row, all] = cells_with(kAo40Name, 1, 0, 180, 0, 256);
    const int visible = kDayMinutes - count(all, below);
    ASSERT_GT(visible, 60);
    EXPECT_EQ(count(all, squint_good), visible);
    EXPECT_EQ(count(all, marked), visible);  // marks only on visible minutes
    EXPECT_EQ(count(cells_with(kAo40Name, 1, 0, -1, 0, 256).second, squint_good), 0);

    // Without a usable attitude no squint colour, but the transponder marks stay.
    for (auto [fetched, error] : {std::pair<int16_t, int16_t>{0, 0}, {1, -1}}) {
        const WeekDayCells c = cells_with(kAo40Name, fetched, error, 180, 0, 256).second;
        EXPECT_EQ(count(c, squint_good), 0);
        EXPECT_EQ(count(c, marked), visible);
    }
    // Another satellite on the same orbit gets neither.
    const WeekDayCells other = cells_with("AO-7", 1, 0, 180, 0, 256).second;
    EXPECT_EQ(count(other, squint_good) + count(other, marked), 0);

    // A squint exactly at the limit counts; the phase window's edges count.
    int f = 1;
    while (row.week_visible[f] != 1.0) ++f;
    const SatPosition p = propagate(plain.orbit, plain.own, datetime_to_mjd(add_minutes(start, f - 1)));
    const double squint = squint_deg(10, -5, p.true_anomaly);
    const double phase = row.week_mean_anomaly[f] / 360 * 256;
    const auto at_limit = cells_with(kAo40Name, 1, 0, squint, phase, phase).second;
    EXPECT_EQ(at_limit[f].colour, WeekCellColour::SquintGood);
    EXPECT_TRUE(at_limit[f].transponder_on);
    const auto just_below = cells_with(kAo40Name, 1, 0, squint - 1e-9, phase + 1e-9, 256).second;
    EXPECT_EQ(just_below[f].colour, WeekCellColour::Visible);
    EXPECT_FALSE(just_below[f].transponder_on);
}

TEST(WeekTable, DamagedElementSetIsNeverVisible) {
    WeekFixture fx;
    fx.add_set("BROKEN", "1 99999U", "");
    const WeekSubject s = fx.subject("BROKEN");
    EXPECT_FALSE(s.usable);
    WeekDayRow row;
    row.week_visible[5] = 1.0;  // what an earlier day left
    WeekDayCells cells;
    compute_week_day(s, fx.utc(WeekFixture::day(2018, 1, 22)), row, cells);
    EXPECT_TRUE(find_week_passes(row).empty());
    EXPECT_EQ(row.week_visible[5], 0.0);
}
