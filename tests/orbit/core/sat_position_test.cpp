#include "orbit/sat_position.h"

#include <gtest/gtest.h>

#include <cmath>

#include "app/program_state.h"
#include "platform/clock.h"
#include "platform/msg_box.h"
#include "support/date_at.h"

using namespace torv;

namespace {

double deg(double rad) { return rad * 180.0 / kPi; }

// Records what the computation hands to the windows.
struct RecordingDisplay : SatDisplay {
    int time_labels = 0, motion_terms = 0, clears = 0, selected = 0, station_views = 0;
    DateTime local = 0, utc = 0;
    double dL = 0, incl = 0, t = 0;
    SelectedSatResult last;
    double view_az = 0, view_el = 0;
    void show_time_labels(DateTime l, DateTime u) override { ++time_labels, local = l, utc = u; }
    void show_motion_term(double d, double i, double tt) override { ++motion_terms, dL = d, incl = i, t = tt; }
    void clear_drawing_surface() override { ++clears; }
    void show_selected(const SelectedSatResult& r) override { ++selected, last = r; }
    void show_station_view(double az, double el) override { ++station_views, view_az = az, view_el = el; }
    void notice(const std::string& text) override { platform::msg_box(text); }  // as the main window does
};

// The fallback set at the example station, at a chosen UTC instant.
struct Fixture : ProgramState {
    RecordingDisplay display;
    OrbitContext ctx = orbit_context(*this, &display);

    Fixture() {
        station = {135.15, 34.5, 45, "JA3XXX"};
        groups.selected_sat = "DUMMY";
        set_time_diff(time, 9);
    }
    void add_set(const std::string& name, const std::string& l1, const std::string& l2) {
        elements.add_set(name, l1, l2);
    }
    // At a chosen instant, as the tracks, the chart and the look-aheads compute.
    bool compute(std::string name, DateTime utc) {
        time.realtime_flag = 0;
        time.calc_time = utc;
        return sat_position_disp(ctx, name);
    }
    // At the current instant, the clock standing at utc: the live computation.
    bool compute_live(std::string name, const platform::ClockReading& utc) {
        platform::clock_fix(utc);
        time.realtime_flag = 1;
        const bool ok = sat_position_disp(ctx, name);
        platform::clock_release();
        return ok;
    }
};

}  // namespace

TEST(SatPosition, WorkedExampleAtPassTime) {
    Fixture f;
    ASSERT_TRUE(f.compute("NOT-IN-TABLE", at(2005, 1, 27, 1, 25)));
    const CalcResult& c = f.orbit.calc;
    EXPECT_NEAR(c.calc_days_since_epoch, 0.250235, 1e-6);
    EXPECT_NEAR(c.calc_mean_anomaly, 316.1962, 1e-4);
    EXPECT_NEAR(c.calc_true_anomaly, 313.3246, 1e-4);
    EXPECT_NEAR(c.calc_radius, 7255.944, 1e-3);
    EXPECT_NEAR(c.calc_sub_lat, 44.3548, 1e-4);
    EXPECT_NEAR(c.calc_sub_lon, 136.2985, 1e-4);
    EXPECT_NEAR(c.calc_sub_height, 888.925, 1e-3);
    EXPECT_NEAR(c.calc_sub_radius, 888.925 + 6377.397155, 1e-3);
    EXPECT_NEAR(deg(c.calc_az), 4.7227, 1e-4);
    EXPECT_NEAR(deg(c.calc_el), 31.8192, 1e-4);
    EXPECT_DOUBLE_EQ(f.time.calc_mjd, datetime_to_mjd(at(2005, 1, 27, 1, 25)));
    EXPECT_DOUBLE_EQ(f.orbit.bessel_a, 6377397.155);
    EXPECT_DOUBLE_EQ(f.orbit.pi, 4 * std::atan(1.0));
}

