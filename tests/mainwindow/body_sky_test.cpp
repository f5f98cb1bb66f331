#include "mainwindow/body_sky.h"

#include <gtest/gtest.h>

#include <cmath>

#include "platform/twips.h"
#include "support/map_fixture.h"

using namespace torv;

namespace {

constexpr platform::ColorValue kSunColour = 65535, kMoonColour = 16777088, kMarsColour = 4227327;

struct SkyFixture : MapFixture {
    platform::PictureBox& sky = sky_view;  // 3075 x 3090 twips
    std::array<platform::Shape, 3> swatches;
    std::array<platform::Label, 6> labels;
    BodySkyControls c;
    SkyFixture() {
        c.Picture4 = &sky;
        for (int i = 0; i < 3; ++i) {
            c.swatch[i] = &swatches[i];
            c.az_label[i] = &labels[2 * i];
            c.el_label[i] = &labels[2 * i + 1];
        }
        settings.sun_color = kSunColour;
        settings.moon_color = kMoonColour;
        settings.kasei_color = kMarsColour;
    }
    double W() { return platform::px_to_twips(sky.width()); }
    double H() { return platform::px_to_twips(sky.height()); }
    bool green_at(int x, int y) { return sky.image().pixelColor(x, y) == QColor(0, 255, 0); }
};

}  // namespace

TEST(BodySky, ReadOutTextsAndColours) {
    struct Case {
        double az, el;
        const char* az_text;
        const char* el_text;
        platform::ColorValue colour;
    };
    const Case cases[] = {{0.5, 0.5, ".50", ".50", kBlue},
                          {123.456, -0.25, "123.46", "-.25", kBlack},
                          {359.999, 0, "360.00", ".00", kBlue},
                          {200, -10, "200.00", "-10.00", kBlack}};
    for (const Case& k : cases) {
        SkyFixture f;
        f.settings.sun_disp = 1;
        f.bodies.sun_az = k.az;
        f.bodies.sun_el = k.el;
        plot_sun_moon_mars(f.c, f.bodies, f.settings, BodyIcons{});
        EXPECT_EQ(f.labels[0].caption(), k.az_text) << k.az;
        EXPECT_EQ(f.labels[1].caption(), k.el_text) << k.el;
        EXPECT_EQ(f.labels[0].foreColor(), k.colour) << k.el;
        EXPECT_EQ(f.labels[1].foreColor(), k.colour) << k.el;
        EXPECT_EQ(f.swatches[torv::kSun].fillColor(), kSunColour);
        EXPECT_EQ(f.sky.fillStyle, platform::PictureBox::Transparent);
    }
}

TEST(BodySky, DotsWhereTheProjectionPutsThemIncludingBelowTheHorizon) {
    SkyFixture f;
    f.settings.sun_disp = f.settings.moon_disp = 1;
    f.bodies.sun_az = 90;
    f.bodies.sun_el = 45;  // half way out to the east
    f.bodies.moon_az = 135;
    f.bodies.moon_el = -10;  // a ninth of the radius beyond the horizon, south-east
    plot_sun_moon_mars(f.c, f.bodies, f.settings, BodyIcons{});
    EXPECT_EQ(f.sky.Point(f.W() / 2 + f.W() / 4, f.H() / 2), kSunColour);
    const double rho = f.W() / 2 * 100 / 90, d = rho * std::sqrt(0.5);
    EXPECT_EQ(f.sky.Point(f.W() / 2 + d, f.H() / 2 + d), kMoonColour);
}

TEST(BodySky, IconsHangFromTheirOffsetsAndAMissingIconIsADot) {
    SkyFixture f;
    f.settings.moon_disp = 3;
    f.settings.sun_disp = 2;
    f.bodies.moon_el = 90;  // the zenith: the centre, 100 scaled pixels across and down
    f.bodies.sun_az = 90;
    f.bodies.sun_el = 0;  // the east end of the horizon: x 200 scaled pixels
    plot_sun_moon_mars(f.c, f.bodies, f.settings, green_icons());
    EXPECT_TRUE(f.green_at(90, 94));  // the Moon 10 left and 6 up
    EXPECT_FALSE(f.green_at(89, 94));
    EXPECT_FALSE(f.green_at(90, 93));
    EXPECT_TRUE(f.green_at(192, 92));  // the Sun 8 and 8
    EXPECT_FALSE(f.green_at(191, 92));

    SkyFixture g;
    g.settings.kasei_disp = 2;
    g.bodies.mars_el = 90;
    plot_sun_moon_mars(g.c, g.bodies, g.settings, BodyIcons{});
    EXPECT_EQ(g.sky.Point(g.W() / 2, g.H() / 2), kMarsColour);
}

TEST(BodySky, HiddenBodiesLeaveTheirReadOutsAlone) {
    SkyFixture f;
    f.labels[2].setCaption("12.00");
    f.bodies.moon_el = -30;
    plot_sun_moon_mars(f.c, f.bodies, f.settings, BodyIcons{});
    EXPECT_EQ(f.labels[2].caption(), "12.00");
    EXPECT_EQ(f.sky.fillStyle, platform::PictureBox::Transparent);
}
