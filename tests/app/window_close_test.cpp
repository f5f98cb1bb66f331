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
    void configure(const std::string& ini) override { ini_write("JA1ZZZ", "CALL", "POSITION", ini); }
    QString published(const char* item) const { return app->item_server.value(extrn::kTopic, item); }

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
    return {opened("Form17", &App::form17), opened("Form5", &App::form5),      opened("Form4", &App::form4),
            opened("Form16", &App::form16), opened("extrn", &App::extrn_form), opened("form8", &App::ft847),
            opened("Form20", &App::ft736),  opened("Form15", &App::ts2000),    opened("Form18", &App::form18),
            opened("Form19", &App::form19), opened("Form9", &App::form9),      opened("Form22", &App::form22),
            opened("Form6", &App::form6),   opened("Form11", &App::form11),    opened("Form7", &App::form7),
            opened("Form12", &App::form12), opened("Form13", &App::form13),    opened("Form14", &App::form14),
            opened("Form21", &App::form21), opened("Form2", &App::form2),      opened("Form3", &App::form3),
            opened("Form10", &App::form10)};
}

}  // namespace

TEST_F(ClosingWindows, EveryWindowClosedByItsCloseBoxThenTheMainWindowLeavesNothingTicking) {
    Form1& main = app->form1();
    ASSERT_TRUE(next_main_tick(5));  // the main loop runs
    main.menu_dde.Click();           // 表示 → ＤＤＥ情報表示
    const QPointer<extrn> dde = &app->extrn_form();
    for (const Opened& o : every_window()) {
        SCOPED_TRACE(o.name);
        platform::Form& w = o.window(*app);
        ASSERT_TRUE(w.isVisible());
        w.close();
        EXPECT_FALSE(w.isVisible());
    }
    ASSERT_TRUE(app->form1.exists());
    settle();  // the closed windows are gone

    // The export window closed by its close box is only hidden: the main loop goes on
    // publishing through it, and shown again it holds what the clients were sent.
    ASSERT_TRUE(dde);
    EXPECT_FALSE(dde->isVisible());
    for (int minutes = 10; minutes <= 30; minutes += 10) ASSERT_TRUE(next_main_tick(minutes)) << minutes;
    main.Timer2_Timer();
    main.Timer3_Timer();
    if (Form7* chart = app->form7.existing()) chart->Timer1_Timer();  // loaded again, hidden, by the tick
    main.menu_dde.Click();
    ASSERT_EQ(&app->extrn_form(), dde);
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
    ASSERT_TRUE(app->form1.exists());
    EXPECT_EQ(&app->form1(), &main);
    EXPECT_FALSE(main.isVisible());
    EXPECT_TRUE(running_timers().empty());
}