TEST(SatPosition, WorkedExampleBelowTheHorizon) {
    Fixture f;
    ASSERT_TRUE(f.compute("", at(2005, 1, 27, 3, 0)));
    const CalcResult& c = f.orbit.calc;
    EXPECT_NEAR(deg(c.calc_az), 6.2795, 1e-4);
    EXPECT_NEAR(deg(c.calc_el), -13.2805, 1e-4);
    EXPECT_NEAR(c.calc_sub_lat, 80.0469, 1e-4);
    EXPECT_NEAR(c.calc_sub_lon, 162.7309, 1e-4);
    EXPECT_GE(c.calc_mean_anomaly, 0);
    EXPECT_LT(c.calc_mean_anomaly, 360);
    EXPECT_LT(c.calc_mean_anomaly_rad, 4 * kPi);
}

TEST(SatPosition, SelectedSatelliteIsHandedToTheDisplay) {
    Fixture f;
    std::string name = "  DUMMY ";
    f.time.realtime_flag = 1;
    platform::clock_fix({2005, 1, 27, 1, 25, 0});
    ASSERT_TRUE(sat_position_disp(f.ctx, name));
    platform::clock_release();
    EXPECT_EQ(name, "DUMMY");  // the caller's variable is left trimmed
    EXPECT_EQ(f.display.selected, 1);
    EXPECT_EQ(f.display.last.name, "DUMMY");
    EXPECT_NEAR(f.display.last.range_km, 1492.423, 1e-3);
    EXPECT_NEAR(f.display.last.orbit_number, 41707 + 3.385446, 1e-6);
    EXPECT_NEAR(f.display.last.mean_anomaly, 316.1962, 1e-4);
    EXPECT_EQ(f.orbit.selected_az, f.orbit.calc.calc_az);
    EXPECT_EQ(f.orbit.selected_el, f.orbit.calc.calc_el);
    EXPECT_EQ(f.display.motion_terms, 1);
    EXPECT_EQ(f.display.clears, 1);
    EXPECT_EQ(f.display.time_labels, 1);

    // The selected satellite at a chosen instant (a track point, a chart minute, a
    // look-ahead) is computed but shows and publishes nothing, nor changes the copies.
    const double az = f.orbit.selected_az;
    ASSERT_TRUE(f.compute("DUMMY", at(2005, 1, 27, 3, 0)));
    EXPECT_NEAR(deg(f.orbit.calc.calc_el), -13.2805, 1e-4);
    EXPECT_EQ(f.display.selected, 1);
    EXPECT_EQ(f.display.motion_terms, 1);
    EXPECT_EQ(f.display.time_labels, 1);
    EXPECT_EQ(f.orbit.selected_az, az);

    // Another satellite (here the fallback set too) changes no display and no copy.
    f.groups.selected_sat = "ISS";
    f.orbit.selected_az = -1;
    ASSERT_TRUE(f.compute_live("OTHER", {2005, 1, 27, 3, 0, 0}));
    EXPECT_EQ(f.display.selected, 1);
    EXPECT_EQ(f.display.motion_terms, 1);
    EXPECT_EQ(f.orbit.selected_az, -1);
}

TEST(SatPosition, RealTimeUsesTheClockAndShowsTheTime) {
    Fixture f;
    f.time.realtime_flag = 1;
    platform::clock_fix({2005, 1, 27, 1, 25, 0});  // 10:25 at the station
    std::string name = "DUMMY";
    ASSERT_TRUE(sat_position_disp(f.ctx, name));
    platform::clock_release();
    EXPECT_EQ(f.time.display_time, at(2005, 1, 27, 10, 25));
    EXPECT_EQ(f.time.calc_time, at(2005, 1, 27, 1, 25));
    EXPECT_EQ(f.display.time_labels, 1);
    EXPECT_EQ(f.display.utc, at(2005, 1, 27, 1, 25));
    EXPECT_NEAR(deg(f.orbit.calc.calc_el), 31.8192, 1e-4);
}

