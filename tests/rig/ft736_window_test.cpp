#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QTimer>
#include <functional>

#include "common/number_text.h"
#include "common/sat_records.h"
#include "platform/qt_color.h"
#include "rig/ft736_window.h"
#include "sim/ft736_sim.h"
#include "support/rig_fixture.h"

using namespace torv;

namespace {

using Frames = std::vector<std::string>;

const Frames kStopFrames = {"0000000088", "000000008E", "0000000080"};
const char* const kNotRunning = "FT736がＣＡＴ運用のモードになっていません";

bool has_color(const platform::CommandButton& b, platform::ColorValue c) {
    return b.palette().color(QPalette::Button) == platform::to_qcolor(c);
}

// The FT-736 window on a simulated radio.
struct Ft736Fixture : RigFixture<Ft736Window, sim::Ft736Sim> {
    bool unloaded = false;
    int running_at_unload = -1;  // the link flag when the window went

    void SetUp() override {
        RigFixture::SetUp();
        ini_write(Section{"SAT-INFO"}, Key{"FO-29"}, "0:145.9:2:435.9:1::1:,:,:0:", torv_ini());
        ini_write(Section{"SAT-INFO"}, Key{"MB-1"}, "0:435.8:2:145.9:1::1:,:,:0:", torv_ini());
        ini_write(Section{"SAT-INFO"}, Key{"LN-1"}, "0:145.9:2:435.1:1::1:,:,:0:", torv_ini());
        ini_write(Section{"SAT-INFO"}, Key{"SO-50"}, "0:145.85:4:436.795:4::0:,:,:0:", torv_ini());
        ini_write(Section{"SAT-INFO"}, Key{"AO-51"}, "0:145.92:4:435.3:4::0:,:,:0:", torv_ini());
        ports.ft736 = {.enable = "1", .port = "COM3", .speed = "4800"};
        apply_freq_range(sat_values, kDefaultSatFreqRange);
    }
    Ft736Window& window(const std::string& sat = "FO-29") {
        if (f) f->stop_operation();
        Ft736Window& w = RigFixture::window(sat);
        unloaded = false;
        running_at_unload = -1;
        w.on_unloaded = [this] {
            unloaded = true;
            running_at_unload = ctx.mirror.ft736_running;
        };
        return w;
    }
    Ft736Window& started(const std::string& sat = "FO-29") {
        Ft736Window& w = window(sat);
        w.Command2_Click();
        settle();
        return w;
    }
    void key(QWidget& to, bool repeat = false) {
        QKeyEvent e(QEvent::KeyPress, Qt::Key_Control, Qt::ControlModifier, QString(), repeat);
        QCoreApplication::sendEvent(&to, &e);
    }
};

}  // namespace

TEST_F(Ft736Fixture, SetUpLeavesBothSidesAutomaticWithTheTuningSlidersLocked) {
    Ft736Window& w = window();
    EXPECT_EQ(w.caption(), QString("ＦＴ７３６リモートコントロール"));
    EXPECT_EQ(w.Label4.caption(), "FO-29");
    EXPECT_EQ(w.Label14.caption(), "反転");
    EXPECT_EQ(ctx.mirror.ft736_fixed_side, 2);
    EXPECT_EQ(ctx.mirror.ft736_rx_auto, 1);
    EXPECT_EQ(w.Label2.backColor(), kYellow);
    EXPECT_TRUE(w.Command2.isEnabled());
    EXPECT_EQ(w.Command2.caption(), "FT736CAT運用開始");
    for (platform::HScrollBar* slider : {&w.HScroll3, &w.HScroll4}) EXPECT_FALSE(slider->isEnabled());
    EXPECT_EQ(w.Label26.caption(), "0");
    EXPECT_FALSE(w.Label28.isEnabled());
    // The read buttons are the sliders' hidden routines.
    EXPECT_FALSE(w.Command13.isVisibleTo(&w));
    EXPECT_FALSE(w.Command14.isVisibleTo(&w));
    EXPECT_TRUE(w.Command16.isVisibleTo(&w));

    ports.ft736.enable = "0";
    w.form_load();
    EXPECT_FALSE(w.Command2.isEnabled());
}

