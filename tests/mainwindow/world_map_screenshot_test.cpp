#include <QCoreApplication>
#include <QElapsedTimer>
#include <gtest/gtest.h>

#include <filesystem>

#include "support/main_harness.h"

// Pictures of the main window after its own timers have run a few ticks on the default
// data and pictures, taken by tools/screenshot.sh under a real X server (skipped when the
// file is not named):
// - docs/world_map.png at the test clock (the element sets' epoch): satellites, trails,
//   footprints and the station on the world map;
// - docs/bodies.png with the Sun, the Moon and Mars shown as icons and AO-40's attitude
//   on the orbit-plane view: the bodies on the world map and the sky view, the orbit;
// - docs/chart_sky_view.png at 05:53 local time on 21 January, when three satellites of
//   group A are up: the chart rows, the pass list and the sky view with its captions.
namespace {

void save_running_window(MainHarness& h, const QString& file) {
    namespace fs = std::filesystem;
    for (const fs::directory_entry& e : fs::directory_iterator(fs::path(TORV_DATA)))
        fs::copy_file(e.path(), h.dir.file(e.path().filename().string()), fs::copy_options::skip_existing);
    torv::MainWindow& f = h.main_window();
    f.Show();
    QElapsedTimer running;
    running.start();
    while (running.elapsed() < 3000) QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    ASSERT_TRUE(f.grab().save(file));
}

}  // namespace

TEST(WorldMapScreenshot, SavesTheRunningWindowWhenAsked) {
    const QString file = qEnvironmentVariable("TORV_WORLD_MAP_SCREENSHOT");
    if (file.isEmpty()) GTEST_SKIP() << "TORV_WORLD_MAP_SCREENSHOT not set";
    MainHarness h;
    save_running_window(h, file);
}

TEST(ChartAndSkyScreenshot, SavesTheRunningWindowWithSatellitesUpWhenAsked) {
    const QString file = qEnvironmentVariable("TORV_CHART_SCREENSHOT");
    if (file.isEmpty()) GTEST_SKIP() << "TORV_CHART_SCREENSHOT not set";
    MainHarness h({{"REDA_DISP_INFO", "DISP", "1"}});
    platform::clock_fix({2018, 1, 20, 20, 53, 0});
    save_running_window(h, file);
}

TEST(BodiesScreenshot, SavesTheRunningWindowWithTheBodiesWhenAsked) {
    const QString file = qEnvironmentVariable("TORV_BODIES_SCREENSHOT");
    if (file.isEmpty()) GTEST_SKIP() << "TORV_BODIES_SCREENSHOT not set";
    MainHarness h({{"SUN", "DISP", "2"}, {"MOON", "DISP", "2"}, {"KASEI", "DISP", "2"}});
    save_running_window(h, file);
}