TEST(SatPosition, UnusableElementSetIsSkippedAndToldOnce) {
    auto* rec = platform::MsgBoxRecorder::current();
    struct Case {
        const char* l1;
        const char* l2;
    };
    const Case cases[] = {
        {"", ""},  // blank element lines
        {"1 24278U 96046B   05026.80879303  .00000002  00000-0  37400-4 0 08932",
         "2 24278 098.5680 095.3409 0350746 182.5037 177.4357 00.00000000417079"},  // mean motion 0
        {"1 24278U 96046B   05026.80879303  .00000002  00000-0  37400-4 0 08932",
         "2 24278 098.5680 095.3409 0350746 182.5037 177.4357 -1.00000000417079"},  // negative
    };
    for (const Case& c : cases) {
        Fixture f;
        f.add_set("BROKEN", c.l1, c.l2);
        rec->clear();
        f.orbit.calc.calc_el = 1.0;
        EXPECT_FALSE(f.compute("BROKEN", at(2005, 1, 27, 1, 25)));
        EXPECT_FALSE(f.compute("BROKEN", at(2005, 1, 27, 1, 26)));
        EXPECT_LT(f.orbit.calc.calc_el, 0);  // never looks visible
        ASSERT_EQ(rec->texts.size(), 1u);
        EXPECT_EQ(rec->texts[0], unusable_elements_message("BROKEN"));
        double range = 7;
        std::string name = "BROKEN";
        EXPECT_FALSE(calc_slant_range(f.ctx, name, range));
        EXPECT_EQ(range, 7);
        EXPECT_EQ(rec->texts.size(), 1u);
    }
}

TEST(SatPosition, SetAtTheEndOfTheTableWithoutElementLinesIsSkipped) {
    Fixture f;
    f.elements.set_element_line_count(kElementCapacity);
    f.elements.set_element_line(1999, "LAST");
    EXPECT_FALSE(f.compute("LAST", at(2005, 1, 27, 1, 25)));
    platform::MsgBoxRecorder::current()->clear();
}

TEST(SatPosition, NodeAndPerigeeDriftSignRule) {
    // Perigee term added up to 90 degrees of inclination, subtracted above.
    const double a = 7000;
    const J2Rates at90 = j2_rates(a, 90.0);
    const J2Rates above = j2_rates(a, 90.0001);
    const double k = -9.97 * std::pow(kBesselAKm / a, 3.5);
    EXPECT_NEAR(at90.perigee, k * (2 - 2.5), 1e-12);
    EXPECT_NEAR(above.perigee, -k * (2 - 2.5 * std::pow(std::sin(90.0001 * kPi / 180), 2)), 1e-12);
    EXPECT_NEAR(j2_rates(a, 51.6).node, k * std::cos(51.6 * kPi / 180), 1e-12);

    double node = 1.0, perigee = 2.0;
    j2_node_perigee_drift(node, perigee, 51.6, 2.0, a);
    const J2Rates r = j2_rates(a, 51.6);
    EXPECT_NEAR(node, 1.0 + r.node * 2.0 * kPi / 180, 1e-15);
    EXPECT_NEAR(perigee, 2.0 + r.perigee * 2.0 * kPi / 180, 1e-15);
}