TEST_F(Ft736Fixture, StartAndStopSendTheirSequencesAndTheStopSavesTheCorrections) {
    Ft736Window& w = started();
    // CAT on, satellite mode on, PTT off, then the receive and the transmit mode.
    EXPECT_EQ(radio.frames(), (Frames{"0000000000", "000000000E", "0000000088", "0100000017", "0000000027"}));
    EXPECT_EQ(w.MSComm1.Settings, "4800,n,8,2");
    EXPECT_EQ(w.MSComm1.RThreshold, 5);
    EXPECT_TRUE(radio.state.cat_on && radio.state.sat_mode);
    EXPECT_EQ(radio.state.rx_mode, 0x01);
    EXPECT_EQ(radio.state.tx_mode, 0x00);
    EXPECT_EQ(ctx.mirror.ft736_running, 1);
    EXPECT_EQ(w.Label15.caption(), "COM OPEN");
    EXPECT_EQ(w.Command2.caption(), "FT736CAT運用終了");
    EXPECT_TRUE(has_color(w.Command2, kGreen));
    EXPECT_TRUE(recorder().texts.empty());

    w.HScroll1.setValue(20);
    w.HScroll2.setValue(-40);
    const size_t mark = radio.mark();
    w.Command2_Click();
    settle();
    EXPECT_EQ(radio.frames_since(mark), kStopFrames);
    EXPECT_FALSE(radio.state.cat_on || radio.state.sat_mode);
    EXPECT_EQ(ctx.mirror.ft736_running, 0);
    EXPECT_FALSE(w.MSComm1.PortOpen());
    EXPECT_EQ(w.Label15.caption(), "COM CLOSE");
    EXPECT_EQ(w.Command2.caption(), "FT736CAT運用開始");
    EXPECT_EQ(ini_read(Section{"SAT-INFO"}, Key{"FO-29"}, torv_ini()), "0:145.9:2:435.9:1::1:,: 20,-40: 0:");
}

TEST_F(Ft736Fixture, TickSendsTheAutomaticSidesFrequencies) {
    Ft736Window& w = started("MB-1");
    EXPECT_EQ(tick(), (Frames{"435800002E", "145900001E"}));
    EXPECT_DOUBLE_EQ(radio.state.tx_freq, 435.8);
    EXPECT_DOUBLE_EQ(radio.state.rx_freq, 145.9);
    // A manual side is computed and shown but not sent.
    w.Command12_Click();
    EXPECT_EQ(tick(), Frames{"145900001E"});
    EXPECT_EQ(w.Label1.caption(), "435.80000");
}

TEST_F(Ft736Fixture, FrequenciesTheFirstByteCannotCarrySendNoFrame) {
    started("MB-1");
    struct Case {
        const char* uplink;
        const char* mode_frame;       // "" none
        const char* frequency_frame;  // "" none
    };
    const Case cases[] = {
        {"1296.0", "0000000027", "C96000002E"},
        {"1269.5", "0000000027", "C69500002E"},
        {"1100", "0000000027", ""},
        {"1300", "0000000027", ""},
        {"1300.5", "", ""},  // above 1300 MHz: neither mode nor frequency
        {"1200", "0000000027", "C00000002E"},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.uplink);
        const std::string sat = "L-" + std::to_string(++n);
        ini_write(Section{"SAT-INFO"}, Key{sat}, std::string("0:") + c.uplink + ":2:435.8:1::0:,:,:0:", torv_ini());
        selected_sat = sat;  // the next tick sets the window up for it
        Frames tx;
        for (const std::string& frame : tick())
            if (frame.ends_with("27") || frame.ends_with("2E")) tx.push_back(frame);
        Frames expected;
        for (const char* frame : {c.mode_frame, c.frequency_frame})
            if (*frame) expected.push_back(frame);
        EXPECT_EQ(tx, expected);
    }
    EXPECT_DOUBLE_EQ(radio.state.tx_freq, 1200.0);
    EXPECT_EQ(radio.state.unknown_frames, 0);
}

TEST_F(Ft736Fixture, The67HzToneGoesToAo51AndSo50Only) {
    struct Case {
        const char* sat;
        bool tone;
        bool burst_button;
    };
    for (const Case& c : {Case{"SO-50", true, true}, Case{"AO-51", true, false}, Case{"FO-29", false, false}}) {
        SCOPED_TRACE(c.sat);
        radio.state.tone_code = -1;
        Ft736Window& w = started(c.sat);
        EXPECT_EQ(radio.state.tone_code, c.tone ? 0x1D : -1);
        EXPECT_EQ(w.Command15.isVisibleTo(&w), c.burst_button);
        EXPECT_EQ(w.Label25.caption(), c.tone ? "トーン信号６７ＨＺをセット" : "");
        // Every change of the transmit mode applies the rule again.
        w.Command6.click();
        const Frames frames = tick();
        EXPECT_EQ(std::count(frames.begin(), frames.end(), "1D000000FA"), c.tone ? 1 : 0);
        EXPECT_EQ(frames.front(), "0100000027");
    }
}

