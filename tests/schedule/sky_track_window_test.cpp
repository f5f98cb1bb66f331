#include <gtest/gtest.h>

#include <QCoreApplication>
#include <cmath>
#include <filesystem>
#include <memory>

#include "common/settings_store.h"
#include "orbit/geodesy.h"
#include "platform/clock.h"
#include "platform/paths.h"
#include "schedule/sky_track_window.h"
#include "support/temp_dir.h"

using namespace torv;

namespace {

constexpr platform::ColorValue kSlot0 = 16711935, kSlot2 = 65280, kSunColour = 65535, kMoonColour = 16776960;
constexpr platform::ColorValue kSquint = 33023, kRed = 255;

// The chart over a folder holding the three default sky pictures; group A shown, the
// ISS (slot 2) selected, the clock at noon at the station, the Sun high.
struct SkyTrackChart : ::testing::Test {
    TempDir dir;
    SatGroupTable groups;
    MainSettings settings;
    TimeState time;
    ChartFlags chart;
    BodyState bodies;
    OrbitState orbit;
    std::unique_ptr<SkyTrackWindow> form;

    void SetUp() override {
        for (const char* f : {"skya7_18.BMP", "skya18_19.BMP", "skya19_6.BMP"})
            std::filesystem::copy_file(std::filesystem::path(TORV_DATA) / f, dir.file(f));
        platform::set_program_folder(dir.str());
        platform::clock_fix({2018, 1, 21, 3, 0, 0});
        groups.group_sat_names[0] = {"FO-29", "AO-7", "ISS", "AO-40", "SO-50", "AO-51", "NO-44"};
        groups.selected_sat = "ISS";
        settings.color_eisei1 = kSlot0;
        settings.color_eisei3 = kSlot2;
        settings.color_eisei4 = 12345;
        settings.sun_color = kSunColour;
        settings.moon_color = kMoonColour;
        settings.ao40_sqa_color = kSquint;
        settings.ao40_sqa_value = "30";
        settings.kesiki_hiru = "skya7_18.BMP";
        settings.kesiki_yuugata = "skya18_19.BMP";
        settings.kesiki_yoru = "skya19_6.BMP";
        time.display_time = make_datetime({2018, 1, 21, 12, 0, 0});
        bodies.sun_az = 180;
        bodies.sun_el = 30;
        bodies.moon_az = 300;
        bodies.moon_el = -60;
        orbit.calc.calc_semi_major_axis = 26000;  // hourly marks only, away from the samples
    }
    void TearDown() override {
        form.reset();
        platform::clock_release();
    }

    SkyTrackWindow& open() {
        form = std::make_unique<SkyTrackWindow>(SkyTrackLinks{groups, settings, time, chart, bodies, orbit});
        form->load();
        return *form;
    }
    // A slot's whole day at one elevation, the azimuth turning from az0 by step a minute.
    void fill_row(int slot, double el_deg, double az0, double step, double squint = -1) {
        TimelineRow& row = chart.timeline.row(slot);
        for (int m = 1; m <= 1440; ++m) {
            row.timeline_az[m] = deg_to_rad(std::fmod(az0 + step * m, 360.0));
            row.timeline_el[m] = deg_to_rad(el_deg);
            row.timeline_squint[m] = squint;
        }
    }
    // Whether the colour lies within two pixels of the chart point.
    bool colour_near(double az, double el, platform::ColorValue colour) {
        const QImage& image = form->Picture1.image();
        const QPointF p = form->Picture1.to_pixels(az, el);
        for (int dx = -2; dx <= 2; ++dx)
            for (int dy = -2; dy <= 2; ++dy) {
                const QPoint q(qRound(p.x()) + dx, qRound(p.y()) + dy);
                if (image.valid(q) && platform::from_qcolor(image.pixelColor(q)) == colour) return true;
            }
        return false;
    }
    std::string stored_mode() { return ini_read(Section{"KISEKI"}, Key{"FORM7_KISEKI_ALL"}, torv_ini()); }
};

}  // namespace

TEST_F(SkyTrackChart, DrawsTheSelectedSatellitesRowInItsSlotColourWithItsNameOnBlack) {
    fill_row(0, -45, 0, 0.2);
    fill_row(2, -45, 0, 0.2);
    SkyTrackWindow& f = open();
    f.Check1.setValue(1);
    f.Timer1_Timer();
    EXPECT_EQ(f.track_slot, 2);
    EXPECT_EQ(f.Label4.caption(), "ISS");
    EXPECT_EQ(f.Label4.foreColor(), kSlot2);
    EXPECT_EQ(f.Label4.backColor(), 0);
    EXPECT_TRUE(colour_near(150, -45, kSlot2));
    EXPECT_FALSE(colour_near(150, -45, kSlot0));
}

