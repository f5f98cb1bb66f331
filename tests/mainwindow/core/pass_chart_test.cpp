// The 24-hour chart's tables, its pass list, its time axis and the alerts, computed
// from scripted elevation tables and from the satellite computation itself.
#include <gtest/gtest.h>

#include <cmath>

#include "mainwindow/alerts.h"
#include "mainwindow/chart_axis.h"
#include "mainwindow/pass_list.h"
#include "mainwindow/timeline.h"
#include "support/week_fixture.h"

using namespace torv;

namespace {

double rad(double deg) { return deg * kPi / 180.0; }

// A row with minutes first..last visible at elevation el(m) (degrees); every other
// minute stands 10 degrees below the horizon.
TimelineRow row_with(std::initializer_list<std::pair<int, int>> passes, double el = 10) {
    TimelineRow row;
    clear_timeline_row(row);
    for (int m = 1; m <= kChartMinutes; ++m) row.timeline_el[m] = rad(-10);
    for (auto [first, last] : passes)
        for (int m = first; m <= last; ++m) {
            row.timeline_visible[m] = 1;
            row.timeline_el[m] = rad(el);
        }
    return row;
}

// A row's text split at single blanks, as the schedule reads it.
std::vector<std::string> split_at_blanks(const std::string& text) {
    std::vector<std::string> fields(1);
    for (char c : text) {
        if (c == ' ')
            fields.emplace_back();
        else
            fields.back() += c;
    }
    return fields;
}

DateTime local(int h, int m, int s = 0, int day = 21) { return date_serial(2018, 1, day) + time_serial(h, m, s); }

}  // namespace

TEST(PassList, RowTextAndItsFields) {
    TimelineRow row = row_with({{601, 610}}, 1);
    const auto set = [&](int m, double az, double el, double ma) {
        row.timeline_az[m] = rad(az);
        row.timeline_el[m] = rad(el);
        row.timeline_phase[m] = ma;
    };
    set(601, 5.0, 0.2, 63.984375);  // phase 45.5
    set(605, 180.0, 7.04, 180.0);   // the highest: phase 128
    set(610, 270.0, 0.1, 300.0);    // the last visible minute: phase 213.33
    const std::vector<PassRow> rows = build_pass_rows(row, 0);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].text, "10:00  005.0  045.5     10:05  180.0  07.0  128.0     10:10  270.0  213.3  010");
    EXPECT_EQ(rows[0].pass_row_aos, 600);
    EXPECT_EQ(rows[0].pass_row_los, 610);

    const std::vector<std::string> f = split_at_blanks(rows[0].text);
    ASSERT_EQ(f.size(), 27u);
    const std::map<size_t, std::string> expected{{0, "10:00"}, {2, "005.0"},  {4, "045.5"},  {9, "10:05"},
                                                 {11, "180.0"}, {13, "07.0"}, {15, "128.0"}, {20, "10:10"},
                                                 {22, "270.0"}, {24, "213.3"}, {26, "010"}};
    for (size_t i = 0; i < f.size(); ++i) {
        const auto it = expected.find(i);
        EXPECT_EQ(f[i], it == expected.end() ? "" : it->second) << "field " << i;
    }
}

TEST(PassList, PassesOfScriptedDays) {
    std::vector<std::pair<int, int>> many;
    for (int k = 0; k < 60; ++k) many.emplace_back(1 + 20 * k, 5 + 20 * k);
    TimelineRow sixty = row_with({});
    for (auto [a, b] : many)
        for (int m = a; m <= b; ++m) sixty.timeline_visible[m] = 1, sixty.timeline_el[m] = rad(5);

    const struct {
        const char* what;
        TimelineRow row;
        int16_t shift;
        size_t count;
        size_t index;  // the row looked at
        const char* aos_time;
        const char* max_time;
        const char* los_time;
        const char* minutes;
        int aos, los;  // its offsets
    } cases[] = {
        {"never rises", row_with({}), 0, 0, 0, "", "", "", "", 0, 0},
        {"a single minute", row_with({{301, 301}}), 0, 1, 0, "05:00", "05:01", "05:01", "001", 300, 301},
        {"up at the chart's start", row_with({{1, 9}}), 0, 1, 0, "00:00", "00:09", "00:09", "009", 0, 9},
        {"still up at the chart's end", row_with({{1431, 1440}}), 0, 1, 0, "23:50", "23:59", "00:00", "010", 1430,
         1440},
        {"shifted, still up at its end", row_with({{1431, 1440}}), 1, 1, 0, "11:50", "11:59", "12:00", "010", 1430,
         1440},
        {"shifted, after midnight", row_with({{781, 790}}), 1, 1, 0, "01:00", "01:10", "01:10", "010", 780, 790},
        {"up only in the chart's last minute", row_with({{1440, 1440}}), 0, 1, 0, "23:59", "00:00", "00:00", "001",
         1439, 1440},
        // The set is taken from the chart's last minute itself: one minute longer.
        {"last visible minute the next-to-last", row_with({{1431, 1439}}), 0, 1, 0, "23:50", "23:59", "00:00", "010",
         1430, 1440},
        {"sixty passes, all kept", sixty, 0, 60, 59, "19:40", "19:45", "19:45", "005", 1180, 1185},
    };
    for (const auto& c : cases) {
        const std::vector<PassRow> rows = build_pass_rows(c.row, c.shift);
        ASSERT_EQ(rows.size(), c.count) << c.what;
        if (c.count == 0) continue;
        const std::vector<std::string> f = split_at_blanks(rows[c.index].text);
        EXPECT_EQ(f[0], c.aos_time) << c.what;
        EXPECT_EQ(f[9], c.max_time) << c.what;
        EXPECT_EQ(f[20], c.los_time) << c.what;
        EXPECT_EQ(f[26], c.minutes) << c.what;
        EXPECT_EQ(rows[c.index].pass_row_aos, c.aos) << c.what;
        EXPECT_EQ(rows[c.index].pass_row_los, c.los) << c.what;
    }
}