TEST_F(Ft736Fixture, So50BurstKeysTheTransmitterWithTheOtherToneAndTheNextTickRestores67Hz) {
    Ft736Window& w = started("SO-50");
    const size_t mark = radio.mark();
    w.Command15_Click();
    settle();
    EXPECT_EQ(radio.frames_since(mark), (Frames{"1B000000FA", "0000000008", "0000000088"}));
    EXPECT_FALSE(radio.state.ptt);
    EXPECT_EQ(radio.state.tone_code, 0x1B);
    EXPECT_EQ(w.Label25.caption(), "ＣＴＣＳＳトーン信号７４．４ＨＺを送信完了");
    EXPECT_EQ(w.ptt_on, 0);
    EXPECT_TRUE(has_color(w.Command15, ctx.backcolor));
    const Frames frames = tick();
    EXPECT_EQ(Frames(frames.begin(), frames.begin() + 2), (Frames{"0800000027", "1D000000FA"}));
    EXPECT_EQ(radio.state.tone_code, 0x1D);
}

TEST_F(Ft736Fixture, TuningSlidersMoveAManualSideFromWhereItStood) {
    Ft736Window& w = started("LN-1");  // inverting, receive side fixed, K = 581.0
    w.HScroll2.setValue(20);       // receive correction +1 kHz
    tick();
    w.Command11_Click();  // receive side manual at 435.1
    EXPECT_TRUE(w.HScroll3.isEnabled());
    EXPECT_DOUBLE_EQ(w.rx_snapshot_mhz, 435.1);
    EXPECT_EQ(tick(), Frames{"145900002E"});

    // +25 kHz: both frames once, the receive one with its correction.
    size_t mark = radio.mark();
    w.HScroll3.setValue(25);
    settle();
    EXPECT_EQ(radio.frames_since(mark), (Frames{"145875002E", "435126001E"}));
    EXPECT_DOUBLE_EQ(w.state.rx_sum, 435.125);
    EXPECT_EQ(w.state.rx_base_text, "435.125");
    EXPECT_EQ(w.state.tx_base_text, " 145.875");
    EXPECT_EQ(w.Label26.caption(), "25");
    EXPECT_EQ(w.state.rx_auto, 0);
    EXPECT_EQ(ctx.mirror.ft736_rx_auto, 0);
    EXPECT_TRUE(w.Timer1.enabled());
    w.Timer1.setEnabled(false);
    EXPECT_EQ(tick(), Frames{"145875002E"});

    // The transmit slider only tells where the transmitter was tuned: no frame at once.
    w.Command12_Click();  // transmit side manual at its last known 145.9
    mark = radio.mark();
    w.HScroll4.setValue(-10);
    settle();
    EXPECT_TRUE(radio.frames_since(mark).empty());
    EXPECT_DOUBLE_EQ(w.state.tx_sum, 145.89);
    EXPECT_EQ(w.state.tx_base_text, "145.89");
    EXPECT_EQ(w.Label28.caption(), "-10");
    w.Timer1.setEnabled(false);

    // Back to automatic: the slider is locked again and keeps its place.
    w.Command11_Click();
    EXPECT_FALSE(w.HScroll3.isEnabled());
    EXPECT_EQ(w.HScroll3.value(), 25);
}

TEST_F(Ft736Fixture, ArrivingBytesAreShownFiveAtATimeAsDecimals) {
    Ft736Window& w = started();
    radio.send({0x00, 0x0E, 0xFA, 0x43, 0x01});
    ASSERT_TRUE(pump_until([&] { return w.Label15.caption() == " 0 14 250 67 1"; }));
    w.Label15.setCaption("COM OPEN");
    radio.send({1, 2, 3, 4});
    settle();
    EXPECT_EQ(w.Label15.caption(), "COM OPEN");
    radio.send({5});
    ASSERT_TRUE(pump_until([&] { return w.Label15.caption() == " 1 2 3 4 5"; }));
    EXPECT_EQ(w.Label16.caption(), "");
}

TEST_F(Ft736Fixture, CtrlTogglesPttOnAFreshPress) {
    Ft736Window& w = started();
    key(w.Command7);
    key(w.Command7, true);  // held down: repeats nothing
    settle();
    EXPECT_EQ(w.ptt_on, 1);
    EXPECT_TRUE(radio.state.ptt);
    EXPECT_TRUE(has_color(w.Command16, kRed));
    key(w.HScroll1);
    settle();
    EXPECT_FALSE(radio.state.ptt);

    // Link stopped: the window itself focused shows the refusal; a control does not.
    w.Command2_Click();
    recorder().clear();
    w.Command7.setFocus();
    key(w.Command7);
    EXPECT_TRUE(recorder().texts.empty());
    if (QWidget* focused = w.focusWidget()) focused->clearFocus();
    key(w);
    EXPECT_EQ(recorder().texts, Frames{kNotRunning});
}