TEST(SatPosition, ViewFromAnotherStation) {
    Fixture f;
    f.time.realtime_flag = 1;
    platform::clock_fix({2005, 1, 27, 1, 25, 0});
    std::string name = "DUMMY";
    double az = -1, el = -1;
    ASSERT_TRUE(sat_view_from_station(f.ctx, name, 135.15, 34.5, 45, 9, az, el));
    EXPECT_NEAR(az, 4.7227, 1e-4);
    EXPECT_NEAR(el, 31.8192, 1e-4);
    EXPECT_EQ(f.display.station_views, 1);
    EXPECT_EQ(f.orbit.calc.calc_el, 0);  // no CalcResult field written

    double az2 = 0, el2 = 0;
    sat_view_from_station(f.ctx, name, 135.15, 34.5, 45, -5, az2, el2);  // hours has no effect
    EXPECT_EQ(az, az2);
    EXPECT_EQ(el, el2);

    std::string other = "OTHER";
    double keep_az = 123, keep_el = 45;
    EXPECT_FALSE(sat_view_from_station(f.ctx, other, 0, 0, 0, 9, keep_az, keep_el));
    EXPECT_EQ(keep_az, 123);
    EXPECT_EQ(keep_el, 45);
    EXPECT_EQ(f.display.station_views, 2);
    platform::clock_release();

    // At a chosen instant the view is computed but not shown.
    f.time.realtime_flag = 0;
    ASSERT_TRUE(sat_view_from_station(f.ctx, name, 135.15, 34.5, 45, 9, az, el));
    EXPECT_EQ(f.display.station_views, 2);
}

TEST(SatPosition, SlantRangeMatchesPositionExceptNamedDopplerRules) {
    Fixture f;
    const std::string l1 = "1 24278U 96046B   05026.80879303  .00000002  00000-0  37400-4 0 08932";
    const std::string l2 = "2 24278 051.6400 095.3409 0005000 182.5037 177.4357 15.49000000417079";
    for (const char* n : {"SAT-A", "ISS", "ISSDG", "ISSTR", "NO-44"}) f.add_set(n, l1, l2);
    for (const char* n : {"SAT-A", "ISS", "ISSDG", "ISSTR", "NO-44"}) {
        SCOPED_TRACE(n);
        f.groups.selected_sat = n;
        ASSERT_TRUE(f.compute_live(n, {2005, 1, 27, 1, 25, 0}));
        const double position_range = f.display.last.range_km;
        const double true_anomaly = f.orbit.calc.calc_true_anomaly;
        f.time.realtime_flag = 0;  // the same instant, as the Doppler step computes it
        std::string name = n;
        double range = 0;
        ASSERT_TRUE(calc_slant_range(f.ctx, name, range));
        const std::string s = n;
        if (s == "SAT-A" || s == "ISSTR")
            EXPECT_NEAR(range, position_range, 1e-9);
        else
            EXPECT_GT(std::fabs(range - position_range), 1.0);
        EXPECT_EQ(f.orbit.calc.calc_true_anomaly, true_anomaly);  // not written by the range
    }
    // ISS revolutions: base + 0.017495 t whatever the correction table says.
    const SatElements el = parse_sat_elements(l1, l2);
    SatCorrectionTable table;
    table.add("ISS", 10);
    EXPECT_EQ(doppler_extra_rate("ISS", el, 6700, table), 0.017495);
    EXPECT_EQ(doppler_extra_rate("NO-44", el, 6700, table), -0.005);
    EXPECT_EQ(doppler_extra_rate("ISSTR", el, 6700, table), 12 * j2_motion_rate(el, 6700));
}