TEST(PassList, MaximumIsTheLatestOfEqualElevations) {
    TimelineRow row = row_with({{100, 104}}, 1);
    for (auto [m, el] : {std::pair{101, 5.0}, {102, 5.0}, {103, 3.0}}) row.timeline_el[m] = rad(el);
    EXPECT_EQ(split_at_blanks(build_pass_rows(row, 0)[0].text)[9], "01:42");
}

TEST(PassList, CurrentRowDuringAPassAndNoneFromItsSet) {
    const std::vector<PassRow> rows = build_pass_rows(row_with({{301, 310}, {601, 610}}), 0);
    const struct {
        DateTime display;
        int row;
    } cases[] = {{local(4, 59, 59), -1}, {local(5, 0), 0}, {local(5, 9, 59), 0},
                 {local(5, 10), -1},     {local(10, 5), 1}, {local(10, 10), -1}};
    for (const auto& c : cases)
        EXPECT_EQ(current_pass_row(rows, pass_list_offset(c.display, 0, 0)), c.row) << general_date_text(c.display);
    EXPECT_EQ(current_pass_row({}, 0), -1);
}

TEST(PassList, ShiftedChartOffsetsOfTheDisplayTime) {
    const struct {
        DateTime display;
        int16_t shift_day;
        std::optional<int> offset;
    } cases[] = {
        {local(13, 30), 21, 90},           // afternoon: from the chart's 12:00 start
        {local(9, 0), 21, std::nullopt},   // morning of the day the shift went on: before the chart
        {local(9, 0, 0, 22), 21, 1260},    // a later morning: the chart's second half
        {local(12, 0), 21, 0},
    };
    for (const auto& c : cases) EXPECT_EQ(pass_list_offset(c.display, 1, c.shift_day), c.offset);
    EXPECT_EQ(pass_list_offset(local(9, 0), 0, 21), 540);
}

TEST(Alerts, RiseAndSetSoundOnceEach) {
    double prev = -0.1;
    EXPECT_EQ(check_aos_los(0.1, prev), HorizonCrossing::Rise);
    EXPECT_EQ(prev, 0.1);
    EXPECT_EQ(check_aos_los(0.2, prev), HorizonCrossing::None);
    EXPECT_EQ(check_aos_los(-0.1, prev), HorizonCrossing::Set);
    EXPECT_EQ(check_aos_los(-0.2, prev), HorizonCrossing::None);
    prev = 0;  // as at start-up: a satellite already up rises once
    EXPECT_EQ(check_aos_los(30, prev), HorizonCrossing::Rise);
}

TEST(Alerts, LampsSteadyBlinkingOrOff) {
    const struct {
        int16_t blink;
        double el;
        int16_t phase_before;
        LampStep step;
        int16_t phase_after;
    } cases[] = {
        {0, 10, 1, LampStep::AllDark, 1}, {1, -1, 1, LampStep::Dark, 0}, {2, -1, 1, LampStep::Dark, 0},
        {2, 10, 0, LampStep::Lit, 0},     {2, 10, 1, LampStep::Lit, 1},  {1, 10, 0, LampStep::Lit, 1},
        {1, 10, 1, LampStep::Dark, 0},    {1, 0, 0, LampStep::Lit, 1},
    };
    for (const auto& c : cases) {
        int16_t phase = c.phase_before;
        EXPECT_EQ(visibility_lamp_step(c.blink, c.el, phase), c.step) << c.blink << " " << c.el;
        EXPECT_EQ(phase, c.phase_after) << c.blink << " " << c.el;
    }
}