TEST_F(Ft736Fixture, APortThatDoesNotOpenIsReportedAndTheButtonsRefuse) {
    ini_write(Section{"SERIAL"}, Key{"COM8"}, "/nonexistent/ttyS9", torv_ini());
    ports.ft736.port = "COM8";
    Ft736Window& w = window();
    w.Show();
    w.Command2_Click();
    EXPECT_EQ(recorder().texts, Frames{"ＣＯＭポート　COM8 のオープンができませんでした。"});
    EXPECT_EQ(ctx.mirror.ft736_running, 0);
    EXPECT_FALSE(w.isVisible());
    EXPECT_FALSE(unloaded);
    recorder().clear();
    w.Command16_Click();
    w.Command7.click();
    w.Command11_Click();
    EXPECT_EQ(recorder().texts, Frames(3, kNotRunning));
    EXPECT_EQ(w.ptt_on, 0);
    EXPECT_EQ(w.state.rx_auto, 1);
}

TEST_F(Ft736Fixture, AMissingRecordStopsTheLinkAndUnloadsTheWindow) {
    Ft736Window& w = started();
    w.Command16_Click();  // transmitting
    selected_sat = "XX-9";
    tick();
    EXPECT_EQ(editor_opened, 1);
    EXPECT_EQ(recorder().texts, Frames{"人工衛星の情報登録後、再度実行してください。"});
    EXPECT_TRUE(unloaded);
    EXPECT_EQ(running_at_unload, 0);
    EXPECT_FALSE(radio.state.ptt || radio.state.cat_on || radio.state.sat_mode);
}

// Another window's request waits for its reply (the FT-736 itself never waits): a close,
// by the button or the window's frame, is carried out once that wait ends, and the link
// is stopped before the window goes.
TEST_F(Ft736Fixture, ACloseDuringAPendingWaitStopsTheLinkBeforeTheWindowGoes) {
    const std::pair<const char*, std::function<void(Ft736Window&)>> closes[] = {
        {"終了", [](Ft736Window& w) { w.Command1_Click(); }},
        {"frame", [](Ft736Window& w) { w.close(); }},
    };
    for (const auto& [name, close] : closes) {
        SCOPED_TRACE(name);
        Ft736Window& w = started();
        w.Show();
        w.Command16_Click();  // transmitting
        bool closed = false, unloaded_inside = true;
        QTimer::singleShot(50, [&] {
            close(w);
            closed = true;
            unloaded_inside = unloaded;
        });
        // The other window's wait lasts until the close has been asked for.
        ASSERT_TRUE(wait_sec_until(30.0f, [&] { return closed; }));
        EXPECT_FALSE(unloaded_inside);
        ASSERT_TRUE(pump_until([&] { return unloaded; }));
        settle();
        EXPECT_EQ(running_at_unload, 0);
        EXPECT_FALSE(radio.state.ptt || radio.state.cat_on);
        EXPECT_TRUE(recorder().texts.empty());
    }
}

TEST_F(Ft736Fixture, AMissingRecordDuringAPendingWaitStopsTheLinkBeforeTheWindowGoes) {
    Ft736Window& w = started();
    w.Command16_Click();  // transmitting
    settle();
    selected_sat = "XX-9";
    bool ticked = false, unloaded_inside = true;
    QTimer::singleShot(50, [&] {
        w.Timer1_Timer();
        ticked = true;
        unloaded_inside = unloaded;
    });
    ASSERT_TRUE(wait_sec_until(30.0f, [&] { return ticked; }));
    EXPECT_FALSE(unloaded_inside);
    ASSERT_TRUE(pump_until([&] { return unloaded; }));
    settle();
    EXPECT_EQ(running_at_unload, 0);
    EXPECT_FALSE(radio.state.ptt || radio.state.cat_on || radio.state.sat_mode);
    EXPECT_EQ(recorder().texts, Frames{"人工衛星の情報登録後、再度実行してください。"});
}

// The FM type tracks each side from its own nominal frequency: a receive side tuned by
// the slider goes out at the tuned frequency, not at the tracked one.
TEST_F(Ft736Fixture, AnFmSatellitesReceiveSliderSendsTheTunedFrequency) {
    ini_write(Section{"SAT-INFO"}, Key{"FM-1"}, "0:145.85:4:436.795:4::0:,:,:0:", torv_ini());
    doppler_factor = 1.00001;
    Ft736Window& w = started("FM-1");
    tick();
    w.Command11_Click();  // receive side manual where the last tick had it
    const double tuned = 436.795 * 1.00001 + 0.005;
    const size_t mark = radio.mark();
    w.HScroll3.setValue(5);
    settle();
    const Frames frames = radio.frames_since(mark);
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_TRUE(frames[0].ends_with("2E"));
    EXPECT_EQ(frames[1], "436804361E");
    EXPECT_NEAR(radio.state.rx_freq, tuned, 1e-5);
    EXPECT_DOUBLE_EQ(w.state.rx_sum, tuned);
    EXPECT_EQ(w.state.rx_auto, 0);
    EXPECT_EQ(ctx.mirror.ft736_rx_auto, 0);
    w.Timer1.setEnabled(false);
}
