#include <QCoreApplication>
#include <QElapsedTimer>
#include <gtest/gtest.h>

#include <filesystem>

#include "support/main_harness.h"

// docs/world_map.png: the main window after its own timers have run a few ticks on the
// default data and pictures, at the test clock (the element sets' epoch): satellites,
// trails, footprints and the station on the world map. Taken by tools/screenshot.sh
// under a real X server; skipped otherwise.
TEST(WorldMapScreenshot, SavesTheRunningWindowWhenAsked) {
    const QString file = qEnvironmentVariable("TORV_WORLD_MAP_SCREENSHOT");
    if (file.isEmpty()) GTEST_SKIP() << "TORV_WORLD_MAP_SCREENSHOT not set";
    MainHarness h;
    namespace fs = std::filesystem;
    for (const fs::directory_entry& e : fs::directory_iterator(fs::path(TORV_DATA)))
        fs::copy_file(e.path(), h.dir.file(e.path().filename().string()), fs::copy_options::skip_existing);
    torv::Form1& f = h.form1();
    f.Show();
    QElapsedTimer running;
    running.start();
    while (running.elapsed() < 3000) QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    ASSERT_TRUE(f.grab().save(file));
}