TEST(SatPosition, DopplerFactorFromTwoRangesAndKeptOnFailure) {
    Fixture f;
    f.add_set("BROKEN", "", "");
    platform::clock_fix({2005, 1, 27, 1, 25, 0});  // 10:25 at the station
    DopplerState d;
    ASSERT_TRUE(update_doppler_factor(f.ctx, d));
    EXPECT_EQ(f.time.realtime_flag, 1);

    // The rate agrees with two position computations 3 s apart.
    Fixture g;
    g.compute_live("DUMMY", {2005, 1, 27, 1, 25, 0});
    const double r0 = g.display.last.range_km;
    g.compute_live("DUMMY", {2005, 1, 27, 1, 25, 3});
    const double r1 = g.display.last.range_km;
    EXPECT_NEAR(d.range_rate, (r1 - r0) / 3, 1e-9);
    EXPECT_NEAR(d.doppler_factor, 300000 / (300000 + d.range_rate), 1e-15);
    EXPECT_LT(d.range_rate, 0);  // approaching

    // A computable satellite whose range fails for a moment keeps its last rate and factor.
    const DopplerState before = d;
    f.add_set("FADING", "1 24278U 96046B   05026.80879303  .00000002  00000-0  37400-4 0 08932",
              "2 24278 098.5680 095.3409 0350746 182.5037 177.4357 1.0E-300   417079");
    f.groups.selected_sat = "FADING";
    platform::MsgBoxRecorder::current()->clear();
    EXPECT_FALSE(update_doppler_factor(f.ctx, d));
    EXPECT_EQ(platform::MsgBoxRecorder::current()->texts, std::vector<std::string>{kRangeFailedMessage});
    EXPECT_EQ(d.range_rate, before.range_rate);
    EXPECT_EQ(d.doppler_factor, before.doppler_factor);
    EXPECT_EQ(f.time.realtime_flag, 1);

    // A satellite that cannot be computed at all never inherits the factor of the one
    // selected before it: no shift (factor 1), as when neither range exists.
    f.groups.selected_sat = "BROKEN";
    EXPECT_FALSE(update_doppler_factor(f.ctx, d));
    EXPECT_EQ(d.range_rate, 0);
    EXPECT_EQ(d.doppler_factor, 1.0);
    EXPECT_EQ(f.time.realtime_flag, 1);
    platform::clock_release();
    platform::MsgBoxRecorder::current()->clear();
}

// A damaged element line can carry a number in exponent form in the mean anomaly
// column; the reduction below 360 degrees must still end, with a value in range.
TEST(SatPosition, HugeMeanAnomalyFieldIsReducedAndTheCallEnds) {
    Fixture f;
    f.add_set("GARBLED", "1 24278U 96046B   05026.80879303  .00000002  00000-0  37400-4 0 08932",
              "2 24278 098.5680 095.3409 0350746 182.5037 1.00E+30 13.52907999417079");
    ASSERT_TRUE(f.compute("GARBLED", at(2005, 1, 27, 1, 25)));
    EXPECT_GE(f.orbit.calc.calc_mean_anomaly, 0);
    EXPECT_LT(f.orbit.calc.calc_mean_anomaly, 360);
}

// A mean motion that reads as almost nothing makes every computation of the set fail:
// the tracks, the seven satellites and the Doppler ranges would each open a box at
// every tick.
TEST(SatPosition, ASetThatCannotBeComputedIsToldOncePerKindOfFailure) {
    const std::string line1 = "1 24278U 96046B   05026.80879303  .00000002  00000-0  37400-4 0 08932";
    Fixture f;
    f.add_set("FADING", line1, "2 24278 098.5680 095.3409 0350746 182.5037 177.4357 1.0E-300   417079");
    f.add_set("BROKEN", "", "");
    platform::MsgBoxRecorder& boxes = *platform::MsgBoxRecorder::current();
    boxes.clear();
    for (int minute = 0; minute < 10; ++minute) {
        EXPECT_FALSE(f.compute("FADING", at(2005, 1, 27, 1, minute)));
        EXPECT_FALSE(f.compute("BROKEN", at(2005, 1, 27, 1, minute)));
        std::string name = "FADING";
        double range = 0;
        EXPECT_FALSE(calc_slant_range(f.ctx, name, range));
    }
    EXPECT_EQ(boxes.texts, (std::vector<std::string>{kZenithMessage, unusable_elements_message("BROKEN"),
                                                     kRangeFailedMessage}));

    // A new set of the name that fails again is told again.
    boxes.clear();
    f.elements.set_element_line(2, "1 24278U 96046B   05027.80879303  .00000002  00000-0  37400-4 0 08932");
    EXPECT_FALSE(f.compute("FADING", at(2005, 1, 27, 2, 0)));
    EXPECT_FALSE(f.compute("FADING", at(2005, 1, 27, 2, 1)));
    EXPECT_EQ(boxes.texts, std::vector<std::string>{kZenithMessage});
    boxes.clear();
}
