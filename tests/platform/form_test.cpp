#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <cstdlib>
#include <ctime>
#include <string>
#include <tuple>

#include "platform/clock.h"
#include "platform/controls.h"
#include "platform/form.h"
#include "platform/menu.h"
#include "platform/msg_box.h"

namespace {

class CountingForm : public platform::Form {
public:
    explicit CountingForm(int* loads) : loads_(loads) {}
    bool refuse = false;

protected:
    void Form_Load() override { ++*loads_; }
    void Form_Unload(bool& cancel) override { cancel = refuse; }

private:
    int* loads_;
};

}  // namespace

TEST(FormInstance, LoadsOnFirstUseAndAgainAfterUnload) {
    int loads = 0;
    platform::FormInstance<CountingForm> form([&] { return std::make_unique<CountingForm>(&loads); });
    EXPECT_FALSE(form.exists());
    form().setCaption("x");
    form().Show();
    EXPECT_EQ(loads, 1);

    form().refuse = true;
    EXPECT_FALSE(form.Unload());
    EXPECT_TRUE(form.exists());

    form().refuse = false;
    EXPECT_TRUE(form.Unload());
    EXPECT_FALSE(form.exists());
    form();
    EXPECT_EQ(loads, 2);
}

namespace {

// A window whose timer runs from its creation.
class TickingForm : public platform::Form {
public:
    TickingForm() { Timer1.setInterval(1000); }
    platform::Timer Timer1{this};
};

}  // namespace

TEST(FormInstance, UnloadStopsTheWindowsTimersBeforeItIsDeleted) {
    platform::FormInstance<TickingForm> form;
    const QPointer<TickingForm> unloaded = &form();
    ASSERT_TRUE(unloaded->Timer1.enabled());
    EXPECT_TRUE(form.Unload());
    ASSERT_TRUE(unloaded);  // deleted once the events come round
    EXPECT_FALSE(unloaded->Timer1.enabled());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(unloaded);
}

TEST(FormSet, EndingStopsEveryTimerAndKeepsTheWindowsUnloadedAfterwards) {
    platform::FormSet set;
    platform::FormInstance<TickingForm> a(set), b(set);
    TickingForm& first = a();
    b();
    EXPECT_EQ(set.made(), 2);
    set.end();
    EXPECT_FALSE(a().Timer1.enabled());
    EXPECT_FALSE(b().Timer1.enabled());
    EXPECT_TRUE(a.Unload());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(&a(), &first);
    EXPECT_FALSE(first.isVisible());
    EXPECT_EQ(set.made(), 2);
}

TEST(Form, GeometryIsInTwips) {
    int loads = 0;
    CountingForm f(&loads);
    f.move_twips(1500, 3000, 4500, 6000);
    EXPECT_EQ(f.QWidget::width(), 300);
    EXPECT_EQ(f.width(), 4500);
    EXPECT_EQ(f.height(), 6000);
    platform::Label label(&f);
    platform::place(&label, 150, 300, 1500, 450);
    EXPECT_EQ(label.geometry(), QRect(10, 20, 100, 30));
}

TEST(Timer, FiresOnlyWhileEnabledWithAnInterval) {
    platform::Timer t(nullptr);
    int ticks = 0;
    t.Timer_ = [&] { ++ticks; };
    auto pump = [](int ms) {
        QElapsedTimer e;
        e.start();
        while (e.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    };
    pump(30);
    EXPECT_EQ(ticks, 0);  // no interval yet
    t.setInterval(10);
    pump(60);
    EXPECT_GT(ticks, 0);
    t.setEnabled(false);
    const int before = ticks;
    pump(40);
    EXPECT_EQ(ticks, before);
}

TEST(MsgBox, RecorderTakesTextsAndScriptedAnswers) {
    platform::MsgBoxRecorder recorder;  // nested over the one of the test program
    recorder.answers = {platform::vbNo};
    EXPECT_EQ(platform::msg_box(std::string("よろしいですか"), platform::MsgButtons::YesNo), platform::vbNo);
    EXPECT_EQ(platform::msg_box(std::string("次"), platform::MsgButtons::YesNo), platform::vbYes);
    EXPECT_EQ(recorder.texts, (std::vector<std::string>{"よろしいですか", "次"}));
}

// The clock reads the true instant in UTC whatever time zone the machine runs in, for
// the system clock as for an instant a test fixed.
TEST(Clock, ReadsUtcInEveryTimeZone) {
    const char* before = std::getenv("TZ");
    const std::string saved = before ? before : "";
    for (const char* zone : {"UTC", "Asia/Tokyo", "America/New_York"}) {
        setenv("TZ", zone, 1);
        tzset();
        platform::clock_fix({2005, 1, 27, 10, 25, 0});
        const platform::ClockReading r = platform::clock_utc_now();
        EXPECT_EQ(std::tie(r.year, r.month, r.day, r.hour, r.minute, r.second),
                  std::make_tuple(2005, 1, 27, 10, 25, 0))
            << zone;
        platform::clock_release();
        const std::time_t now = std::time(nullptr);
        std::tm utc{};
        gmtime_r(&now, &utc);
        const platform::ClockReading live = platform::clock_utc_now();
        EXPECT_EQ(live.day, utc.tm_mday) << zone;
        EXPECT_EQ(live.hour, utc.tm_hour) << zone;
    }
    if (before) setenv("TZ", saved.c_str(), 1); else unsetenv("TZ");
    tzset();
}

TEST(MenuItem, ControlsCountFromBelowTheMenuBarAndHandlersOwnTheCheckMarks) {
    int loads = 0;
    CountingForm f(&loads);
    platform::MenuItem file(f, "ファイル");
    platform::MenuItem sub(file, "表示", platform::MenuItem::Menu);
    platform::MenuItem on(sub, "する"), off(sub, "しない");
    int clicks = 0;
    on.Click = [&] {
        ++clicks;
        on.setChecked(true);
        off.setChecked(false);
    };
    off.setChecked(true);
    on.action()->trigger();
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(on.checked());
    EXPECT_FALSE(off.checked());
    off.action()->trigger();  // no handler: the mark stays where the code put it
    EXPECT_FALSE(off.checked());

    platform::Label label(&f);
    platform::place(&label, 150, 300, 1500, 450);
    EXPECT_GT(f.client_top_px(), 0);
    EXPECT_EQ(label.geometry(), QRect(10, 20 + f.client_top_px(), 100, 30));
}
