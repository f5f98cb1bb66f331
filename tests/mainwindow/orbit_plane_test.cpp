#include "mainwindow/orbit_plane.h"

#include <gtest/gtest.h>

#include "mainwindow/orbit_plane_geometry.h"
#include "platform/twips.h"
#include "support/map_fixture.h"

using namespace torv;

namespace {

constexpr platform::ColorValue kEarth = 16744448, kSatellite = 255, kBack = 0;

// The view at its design size with its labels, over the map fixture's state.
struct PlaneFixture : MapFixture {
    platform::PictureBox picture;
    platform::Label l1, l2, l11, l42, l43, l44, l46, l47;
    OrbitPlaneControls c;
    int fetches = 0;
    std::string squint_elsewhere;

    PlaneFixture() {
        picture.resize(platform::twips_to_px(3105), platform::twips_to_px(2865));
        c = {&picture, &l1, &l2, &l44, &l11, &l42, &l43, &l46, &l47};
        c.ao40_attitude_fetch = [this] { ++fetches; };
        c.show_squint_elsewhere = [this](const std::string& s) { squint_elsewhere = s; };
        settings.kidou_back_color = std::to_string(kBack);
        settings.kidou_tikyuu_color = " " + std::to_string(kEarth);
        settings.kidou_eisei_color = std::to_string(kSatellite);
        settings.alat_alon_disp = 1;
    }
    void draw() { draw_orbit_plane(c, {orbit, groups.selected_sat, settings, view}); }
    // AO-40 at its apogee on a 36000 km, e 0.7 orbit.
    void ao40_at_apogee() {
        groups.selected_sat = "AO-40";
        CalcResult& r = orbit.calc;
        r.calc_semi_major_axis = 36000;
        r.calc_ecc = 0.7;
        r.calc_plane_x = -36000 * 1.7;
        r.calc_plane_y = 0;
        r.calc_true_anomaly = 180;
    }
    bool visible(const platform::Label& l) const { return !l.isHidden(); }
    // Whether the green arc shows just past the perigee (the major axis is green too).
    bool arc_shown() {
        const PlanePoint p = orbit_point({28, 2500}, 36000, 0.7, 0.3);
        return colour_near(picture, p.x, p.y, kGreen, 1);
    }
};

}  // namespace

TEST(OrbitPlane, TheSelectedSatelliteOnItsEllipseAroundTheEarth) {
    PlaneFixture f;
    f.at("ISS", f.display_utc());
    f.l11.show();
    f.draw();
    const CalcResult& r = f.orbit.calc;
    ASSERT_LT(r.calc_semi_major_axis, 10000);  // 7 km per twip, the Earth at x 1500
    const double sx = 1500 + r.calc_plane_x / 7, sy = kOrbitAxisY - r.calc_plane_y / 7;
    EXPECT_EQ(f.picture.Point(sx, sy), kSatellite);
    EXPECT_EQ(f.picture.Point(1500 + 300, kOrbitAxisY - 300), kEarth);  // inside the 911-twip Earth
    EXPECT_EQ(f.picture.Point(2800, 300), kBack);
    EXPECT_TRUE(colour_near(f.picture, 1500, 2700, kWhite));  // the Earth's axis line
    // A low orbit almost touches the Earth: the white ellipse just outside its rim.
    EXPECT_TRUE(colour_near(f.picture, 1500 + r.calc_semi_major_axis * (1 - r.calc_ecc) / 7, kOrbitAxisY, kWhite, 2));
    EXPECT_FALSE(f.visible(f.l11));  // no attitude for another satellite
    EXPECT_EQ(f.fetches, 0);
}

TEST(OrbitPlane, Ao40AttitudeLinesSquintAndTransponderArc) {
    PlaneFixture f;
    f.ao40_at_apogee();
    f.settings.ao40 = {240, 20};
    f.view.ao40_alat = "5.04";
    f.view.ao40_alon = "0";
    f.draw();
    EXPECT_EQ(f.fetches, 1);
    EXPECT_EQ(f.l47.caption(), "5.0");
    EXPECT_EQ(f.squint_elsewhere, "5.0");
    EXPECT_EQ(f.l11.caption(), "0.0");
    EXPECT_EQ(f.l43.caption(), "5.0");
    EXPECT_EQ(f.l11.foreColor(), kRed);
    EXPECT_EQ(f.l43.foreColor(), kYellow);
    for (const platform::Label* l : {&f.l11, &f.l42, &f.l43, &f.l44, &f.l46, &f.l47}) EXPECT_TRUE(f.visible(*l));
    // 28 km per twip, the Earth at 2500; the satellite at the apogee, 2185 twips left.
    const double sx = 2500 - 36000 * 1.7 / 28;
    EXPECT_EQ(f.picture.Point(sx, kOrbitAxisY), kYellow);  // the yellow dot over the satellite
    EXPECT_TRUE(colour_near(f.picture, sx + 1500, kOrbitAxisY, kRed));  // ALON 0: level to the right
    EXPECT_TRUE(f.arc_shown());  // from 240 through the perigee to 20

    f.settings.ao40 = {240, -1};
    f.picture.Cls();
    f.draw();
    EXPECT_FALSE(f.arc_shown());
}

TEST(OrbitPlane, VerticalAttitudeLinesPointUpOrDown) {
    // One line vertical at a time (both at once would lie on each other), the other level.
    struct Case {
        const char* alon;
        const char* alat;
        bool red_vertical;
        double dy;  // from the line's start: -1000 up, +1000 down
    };
    const Case cases[] = {{"90", "0", true, -1000},  {"270", "0", true, 1000},  {"-90", "0", true, 1000},
                          {"0", "90", false, -1000}, {"0", "270", false, 1000}, {"0", "-90", false, 1000}};
    for (const Case& c : cases) {
        PlaneFixture f;
        f.ao40_at_apogee();
        f.orbit.calc.calc_plane_y = 5000;  // 179 twips above the axis
        f.view.ao40_alon = c.alon;
        f.view.ao40_alat = c.alat;
        f.draw();
        const double sx = 2500 - 36000 * 1.7 / 28, sy = kOrbitAxisY - 5000.0 / 28;
        if (c.red_vertical)
            EXPECT_TRUE(colour_near(f.picture, sx, sy + c.dy, kRed)) << c.alon;
        else
            EXPECT_TRUE(colour_near(f.picture, sx, kOrbitAxisY + c.dy, kYellow)) << c.alat;
    }
}

TEST(OrbitPlane, AttitudeHiddenWhenSwitchedOffNotFetchedOrAnotherName) {
    struct Case {
        const char* name;
        int16_t disp, error;
    };
    const Case cases[] = {{"AO-40", 0, 0}, {"AO-40", 1, -1}, {"ao-40", 1, 0}, {"AO-40DG", 1, 0}};
    for (const Case& c : cases) {
        PlaneFixture f;
        f.ao40_at_apogee();
        f.groups.selected_sat = c.name;
        f.settings.ao40 = {240, 20};
        f.settings.alat_alon_disp = c.disp;
        f.view.ao40_attitude_error = c.error;
        for (platform::Label* l : {&f.l11, &f.l42, &f.l43, &f.l44, &f.l46, &f.l47}) l->show();
        f.draw();
        EXPECT_EQ(f.fetches, 0) << c.name;
        for (const platform::Label* l : {&f.l11, &f.l42, &f.l43, &f.l44, &f.l46, &f.l47}) EXPECT_FALSE(f.visible(*l)) << c.name;
        const bool arc = std::string(c.name) == "AO-40";
        EXPECT_EQ(f.arc_shown(), arc) << c.name;
    }
}