TEST_F(SkyTrackChart, ASatelliteNoneOfTheSlotsShowsDrawsNoTrack) {
    fill_row(0, -45, 0, 0.2);
    SkyTrackWindow& f = open();
    f.Check1.setValue(1);
    f.Timer1_Timer();
    ASSERT_EQ(f.track_color, kSlot2);
    groups.selected_sat = "UO-11";
    f.Timer1_Timer();
    EXPECT_EQ(f.track_slot, -1);
    EXPECT_EQ(f.Label4.caption(), "UO-11");
    EXPECT_EQ(f.Label4.foreColor(), kSlot2);  // the last colour used
    for (double az : {60.5, 150.0, 250.0}) {
        EXPECT_FALSE(colour_near(az, -45, kSlot0)) << az;
        EXPECT_FALSE(colour_near(az, -45, kSlot2)) << az;
    }
}

TEST_F(SkyTrackChart, ATrackCrossingNorthDrawsNoSegmentAcrossTheChart) {
    fill_row(2, -45, 300, 0.1);  // 300 .. 360, then 0 .. 84
    SkyTrackWindow& f = open();
    f.Check1.setValue(1);
    f.Timer1_Timer();
    EXPECT_TRUE(colour_near(330, -45, kSlot2));
    EXPECT_TRUE(colour_near(40, -45, kSlot2));
    EXPECT_FALSE(colour_near(200, -45, kSlot2));
}

TEST_F(SkyTrackChart, Ao40SegmentsWithinTheSquintLimitTakeTheSquintColour) {
    const struct {
        double squint;
        platform::ColorValue colour;
    } cases[] = {{5, kSquint}, {30, kSquint}, {45, 12345}, {-1, 12345}};
    groups.selected_sat = "AO-40";
    for (const auto& k : cases) {
        fill_row(3, -45, 0, 0.2, k.squint);
        SkyTrackWindow& f = open();
        f.Check1.setValue(1);
        f.Timer1_Timer();
        EXPECT_TRUE(colour_near(150, -45, k.colour)) << k.squint;
    }
}

TEST_F(SkyTrackChart, TheMaskHidesTheSkyBelowTheHorizonAndTheWindowShowsOnlyTheUpperHalf) {
    fill_row(2, -45, 0, 0.2);
    SkyTrackWindow& f = open();
    f.Timer1_Timer();
    EXPECT_EQ(f.height(), kSkyTrackWindowUpperHeight);
    EXPECT_EQ(f.Picture1.Point(150, -45), 192 + 256 * 192 + 65536 * 192);
    f.Check1.setValue(1);
    f.Timer1_Timer();
    EXPECT_EQ(f.height(), kSkyTrackWindowWholeHeight);
    EXPECT_TRUE(colour_near(150, -45, kSlot2));
}

TEST_F(SkyTrackChart, SunMoonAndPresentPositionOnlyForTodaysChart) {
    bodies.sun_az = 200;  // clear of the grid lines drawn over them
    bodies.sun_el = 45;
    bodies.moon_az = 320;
    bodies.moon_el = 45;
    orbit.selected_az = deg_to_rad(250);
    orbit.selected_el = deg_to_rad(20);
    SkyTrackWindow& f = open();
    f.Timer1_Timer();
    EXPECT_EQ(f.Picture1.Point(200, 45), kSunColour);
    EXPECT_EQ(f.Picture1.Point(320, 45), kMoonColour);
    EXPECT_EQ(f.Picture1.Point(250, 20), kRed);
    time.time_day_offset = 1;
    f.Timer1_Timer();
    EXPECT_NE(f.Picture1.Point(200, 45), kSunColour);
    EXPECT_NE(f.Picture1.Point(320, 45), kMoonColour);
    EXPECT_NE(f.Picture1.Point(250, 20), kRed);
}

TEST_F(SkyTrackChart, NearestPassModeDrawsThePassAroundTheDisplayedMinute) {
    TimelineRow& row = chart.timeline.row(2);
    for (int m = 1; m <= 1440; ++m) row.timeline_el[m] = deg_to_rad(m >= 800 && m <= 810 ? 20 : -10);
    ini_write(Section{"KISEKI"}, Key{"FORM7_KISEKI_ALL"}, "0", torv_ini());
    SkyTrackWindow& f = open();
    time.display_time = make_datetime({2018, 1, 21, 13, 25, 0});  // minute 805: up
    f.Timer1_Timer();
    EXPECT_EQ(f.track_start, 799);
    EXPECT_EQ(f.track_end, 811);
    chart.chart_shift = 1;  // 13:25 is minute 85 of the 12:00 chart: the pass is still to come
    f.Timer1_Timer();
    EXPECT_EQ(f.track_start, 800);
    EXPECT_EQ(f.track_end, 811);
    f.menu_f7_kidou_disp_all_Click();
    f.Timer1_Timer();
    EXPECT_EQ(f.track_start, 1);
    EXPECT_EQ(f.track_end, 1439);
}

