#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>
#include <functional>
#include <vector>

#include "app/app.h"
#include "common/settings_store.h"
#include "platform/clock.h"
#include "support/program_fixture.h"
#include "support/pump_until.h"

using namespace torv;

namespace {

// The whole program on the default data, its windows opened and closed as the operator
// would, with the program's own timers running. The station has a call sign, so the
// station dialog closes without a change.
struct ClosingWindows : ProgramOnDefaultData {
    void configure(const std::string& ini) override { ini_write(Section{"POSITION"}, Key{"CALL"}, "JA1ZZZ", ini); }
    QString published(const char* item) const { return app->item_server.value(LiveValuesWindow::kTopic, item); }

    // The running timers of every window there is.
    static std::vector<platform::Timer*> running_timers() {
        std::vector<platform::Timer*> running;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* form = qobject_cast<platform::Form*>(w))
                for (platform::Timer* t : form->findChildren<platform::Timer*>())
                    if (t->enabled() && t->interval() > 0) running.push_back(t);
        return running;
    }

    // Moves the clock on and waits (bounded) for the main window's own tick to publish
    // the selected satellite's new range rate.
    bool next_main_tick(int minutes) {
        platform::clock_fix({2018, 1, 21, 3, minutes, 0});
        const QString before = published("Text7");
        return pump_until([&] { return published("Text7") != before; });
    }
};

struct Opened {
    const char* name;
    std::function<platform::Form&(App&)> window;
};

// The window of an instance, shown.
template <class F>
Opened opened(const char* name, platform::FormInstance<F> App::*instance) {
    return {name, [instance](App& a) -> platform::Form& {
                F& w = (a.*instance)();
                w.Show();
                return w;
            }};
}

std::vector<Opened> every_window() {
    return {opened("ProgressWindow", &App::progress_window),
            opened("VersionWindow", &App::version_window),
            opened("ElementUpdateWindow", &App::element_update_window),
            opened("ElementSourceWindow", &App::element_source_window),
            opened("LiveValuesWindow", &App::live_values_window),
            opened("Ft847Window", &App::ft847),
            opened("Ft736Window", &App::ft736),
            opened("Ts2000Window", &App::ts2000),
            opened("Ic910Window", &App::ic910),
            opened("Ic910ChannelNamesDialog", &App::ic910_channel_names_dialog),
            opened("SatInfoEditor", &App::sat_info_editor),
            opened("CwMessageEditor", &App::cw_message_editor),
            opened("WeekTableWindow", &App::week_table_window),
            opened("PartnerWeekTableWindow", &App::partner_week_table_window),
            opened("SkyTrackWindow", &App::sky_track_window),
            opened("LocalZoomWindow", &App::local_zoom_window),
            opened("PartnerZoomWindow", &App::partner_zoom_window),
            opened("WorldZoomWindow", &App::world_zoom_window),
            opened("ScheduleWindow", &App::schedule_window),
            opened("StationDialog", &App::station_dialog),
            opened("GroupSettingsDialog", &App::group_settings_dialog),
            opened("PartnerStationDialog", &App::partner_station_dialog)};
}

}  // namespace

TEST_F(ClosingWindows, EveryWindowClosedByItsCloseBoxThenTheMainWindowLeavesNothingTicking) {
    MainWindow& main = app->main_window();
    ASSERT_TRUE(next_main_tick(5));  // the main loop runs
    main.menu_dde.Click();           // 表示 → ＤＤＥ情報表示
    const QPointer<LiveValuesWindow> dde = &app->live_values_window();
    for (const Opened& o : every_window()) {
        SCOPED_TRACE(o.name);
        platform::Form& w = o.window(*app);
        ASSERT_TRUE(w.isVisible());
        w.close();
        EXPECT_FALSE(w.isVisible());
    }
    ASSERT_TRUE(app->main_window.exists());
    settle();  // the closed windows are gone

    // The export window closed by its close box is only hidden: the main loop goes on
    // publishing through it, and shown again it holds what the clients were sent.
    ASSERT_TRUE(dde);
    EXPECT_FALSE(dde->isVisible());
    for (int minutes = 10; minutes <= 30; minutes += 10) ASSERT_TRUE(next_main_tick(minutes)) << minutes;
    main.Timer2_Timer();
    main.Timer3_Timer();
    // loaded again, hidden, by the tick
    if (SkyTrackWindow* chart = app->sky_track_window.existing()) chart->Timer1_Timer();
    main.menu_dde.Click();
    ASSERT_EQ(&app->live_values_window(), dde);
    EXPECT_TRUE(dde->isVisible());
    for (const char* item : {"Text2", "Text7", "Text14", "Text25"}) {
        EXPECT_NE(dde->item_text(item), item) << item;
        EXPECT_EQ(dde->item_text(item), published(item)) << item;
    }

    // The main window's close box ends the program: no window ticks any more, and a
    // handler still on its way (as one under a wait would be) reaches the windows there
    // are, neither a deleted one nor a new one.
    const int made = app->windows.made();
    main.close();
    EXPECT_TRUE(running_timers().empty());
    main.Timer1_Timer();
    main.Timer2_Timer();
    main.Timer3_Timer();
    settle();
    EXPECT_EQ(app->windows.made(), made);
    ASSERT_TRUE(app->main_window.exists());
    EXPECT_EQ(&app->main_window(), &main);
    EXPECT_FALSE(main.isVisible());
    EXPECT_TRUE(running_timers().empty());
}