TEST(Alerts, FiveMinuteWarningOncePerPassFourMinutesBeforeIt) {
    TimelineTable table;
    for (int s = 0; s < kChartSlots; ++s) table.row(s) = row_with({{600, 610}});  // up from 09:59
    std::array<int16_t, kWarnedSlots> warned{};
    // The warning looks five indexes ahead: it sounds at offset 595, the minute that
    // starts at 09:55, four minutes before the first visible minute.
    EXPECT_EQ(five_minute_warning(table, 594, warned), 0);
    EXPECT_EQ(five_minute_warning(table, 595, warned), 5);  // slots 0..4, never 5 and 6
    EXPECT_EQ(warned, (std::array<int16_t, kWarnedSlots>{1, 1, 1, 1, 1}));
    EXPECT_EQ(five_minute_warning(table, 596, warned), 0);  // once per pass
    EXPECT_EQ(five_minute_warning(table, 600, warned), 0);  // up: re-armed
    EXPECT_EQ(warned, (std::array<int16_t, kWarnedSlots>{}));

    // In the chart's last minutes no warning, whatever is coming.
    for (int s = 0; s < kChartSlots; ++s) table.row(s) = row_with({{1440, 1440}});
    EXPECT_EQ(five_minute_warning(table, 1434, warned), 0);
    warned.fill(1);
    EXPECT_EQ(five_minute_warning(table, 1435, warned), 0);
    EXPECT_EQ(warned, (std::array<int16_t, kWarnedSlots>{}));

    EXPECT_EQ(warning_offset(local(11, 0), 1), 1380);
    EXPECT_EQ(warning_offset(local(13, 0), 1), 60);
    EXPECT_EQ(warning_offset(local(13, 0), 0), 780);
}

TEST(ChartAxis, DisplayMarkerCasesAndHalfDayBar) {
    const DateTime morning = local(6, 0), evening = local(18, 0);
    const struct {
        ChartTime c;
        DateTime t;
        char chart_case;
        double x;
        bool visible, left_today, right_today;
    } cases[] = {
        {{0, 0, 0, 0, 0}, morning, 'A', 960 + 1260, true, true, true},
        {{0, 0, 0, 1, 21}, evening, 'B', 960 + 1260, true, true, false},
        {{0, 0, 0, 1, 21}, morning, 'C', 960 + 3780, false, true, false},
        {{0, 0, 1, 1, 21}, morning, 'C', 960 + 3780, true, true, false},
        {{0, 0, 0, 1, 20}, morning, 'D', 960 + 3780, true, false, true},
        {{2, 0, 0, 0, 0}, morning, 'E', 960 + 1260, false, false, false},
        {{2, 0, 1, 1, 21}, evening, 'E', 960 + 3780, true, false, false},
        {{0, 0, 0, 1, 20}, local(12, 0), 'D', 6000, true, false, true},  // noon still counts as morning
    };
    for (const auto& c : cases) {
        const DisplayMarker m = display_marker(c.c, c.t, c.t);
        EXPECT_EQ(m.chart_case, c.chart_case) << c.chart_case;
        EXPECT_NEAR(m.x, c.x, 1e-6) << c.chart_case;
        EXPECT_EQ(m.visible, c.visible) << c.chart_case;
        EXPECT_EQ(m.left_today, c.left_today) << c.chart_case;
        EXPECT_EQ(m.right_today, c.right_today) << c.chart_case;
    }
}

TEST(ChartAxis, MarkerWrapsToTheLeftAtANewDay) {
    const ChartTime c;
    const double before = display_marker(c, local(23, 59, 59), local(23, 59, 59)).x;
    const double after = display_marker(c, local(0, 0, 0, 22), local(0, 0, 0, 22)).x;
    EXPECT_NEAR(before, 6000, 0.1);
    EXPECT_DOUBLE_EQ(after, 960);
    EXPECT_GT(before, after);  // the chart tick takes this as a new chart day
}

TEST(ChartAxis, RealTimeMarkerOnlyWhileTheTimeIsSimulated) {
    const struct {
        ChartTime c;
        DateTime clock;
        double x;
        bool visible;
    } cases[] = {
        {{0, 0, 0, 0, 0}, local(6, 0), 2220, false},   {{0, 3, 0, 0, 0}, local(6, 0), 2220, true},
        {{0, 0, 1, 0, 0}, local(6, 0), 2220, true},    {{1, 3, 1, 0, 0}, local(6, 0), 2220, false},
        {{0, 3, 0, 1, 21}, local(18, 0), 2220, true},  {{0, 3, 0, 1, 21}, local(6, 0), 2220, false},
    };
    for (const auto& c : cases) {
        const RealTimeMarker m = real_time_marker(c.c, c.clock);
        EXPECT_NEAR(m.x, c.x, 1e-6);
        EXPECT_EQ(m.visible, c.visible);
    }
}