TEST_F(SkyTrackChart, TheStoredModeSetsTheMenuTheBoxAndIsStoredBackByTheMenu) {
    const struct {
        const char* stored;  // nullptr: no key
        bool whole;
        const char* after;
    } cases[] = {{nullptr, true, "ERROR"}, {"1", true, "1"}, {"0", false, "0"}, {"2", false, "0"}};
    for (const auto& k : cases) {
        std::filesystem::remove(torv_ini());
        if (k.stored) ini_write(Section{"KISEKI"}, Key{"FORM7_KISEKI_ALL"}, k.stored, torv_ini());
        SkyTrackWindow& f = open();
        const char* what = k.stored ? k.stored : "absent";
        EXPECT_EQ(f.track_whole_day, k.whole ? 1 : 0) << what;
        EXPECT_EQ(f.Check2.value(), k.whole ? 0 : 1) << what;
        EXPECT_EQ(f.menu_f7_kidou_disp_all.checked(), k.whole) << what;
        EXPECT_EQ(f.menu_f7_kidou_disp_part.checked(), !k.whole) << what;
        EXPECT_EQ(stored_mode(), k.after) << what;
    }
}

TEST_F(SkyTrackChart, TheCheckBoxSwitchesTheModeWithoutStoringItTheMenuStoresIt) {
    ini_write(Section{"KISEKI"}, Key{"FORM7_KISEKI_ALL"}, "1", torv_ini());
    SkyTrackWindow& f = open();
    f.Check2.setValue(1);
    EXPECT_EQ(f.track_whole_day, 0);
    EXPECT_TRUE(f.menu_f7_kidou_disp_part.checked());
    EXPECT_FALSE(f.menu_f7_kidou_disp_all.checked());
    EXPECT_EQ(stored_mode(), "1");
    f.menu_f7_kidou_disp_part.Click();
    EXPECT_EQ(stored_mode(), "0");
    EXPECT_EQ(f.kiseki_all_text, "0");
    f.menu_f7_kidou_disp_all.Click();
    EXPECT_EQ(f.Check2.value(), 0);
    EXPECT_EQ(f.track_whole_day, 1);
    EXPECT_EQ(stored_mode(), "1");
}

TEST_F(SkyTrackChart, TheSkyPictureFollowsTheSunAndNightTextIsRed) {
    const struct {
        double sun_el;
        const char* file;
        platform::ColorValue text;
    } cases[] = {{10, "skya7_18.BMP", 0}, {9.5, "skya18_19.BMP", 0}, {0.5, "skya18_19.BMP", 0}, {0, "skya19_6.BMP", kRed}};
    SkyTrackWindow& f = open();
    for (const auto& k : cases) {
        bodies.sun_el = k.sun_el;
        f.Timer1_Timer();
        const QImage expected = QImage(QString::fromStdString(dir.file(k.file))).scaled(f.Picture1.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        EXPECT_EQ(f.Picture1.picture(), expected) << k.sun_el;
        EXPECT_EQ(f.Picture1.foreColor, k.text) << k.sun_el;
    }
}

TEST_F(SkyTrackChart, TheSkyPictureIsReadAgainOnlyWhenItsFileChanges) {
    namespace fs = std::filesystem;
    SkyTrackWindow& f = open();
    f.Timer1_Timer();
    const QImage day = f.Picture1.picture();
    // Another picture in the file under the same time stamp: not read again.
    const fs::path file = dir.file("skya7_18.BMP");
    const auto stamp = fs::last_write_time(file);
    fs::copy_file(dir.file("skya19_6.BMP"), file, fs::copy_options::overwrite_existing);
    fs::last_write_time(file, stamp);
    f.Timer1_Timer();
    EXPECT_EQ(f.Picture1.picture(), day);
    // The file written anew: read again.
    fs::last_write_time(file, stamp + std::chrono::seconds(5));
    f.Timer1_Timer();
    EXPECT_NE(f.Picture1.picture(), day);
    // A missing picture leaves the plain background.
    fs::remove(file);
    f.Timer1_Timer();
    EXPECT_TRUE(f.Picture1.picture().isNull());
}

TEST_F(SkyTrackChart, ReadOutsBlueAboveTheHorizonAndTheSquintOnlyForAo40) {
    SkyTrackWindow& f = open();
    const std::pair<const char*, platform::ColorValue> cases[] = {
        {"12.5", 16711680}, {"0.0", 16711680}, {"-3.0", 0}, {"", 16711680}};
    for (const auto& [el, colour] : cases) {
        f.Label8.setCaption(QString::fromUtf8(el));
        f.Timer1_Timer();
        for (platform::Label* l : {&f.Label6, &f.Label8, &f.Label10}) EXPECT_EQ(l->foreColor(), colour) << el;
    }
    EXPECT_TRUE(f.Label10.isHidden());
    groups.selected_sat = "AO-40";
    f.Timer1_Timer();
    EXPECT_FALSE(f.Label9.isHidden());
    EXPECT_FALSE(f.Label10.isHidden());
}

TEST_F(SkyTrackChart, ShowsTheClockDateWithTheDayOffsetAndThePointersPlace) {
    SkyTrackWindow& f = open();
    time.time_day_offset = -2;
    f.Timer1_Timer();
    EXPECT_EQ(f.Label1.caption(), "2018/01/19 12:00:00");
    f.Picture1_MouseMove(123.4, -45.6);
    EXPECT_EQ(f.Picture1.toolTip(), "123, -46");
}