TEST(Timeline, RowOfANameAndChartStart) {
    const std::array<std::string, kChartSlots> captions{"SO-50", "ISS", "ISS", "", "", "", ""};
    EXPECT_EQ(timeline_row_of(captions, "ISS"), 1);  // the first of two
    EXPECT_EQ(timeline_row_of(captions, "AO-7"), 0);

    TimeState t;
    t.time_day_offset = 1;
    t.time_half_days = 1;  // 12-hour steps do not move the chart
    EXPECT_DOUBLE_EQ(chart_start_local(t, local(18, 30), 0), date_serial(2018, 1, 22));
    EXPECT_DOUBLE_EQ(chart_start_local(t, local(18, 30), 1), date_serial(2018, 1, 22) + 0.5);
}

TEST(Timeline, RowsAndPassTimesAgreeWithTheSatelliteComputation) {
    WeekFixture w;
    const DateTime start_local = WeekFixture::day(2018, 1, 21);
    const DateTime start_utc = w.utc(start_local);
    for (const char* name : {"ISS", "FO-29", "SO-50"}) {
        TimelineRow row;
        compute_timeline_row(w.subject(name), start_utc, row);
        for (int m : {1, 100, 777, 1440}) {
            const double el = w.own_el(name, start_utc, m);
            EXPECT_NEAR(row.timeline_el[m] * 180 / kPi, el, 1e-9) << name << " " << m;
            EXPECT_EQ(row.timeline_visible[m], el >= 0 ? 1 : 0);
        }
        const std::vector<PassRow> rows = build_pass_rows(row, 0);
        EXPECT_FALSE(rows.empty()) << name;
        for (const PassRow& r : rows) {
            if (r.pass_row_los >= kChartMinutes - 1) continue;  // ends with the chart
            const std::vector<std::string> f = split_at_blanks(r.text);
            const int aos = index_of(f[0]), los = index_of(f[20]);  // minutes from the chart start
            // AOS: the first minute at or above the horizon; LOS: the minute after the last.
            EXPECT_LT(w.own_el(name, start_utc, aos), 0) << name << " " << r.text;
            EXPECT_GE(w.own_el(name, start_utc, aos + 1), 0) << name << " " << r.text;
            EXPECT_GE(w.own_el(name, start_utc, los), 0) << name << " " << r.text;
            EXPECT_LT(w.own_el(name, start_utc, los + 1), 0) << name << " " << r.text;
        }
    }
}

TEST(Timeline, Ao40SquintAndTransponderMarks) {
    WeekFixture w;
    WeekSubject s = w.subject("AO-40");
    s.ao40 = ao40_marks("AO-40", 1, 0, "0", "180", "30", 0, 128);
    TimelineRow row;
    compute_timeline_row(s, w.utc(WeekFixture::day(2018, 1, 21)), row);
    int squint_good = 0, marked = 0, visible = 0;
    for (int m = 1; m <= kChartMinutes; ++m) {
        EXPECT_GE(row.timeline_squint[m], 0);
        const WeekCell cell = timeline_cell(row, m, s.ao40);
        visible += row.timeline_visible[m];
        squint_good += cell.colour == WeekCellColour::SquintGood;
        marked += cell.transponder_on;
        if (!row.timeline_visible[m]) {
            EXPECT_EQ(cell.colour, WeekCellColour::Below);
        }
    }
    EXPECT_GT(visible, 0);
    EXPECT_GT(marked, 0);
    EXPECT_LT(marked, visible);
    EXPECT_GE(visible, squint_good);

    s.ao40 = ao40_marks("AO-40", 0, 0, "", "", "30", 0, 128);  // attitude not fetched
    compute_timeline_row(s, w.utc(WeekFixture::day(2018, 1, 21)), row);
    EXPECT_EQ(row.timeline_squint[500], -1);
}

TEST(PassList, TheScheduleTakesTheTimesMinutesAndHighestPointOfARow) {
    // Shifted chart: a pass rising at 23:58 and setting at 00:09.
    TimelineRow row = row_with({{719, 729}}, 12.34);
    row.timeline_az[725] = rad(181.25);
    row.timeline_el[725] = rad(45.5);
    const std::vector<PassRow> rows = build_pass_rows(row, 1);
    ASSERT_EQ(rows.size(), 1u);
    const PassPick p = pick_pass(rows[0].text);
    EXPECT_EQ(p.start_hour, "23");
    EXPECT_EQ(p.start_minute, "58");
    EXPECT_EQ(p.end_hour, "00");
    EXPECT_EQ(p.end_minute, "09");
    EXPECT_EQ(p.minutes, 11);
    EXPECT_FLOAT_EQ(p.max_az, 181.3f);  // as the row shows it
    EXPECT_FLOAT_EQ(p.max_el, 45.5f);
}
