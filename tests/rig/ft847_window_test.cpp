#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <map>

#include "common/sat_records.h"
#include "common/settings_keys.h"
#include "common/settings_store.h"
#include "common/waits.h"
#include "platform/msg_box.h"
#include "platform/paths.h"
#include "rig/cat_link.h"
#include "rig/ft847_frames.h"
#include "rig/ft847_window.h"
#include "sim/ft847_sim.h"
#include "support/rig_fixture.h"

using namespace torv;

namespace {

const std::vector<std::string> kStopFrames = {"0000000088", "8A0000002A", "000000008E", "0000000080"};

// The FT-847 window on a simulated radio.
struct Ft847Fixture : RigFixture<Ft847Window, sim::Ft847Sim> {
    void SetUp() override {
        RigFixture::SetUp();
        ini_write(Section{"SAT-INFO"}, Key{"FO-29"}, "0:145.9:2:435.9:1::1:,:,:0:", torv_ini());
        ini_write(Section{"SAT-INFO"}, Key{"AO-7"}, "145.8:145.9:2:435.8:1::2:,:,:0:", torv_ini());
        ini_write(Section{"SAT-INFO"}, Key{"SO-50"}, "0:145.85:4:436.795:4::0:,:,:0:", torv_ini());
        ini_write(Section{"SAT-INFO"}, Key{"ISSDG"}, "0:145.99:4:145.8:4::0:,:,:0:", torv_ini());
        ini_write(Section{"SAT-INFO"}, Key{"DEF-1"}, std::string(kDefaultSatInfo), torv_ini());
        ports.ft847 = {.enable = "1", .port = "COM3", .speed = "9600"};
        apply_freq_range(sat_values, kDefaultSatFreqRange);
    }
    Ft847Window& window(const std::string& sat = "FO-29") { return RigFixture::window(sat); }
    Ft847Window& started(const std::string& sat = "FO-29") { return RigFixture::started(sat); }
};

}  // namespace

TEST_F(Ft847Fixture, SetUpFollowsTheRecordAndTheCatSettings) {
    Ft847Window& w = window();
    EXPECT_EQ(w.caption(), QString("ＦＴ８４７リモートコントロール"));
    EXPECT_EQ(w.Label4.caption(), "FO-29");
    EXPECT_EQ(w.Label14.caption(), "反転");
    EXPECT_EQ(w.state.fixed_side, 2);
    EXPECT_EQ(ctx.mirror.ft847_fixed_side, 2);
    EXPECT_EQ(w.Label2.backColor(), kYellow);
    EXPECT_EQ(w.Label1.backColor(), kLightOrange);
    EXPECT_EQ(w.tx_lamps[1].fillColor(), kRed);  // LSB
    EXPECT_EQ(w.rx_lamps[0].fillColor(), kRed);  // USB
    EXPECT_EQ(w.state.tx_auto, 1);
    EXPECT_EQ(ctx.mirror.ft847_rx_auto, 1);
    EXPECT_TRUE(w.Command2.isEnabled());
    EXPECT_FALSE(w.Command13.isEnabled());
    EXPECT_EQ(dde["Text12"], "145.9");
    EXPECT_EQ(dde["Text16"], "USB");
    EXPECT_EQ(w.height(), 6180);
    EXPECT_EQ(w.top(), 630);
    // The default place, moved left as far as the test screen needs to hold the window.
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(w.left(), std::min(9780, (area.right() + 1 - w.frameGeometry().width()) * 15));

    ports.ft847.enable = "0";
    w.form_load();
    EXPECT_FALSE(w.Command2.isEnabled());
}

TEST_F(Ft847Fixture, StartOpensTheLinkWithModesAndTone) {
    sat_values.sat_tone = "88.5";
    Ft847Window& w = started();
    EXPECT_EQ(ctx.mirror.ft847_running, 1);
    EXPECT_EQ(w.Label15.caption(), "COM OPEN");
    EXPECT_EQ(w.Command2.caption(), "FT847CAT運用終了");
    // PTT off follows the opening frames: a radio left keyed by a lost line is unkeyed.
    EXPECT_EQ(radio.frames(), (std::vector<std::string>{"0000000000", "000000004E", "0000000088", "0100000017",
                                                         "0000000027", "0E0000002B", "2A0000002A"}));
    EXPECT_TRUE(radio.state.cat_on && radio.state.sat_mode && radio.state.ctcss_on);
    EXPECT_EQ(radio.state.tone_code, 0x0E);
    EXPECT_EQ(w.Label25.caption(), "トーン信号88.5をセット");
    EXPECT_TRUE(recorder().texts.empty());
}

TEST_F(Ft847Fixture, AToneIsFoundByItsNumberAndOneTheRadioLacksIsSwitchedOff) {
    struct Case {
        std::string tone;
        bool ctcss_on;
        std::string note;
    };
    const Case cases[] = {
        {"88.50", true, "トーン信号88.50をセット"},
        {"199.5", false, tone_missing_note("199.5")},
    };
    for (const Case& c : cases) {
        sat_values.sat_tone = c.tone;
        Ft847Window& w = started();
        EXPECT_EQ(radio.state.ctcss_on, c.ctcss_on) << c.tone;
        if (c.ctcss_on) {
            EXPECT_EQ(radio.state.tone_code, 0x0E);
        }
        EXPECT_EQ(w.Label25.caption().toStdString(), c.note);
        EXPECT_FALSE(w.Command15.isVisibleTo(&w));
        w.stop_operation();
        settle();
    }
}

TEST_F(Ft847Fixture, TickPollsTheMetersAndSendsBothFrequencies) {
    radio.state.s_meter = 0x1F;
    Ft847Window& w = started();
    EXPECT_EQ(tick(), (std::vector<std::string>{"00000000E7", "00000000F7", "1459000021", "4359000011"}));
    EXPECT_DOUBLE_EQ(radio.state.sat_tx_freq, 145.9);
    EXPECT_DOUBLE_EQ(radio.state.sat_rx_freq, 435.9);
    // Every reply empties both status labels: the last one, the transmit status, stays.
    EXPECT_EQ(w.Label15.caption(), "");
    EXPECT_EQ(w.Label16.caption(), " 128");  // not transmitting
    EXPECT_EQ(w.Picture1.Point(30.5, 0.5), kGreen);  // signal strength 31 of 32

    // A side in manual is computed but not sent.
    w.Command12_Click();
    EXPECT_EQ(tick(), (std::vector<std::string>{"00000000E7", "00000000F7", "4359000011"}));
}

TEST_F(Ft847Fixture, StopSendsTheClosingFramesAndSavesTheCorrections) {
    Ft847Window& w = started("DEF-1");
    w.HScroll1.setValue(20);
    w.HScroll2.setValue(-40);
    const size_t mark = radio.mark();
    w.Command2_Click();
    settle();
    EXPECT_EQ(radio.frames_since(mark), kStopFrames);
    EXPECT_FALSE(radio.state.cat_on);
    EXPECT_FALSE(radio.state.sat_mode);
    EXPECT_EQ(ctx.mirror.ft847_running, 0);
    EXPECT_FALSE(w.MSComm1.PortOpen());
    EXPECT_EQ(w.Label15.caption(), "COM CLOSE");
    EXPECT_EQ(w.Command2.caption(), "FT847CAT運用開始");
    EXPECT_EQ(ini_read(Section{"SAT-INFO"}, Key{"DEF-1"}, torv_ini()), "0:146:2:436:1::0:,: 20,-40: 0:");
}

TEST_F(Ft847Fixture, CorrectionsTheRecordCannotHoldAreNotSavedAndTheOperatorIsTold) {
    // 254 bytes as stored: "-1000,-1000" would be read back as "-1000,-100" without the offset.
    const std::string stored = "0:146:2:436:1:" + std::string(226, 'x') + ":0:,: 0, 0: 0:";
    ini_write(Section{"SAT-INFO"}, Key{"LONG-1"}, stored, torv_ini());
    Ft847Window& w = started("LONG-1");
    w.HScroll1.setValue(-1000);
    w.HScroll2.setValue(-1000);
    w.Command2_Click();
    settle();
    EXPECT_EQ(ctx.mirror.ft847_running, 0);
    EXPECT_EQ(recorder().texts, std::vector<std::string>{corrections_too_long_message("LONG-1")});
    EXPECT_EQ(ini_read(Section{"SAT-INFO"}, Key{"LONG-1"}, torv_ini()), stored);
}

TEST_F(Ft847Fixture, SameBandAndTheDigitalSatelliteUseTheMainVfo) {
    Ft847Window& w = started("ISSDG");
    EXPECT_EQ(recorder().texts, std::vector<std::string>{"ＳＰＬＩＴ運用に設定してください\r\n送信周波数は手動設定になります。"});
    EXPECT_FALSE(radio.state.sat_mode);
    EXPECT_EQ(radio.state.main_mode, 0x08);
    const std::vector<std::string> frames = tick();
    EXPECT_EQ(frames.back(), "1458000001");
    EXPECT_DOUBLE_EQ(radio.state.main_freq, 145.8);
    (void)w;
}

TEST_F(Ft847Fixture, APortThatDoesNotOpenIsReportedAndTheLinkStaysStopped) {
    ini_write(Section{"SERIAL"}, Key{"COM8"}, "/nonexistent/ttyS9", torv_ini());
    ports.ft847.port = "COM8";
    Ft847Window& w = window();
    w.Show();
    w.Command2_Click();
    EXPECT_EQ(recorder().texts, std::vector<std::string>{"ＣＯＭポート　COM8 のオープンができませんでした。"});
    EXPECT_EQ(ctx.mirror.ft847_running, 0);
    EXPECT_FALSE(w.isVisible());
    // Operating buttons refuse while the link is stopped.
    recorder().clear();
    w.Command16_Click();
    w.Command7.click();
    EXPECT_EQ(recorder().texts, std::vector<std::string>(2, "ＦＴ８４７がＣＡＴ運用のモードになっていません"));
    EXPECT_EQ(w.ptt_on, 0);
}

TEST_F(Ft847Fixture, MissingRecordIsReportedOncePerSetUp) {
    Ft847Window& w = window("XX-9");
    EXPECT_EQ(editor_opened, 1);
    EXPECT_EQ(w.state.no_sat_info, 1);
    w.Show();
    EXPECT_TRUE(tick().empty());
    EXPECT_EQ(recorder().texts, std::vector<std::string>{"人工衛星の情報登録後、再度実行してください。"});
    EXPECT_FALSE(w.isVisible());
    tick();
    EXPECT_EQ(recorder().texts.size(), 1u);
    // Registering the record resumes the tracking.
    ini_write(Section{"SAT-INFO"}, Key{"XX-9"}, std::string(kDefaultSatInfo), torv_ini());
    w.form_load();
    tick();
    EXPECT_EQ(w.Label2.caption(), "436.00000");
}

TEST_F(Ft847Fixture, ReadBackMovesTheTrackingToTheTunedFrequency) {
    Ft847Window& w = started("AO-7");
    w.Command11_Click();  // receive side manual
    radio.state.sat_rx_freq = 439.7;
    radio.state.sat_rx_mode = 0x01;
    w.Command13_Click();
    EXPECT_DOUBLE_EQ(w.state.rx_sum, 439.7);
    EXPECT_EQ(w.state.rx_base_text, "439.7");
    EXPECT_EQ(w.state.rx_mode, RadioMode::Usb);
    EXPECT_EQ(w.Label16.caption(), " 67");
    EXPECT_EQ(w.reply_count, 4);
    EXPECT_TRUE(w.Timer1.enabled());
    w.Timer1.setEnabled(false);

    // The check of a read value: a fall of more than 10 MHz or above 460 MHz is refused.
    struct Case {
        double previous;
        std::array<uint8_t, 5> reply;
        double kept;
        RadioMode mode;
        bool refused;
    };
    const Case cases[] = {
        {435.8, {0x14, 0x59, 0x00, 0x00, 0x00}, 435.8, RadioMode::Lsb, true},
        {145.9, {0x43, 0x58, 0x00, 0x00, 0x01}, 435.8, RadioMode::Usb, false},
        {435.8, {0x46, 0x10, 0x00, 0x00, 0x01}, 435.8, RadioMode::Usb, true},
    };
    for (const Case& c : cases) {
        recorder().clear();
        w.state.rx_sum = c.previous;
        w.state.rx_mode = RadioMode::Fm;
        w.parse_rx_frequency(c.reply);
        EXPECT_NEAR(w.state.rx_sum, c.kept, 1e-9);
        EXPECT_EQ(w.state.rx_mode, c.mode);
        EXPECT_EQ(recorder().texts.size(), c.refused ? 1u : 0u);
    }

    // An incomplete reply is a communication error and changes nothing.
    w.reply_kind = 2;
    w.reply_count = 5;
    radio.send({0x43, 0x97, 0x00});
    settle();
    EXPECT_EQ(w.Label16.caption(), "通信エラー");
    EXPECT_EQ(w.reply_count, 5);
}

TEST_F(Ft847Fixture, MetersDrawBarsAndGrid) {
    Ft847Window& w = window();
    auto green_columns = [](platform::PictureBox& p, platform::ColorValue color) {
        int n = 0;
        for (int i = 0; i < 32; ++i) n += p.Point(i + 0.5, 0.5) == color;
        return n;
    };
    w.draw_s_meter(0x1F);
    EXPECT_EQ(green_columns(w.Picture1, kGreen), 31);
    w.draw_s_meter(0xE5);
    EXPECT_EQ(green_columns(w.Picture1, kGreen), 5);
    w.draw_po_meter(0x0A);
    EXPECT_EQ(green_columns(w.Picture2, kRed), 10);
    w.draw_po_meter(0x9F);  // not transmitting: grid only
    EXPECT_EQ(green_columns(w.Picture2, kRed), 0);
}

TEST_F(Ft847Fixture, CtrlTogglesPttOnlyOnAFreshPress) {
    Ft847Window& w = started();
    auto press = [&](bool repeat) {
        QKeyEvent e(QEvent::KeyPress, Qt::Key_Control, Qt::ControlModifier, QString(), repeat);
        QCoreApplication::sendEvent(&w.Command7, &e);
    };
    press(false);
    EXPECT_EQ(w.ptt_on, 1);
    press(true);
    press(true);
    EXPECT_EQ(w.ptt_on, 1);
    settle();
    EXPECT_TRUE(radio.state.ptt);
    press(false);
    EXPECT_EQ(w.ptt_on, 0);
    settle();
    EXPECT_FALSE(radio.state.ptt);
}

TEST_F(Ft847Fixture, StopWaitsForAPendingReplyAndExitStopsTheLinkAfterIt) {
    Ft847Window& w = started();
    w.Command16_Click();  // transmitting
    bool ended = false;
    int tried_inside = -1;
    QTimer::singleShot(50, [&] {
        w.stop_operation();
        tried_inside = ctx.mirror.ft847_running;
        w.stop_for_exit([&] { ended = true; });
    });
    // A request waiting for its reply, still waiting when the stops are asked for.
    ASSERT_TRUE(wait_sec_until(30.0f, [&] { return tried_inside != -1; }));
    EXPECT_EQ(tried_inside, 1);
    EXPECT_FALSE(ended);
    ASSERT_TRUE(pump_until([&] { return ended; }));
    settle();
    EXPECT_EQ(ctx.mirror.ft847_running, 0);
    EXPECT_FALSE(radio.state.ptt);
    EXPECT_FALSE(radio.state.cat_on);
}

TEST_F(Ft847Fixture, ATickFallingDueInsideATickDoesNotRun) {
    Ft847Window& w = started();
    int nested_frames = -1;
    QTimer::singleShot(100, [&] {
        const size_t mark = radio.mark();
        w.Timer1_Timer();
        nested_frames = static_cast<int>(radio.frames_since(mark).size());
    });
    const std::vector<std::string> frames = tick();
    EXPECT_EQ(nested_frames, 0);
    EXPECT_EQ(std::count(frames.begin(), frames.end(), "00000000E7"), 1);
}

TEST_F(Ft847Fixture, FrequenciesTheFramesCannotCarryAreNotSent) {
    ini_write(Section{"SAT-INFO"}, Key{"AO-13"}, "1269.5:1268.5:2:435.8:1::0:,:,:0:", torv_ini());
    Ft847Window& w = started("AO-13");
    EXPECT_EQ(std::count(radio.frames().begin(), radio.frames().end(), "0000000027"), 0);
    // Beacon reception above 1000 MHz: no frame rather than a wrong one.
    w.Command17_Click();
    const std::vector<std::string> frames = tick();
    EXPECT_EQ(frames, std::vector<std::string>{"00000000E7"});
}

TEST_F(Ft847Fixture, EndToEndPassAgainstTheSimulator) {
    // The main loop's part: the Doppler factor of the selected satellite every 950 ms.
    const double k = 1.00001;
    QTimer main_loop;
    QObject::connect(&main_loop, &QTimer::timeout, [&] { doppler_factor = k; });
    main_loop.start(950);
    doppler_factor = k;

    Ft847Window& w = started("AO-7");
    w.Timer1.setInterval(300);
    w.Timer1.setEnabled(true);
    ASSERT_TRUE(pump_until([&] { return radio.state.sat_tx_freq > 0 && radio.state.sat_rx_freq > 0; }, 3000));
    // Receive side fixed, non-inverting: downlink k x (435.8 / k), uplink (435.8 / k + K) / k.
    EXPECT_NEAR(radio.state.sat_rx_freq, 435.8, 1e-5);
    EXPECT_NEAR(radio.state.sat_tx_freq, (435.8 / k - 289.9) / k, 1e-5);
    EXPECT_EQ(radio.state.sat_rx_mode, 0x01);
    EXPECT_EQ(radio.state.sat_tx_mode, 0x00);
    EXPECT_EQ(dde["Text12"], freq_text((435.8 / k - 289.9) / k));

    // Pulling the line away mid-pass ends the link (it used to leave it "running" with a
    // generic error text), told once; the window and the main loop keep going.
    radio.unplug();
    ASSERT_TRUE(pump_until([&] { return ctx.mirror.ft847_running == 0; }, 3000));
    EXPECT_EQ(recorder().texts, std::vector<std::string>{line_lost_message("COM3")});
    EXPECT_TRUE(w.Timer1.enabled());
    EXPECT_TRUE(main_loop.isActive());
    doppler_factor = 0.99999;
    QObject::disconnect(&main_loop, nullptr, nullptr, nullptr);
    const std::string moved = freq_text((435.8 / 0.99999 - 289.9) / 0.99999);
    ASSERT_TRUE(pump_until([&] { return dde["Text12"] == moved; }, 3000));
    w.Timer1.setEnabled(false);
}

// The main window chooses another satellite while the tick waits for the meter replies:
// the tick ends with the satellite it began with, and the next one sends the new
// satellite's modes and tone before its frequencies, as every tick does.
TEST_F(Ft847Fixture, ASatelliteChosenDuringTheTicksWaitIsSetUpOnceTheWaitHasEnded) {
    Ft847Window& w = started("FO-29");  // LSB up, USB down
    QTimer::singleShot(0, &w, [&] {
        selected_sat = "SO-50";  // FM both ways, 67 Hz tone
        w.request_setup();
    });
    EXPECT_EQ(tick(), (std::vector<std::string>{"00000000E7", "00000000F7", "1459000021", "4359000011"}));
    ASSERT_TRUE(pump_until([&] { return w.Label4.caption() == "SO-50"; }));
    const std::vector<std::string> next = tick();
    const auto at = [&](const char* frame) { return std::find(next.begin(), next.end(), frame) - next.begin(); };
    ASSERT_LT(at("1458500021"), static_cast<long>(next.size()));
    ASSERT_LT(at("4367950011"), static_cast<long>(next.size()));
    EXPECT_LT(at("0800000027"), at("1458500021"));
    EXPECT_LT(at("0800000017"), at("4367950011"));
    EXPECT_LT(at("2A0000002A"), at("1458500021"));  // the tone on
}

// The line hangs up while the start's notice waits for the operator: the link has ended
// by the time the notice is answered, and the start does not go on to show it running.
TEST_F(Ft847Fixture, ALineLostUnderTheStartsNoticeLeavesTheLinkStopped) {
    Ft847Window& w = window("ISSDG");  // one band: the start asks for split operation
    recorder().on_show = [&] {
        recorder().on_show = nullptr;
        radio.unplug();
        ASSERT_TRUE(pump_until([&] { return ctx.mirror.ft847_running == 0; }));
    };
    w.Command2_Click();
    EXPECT_EQ(recorder().texts.back(), line_lost_message("COM3"));
    EXPECT_EQ(ctx.mirror.ft847_running, 0);
    EXPECT_EQ(w.Command2.caption(), "FT847CAT運用開始");
    EXPECT_FALSE(w.MSComm1.PortOpen());
}

TEST_F(Ft847Fixture, StopAfterAPassLeavesTheRadioOutOfCatAndSatelliteMode) {
    doppler_factor = 0.99998;
    Ft847Window& w = started("FO-29");
    tick();
    EXPECT_NEAR(radio.state.sat_rx_freq, 435.9, 1e-9);
    EXPECT_NEAR(radio.state.sat_tx_freq, (581.8 - 435.9 / 0.99998) / 0.99998, 1e-5);
    w.Command1_Click();
    settle();
    EXPECT_FALSE(radio.state.cat_on);
    EXPECT_FALSE(radio.state.sat_mode);
    EXPECT_FALSE(w.isVisible());
}

TEST_F(Ft847Fixture, BeaconReceptionFollowsTheShiftedBeacon) {
    ini_write(Section{"SAT-INFO"}, Key{"BC-1"}, "145.9:435.8:2:145.95:1::1:,:,:0:", torv_ini());
    sat_values.sat_beacon_mode = "3";
    Ft847Window& w = started("BC-1");
    w.Command11_Click();  // receive side manual: the beacon is sent all the same
    const size_t mark = radio.mark();
    w.Command17_Click();
    settle();
    EXPECT_EQ(radio.frames_since(mark), std::vector<std::string>{"0200000017"});
    EXPECT_EQ(ctx.mirror.ft847_beacon_mode, 1);
    std::vector<std::string> frames = tick();
    EXPECT_EQ(frames.back(), "1459000011");

    // A beacon the transceiver cannot receive here: the notice, and beacon mode ends.
    ini_write(Section{"SAT-INFO"}, Key{"BC-1"}, "0:435.8:2:145.95:1::1:,:,:0:", torv_ini());
    w.form_load();
    recorder().clear();
    frames = tick();
    EXPECT_EQ(recorder().texts, std::vector<std::string>{"ビーコン周波数の確認をしてください。"});
    EXPECT_EQ(w.beacon_on, 0);
    // The next tick sends the receive mode again, which differs from the beacon's.
    frames = tick();
    EXPECT_EQ(frames.front(), "0100000017");
}

TEST_F(Ft847Fixture, RecordValuesOutsideTheirFieldsAreToldOnceAndTakeTheirDefaults) {
    std::vector<std::string> told;
    set_unusable_setting_report([&](const std::string& name) { told.push_back(name); });
    // A beacon of 1E30 MHz, a transmit correction beyond its slider, a converter offset
    // beyond its range.
    ini_write(Section{"SAT-INFO"}, Key{"BAD-1"}, "1E30:435.8:2:145.95:1::1:,: 5000, 20: 99999:", torv_ini());
    Ft847Window& w = started("BAD-1");
    EXPECT_EQ(w.HScroll1.value(), 0);
    EXPECT_EQ(w.HScroll2.value(), 20);
    EXPECT_EQ(ctx.rig.sat_converter_offset, 0);
    // The beacon reads 0: nothing to tune to, and the operator is asked to check it.
    w.Command17_Click();
    recorder().clear();
    tick();
    EXPECT_EQ(recorder().texts, std::vector<std::string>{"ビーコン周波数の確認をしてください。"});
    EXPECT_EQ(w.beacon_on, 0);
    w.form_load();  // set up again: told once
    set_unusable_setting_report(nullptr);
    EXPECT_EQ(told, std::vector<std::string>{"[SAT-INFO] BAD-1"});
}

TEST_F(Ft847Fixture, AutoCaptureNeedsTheReceiveSideFixedAndManual) {
    Ft847Window& w = started("AO-7");
    w.Label1_Click();  // transmit side fixed
    w.Command18_Click();
    EXPECT_EQ(recorder().texts, std::vector<std::string>{"受信周波数固定モードに変更してください。"});
    w.Label2_Click();
    EXPECT_EQ(ctx.mirror.ft847_fixed_side, 2);
    w.Command11_Click();  // receive manual
    w.Command18_Click();
    EXPECT_EQ(ctx.mirror.ft847_auto_capture, 1);
    EXPECT_TRUE(w.Timer2.enabled());
    recorder().clear();
    w.Command11_Click();  // back to automatic is refused while capturing
    w.Label1_Click();     // and so is the transmit side fixed
    EXPECT_EQ(recorder().texts.size(), 2u);
    EXPECT_EQ(w.state.rx_auto, 0);
    EXPECT_EQ(w.state.fixed_side, 2);
}

TEST_F(Ft847Fixture, So50GetsItsOwnToneWhateverTheRecordSays) {
    sat_values.sat_tone = "88.5";
    Ft847Window& w = started("SO-50");
    EXPECT_EQ(radio.state.tone_code, 0x3F);
    EXPECT_TRUE(w.Command15.isVisibleTo(&w));
    EXPECT_EQ(w.Label25.caption(), "トーン信号６７ＨＺをセット");
    // A transmit mode change sets the tone again.
    w.Command6.click();
    EXPECT_EQ(dde["Text15"], "USB");
    const std::vector<std::string> frames = tick();
    EXPECT_EQ(std::vector<std::string>(frames.begin(), frames.begin() + 3),
              (std::vector<std::string>{"0100000027", "3F0000002B", "2A0000002A"}));
}

TEST_F(Ft847Fixture, DraggingACorrectionSliderRunsItsHandlerOnceOnRelease) {
    Ft847Window& w = window();
    w.HScroll1.setSliderDown(true);
    for (int p = 10; p <= 50; p += 10) w.HScroll1.setSliderPosition(p);
    EXPECT_DOUBLE_EQ(w.state.tx_correction, 0);  // no handler, no pause, while the box is dragged
    EXPECT_EQ(w.Label29.caption(), "0");  // as the set-up left it
    w.HScroll1.setSliderDown(false);
    EXPECT_DOUBLE_EQ(w.state.tx_correction, 50 / 20000.0);
    EXPECT_EQ(w.Label29.caption(), "2500");
}

TEST_F(Ft847Fixture, AutoCaptureFallingInsideATickStillSendsTheManualTransmitSideOnce) {
    Ft847Window& w = started("AO-7");
    w.Command12_Click();  // transmit side manual
    w.Command11_Click();  // receive side manual
    w.Command18_Click();  // auto-capture
    w.Timer2.setEnabled(false);  // its one tick below is the test's
    radio.state.sat_rx_freq = 435.81;
    radio.state.sat_rx_mode = 0x01;
    // The capture timer falls due while the tick waits for the meter replies.
    QTimer::singleShot(100, [&] { w.Timer2_Timer(); });
    const std::vector<std::string> frames = tick();
    EXPECT_EQ(w.state.rx_base_text, "435.81");
    EXPECT_EQ(std::count(frames.begin(), frames.end(), "1459100021"), 1);  // 435.81 - 289.9
    EXPECT_EQ(w.state.tx_auto, 0);
    EXPECT_TRUE(w.Timer1.enabled());
    w.Timer1.setEnabled(false);
}

TEST_F(Ft847Fixture, AutoCaptureStartsNoReadWhileTheLastOneIsOpen) {
    Ft847Window& w = started("AO-7");
    w.Command11_Click();  // receive side manual
    w.Command18_Click();  // auto-capture
    w.Timer2.setEnabled(false);
    // The next capture falls due while the first read still waits (a refused value would
    // have its notice on screen there): it must not start a read, and maybe a notice, on
    // top of it.
    radio.answer_reads = false;
    QTimer::singleShot(100, [&] { w.Timer2_Timer(); });
    const size_t mark = radio.mark();
    w.Timer2_Timer();
    settle();
    EXPECT_EQ(radio.frames_since(mark), std::vector<std::string>{"0000000013"});
    w.Timer1.setEnabled(false);
    // Once the read is over, the next capture reads again.
    radio.answer_reads = true;
    radio.state.sat_rx_freq = 14.2;  // the operator went down to HF: refused
    w.Timer2_Timer();
    EXPECT_EQ(recorder().texts, std::vector<std::string>{"データ取り込みに失敗しましたので、もう一度ボタンを押してください"});
    EXPECT_DOUBLE_EQ(w.state.rx_sum, 435.8);
    w.Timer1.setEnabled(false);
}

TEST_F(Ft847Fixture, AMissingRecordUnkeysAndStopsTheLinkBeforeItsNoticeWaits) {
    Ft847Window& w = started();
    w.Command16_Click();  // transmitting
    settle();
    ASSERT_TRUE(radio.state.ptt);
    selected_sat = "XX-9";  // a satellite without record is selected
    int running_at_notice = -1;
    bool keyed_at_notice = true;
    recorder().on_show = [&] {
        settle();
        running_at_notice = ctx.mirror.ft847_running;
        keyed_at_notice = radio.state.ptt;
    };
    tick();
    recorder().on_show = nullptr;
    EXPECT_EQ(recorder().texts, std::vector<std::string>{"人工衛星の情報登録後、再度実行してください。"});
    EXPECT_EQ(running_at_notice, 0);
    EXPECT_FALSE(keyed_at_notice);
    EXPECT_FALSE(radio.state.cat_on);
    EXPECT_FALSE(w.isVisible());
}

// A stored window position from another (larger) screen, or a hand-edited one, still
// puts the whole window on the screen; and no control hides under the menu bar.
TEST_F(Ft847Fixture, WindowStaysOnTheScreenAndClearOfItsMenuBar) {
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    for (const char* stored : {"630:19000", "-3000:-3000", "60000:60000", "630:9780"}) {
        SCOPED_TRACE(stored);
        ini_write(Section{"WIN_POSITION"}, Key{"F8_TOP_LEFT"}, stored, torv_ini());
        Ft847Window& w = window();
        EXPECT_TRUE(area.contains(w.frameGeometry())) << w.frameGeometry().x() << "," << w.frameGeometry().y();
        f.reset();
    }
    Ft847Window& w = window();
    ASSERT_GT(w.client_top_px(), 0);
    for (QWidget* child : w.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (qobject_cast<QMenuBar*>(child) || !child->isVisibleTo(&w)) continue;
        EXPECT_GE(child->y(), w.client_top_px()) << child->metaObject()->className() << " "
                                                 << child->objectName().toStdString();
    }
    EXPECT_EQ(w.Label4.caption().toStdString(), "FO-29");
}

TEST_F(Ft847Fixture, StopAndCloseDuringTheTicksWaitAreCarriedOutAfterIt) {
    Ft847Window& w = started();
    w.Command16_Click();  // transmitting
    settle();
    std::string caption_while_waiting;
    // Scheduled operation presses the start/stop button again and then the close button;
    // all of it falls inside the tick's wait for the meter replies.
    QTimer::singleShot(100, [&] {
        w.Command2_Click();
        caption_while_waiting = w.Command2.caption().toStdString();
        w.Command2_Click();  // pressed again while the stop is pending: changes nothing
        w.Command1_Click();
    });
    tick();
    ASSERT_TRUE(pump_until([&] { return ctx.mirror.ft847_running == 0; }));
    settle();
    EXPECT_EQ(caption_while_waiting, "停止中…");
    EXPECT_FALSE(radio.state.ptt || radio.state.cat_on || radio.state.sat_mode);
    EXPECT_EQ(std::count(radio.frames().begin(), radio.frames().end(), "0000000080"), 1);
    EXPECT_EQ(w.Command2.caption(), "FT847CAT運用開始");
    EXPECT_FALSE(w.isVisible());
    EXPECT_TRUE(recorder().texts.empty());
}

TEST_F(Ft847Fixture, ALateReplyCostsOneReadNotTheRestOfThePass) {
    Ft847Window& w = started("AO-7");
    w.Command11_Click();  // receive side manual
    // The radio answers two reads late, after each read has given up, and both answers
    // arrive together.
    radio.hold_answers = true;
    w.Command13_Click();
    w.Command13_Click();
    w.Timer1.setEnabled(false);
    radio.release_answers();
    settle();
    EXPECT_EQ(w.Label16.caption(), "通信エラー");
    // The radio answers in time again: the next reads are taken.
    for (double mhz : {435.81, 435.82}) {
        radio.state.sat_rx_freq = mhz;
        w.Command13_Click();
        w.Timer1.setEnabled(false);
        EXPECT_DOUBLE_EQ(w.state.rx_sum, mhz);
        EXPECT_EQ(w.Label16.caption(), " 67");
    }
}

TEST_F(Ft847Fixture, ASameBandReadAsksTheMainVfoThatIsTracked) {
    Ft847Window& w = started("ISSDG");
    tick();
    ASSERT_DOUBLE_EQ(radio.state.main_freq, 145.8);
    w.Command11_Click();  // receive side manual
    // The operator tunes the radio's main VFO up 2.1 MHz and switches it to CW.
    radio.state.main_freq = 147.9;
    radio.state.main_mode = 0x02;
    const size_t mark = radio.mark();
    w.Command13_Click();
    w.Timer1.setEnabled(false);
    EXPECT_EQ(radio.frames_since(mark).front(), "0000000003");
    EXPECT_DOUBLE_EQ(w.state.rx_sum, 147.9);
    EXPECT_EQ(w.state.rx_mode, RadioMode::Cw);
}

TEST_F(Ft847Fixture, AStartAfterTheLineWasLostWhileKeyedUnkeysTheRadio) {
    Ft847Window& w = started();
    w.Command16_Click();  // transmitting
    settle();
    ASSERT_TRUE(radio.state.ptt);
    radio.line_cut = true;  // the cable comes off; the operator stops the link
    w.Command2_Click();
    settle();
    EXPECT_EQ(w.ptt_on, 0);  // the window shows receive
    ASSERT_TRUE(radio.state.ptt);
    radio.line_cut = false;  // plugged in again, started again
    w.Command2_Click();
    settle();
    EXPECT_FALSE(radio.state.ptt);
}

TEST_F(Ft847Fixture, AReceiveOnlySatelliteGetsNoTransmitFrequencyFrame) {
    ini_write(Section{"SAT-INFO"}, Key{"RX-1"}, "0:0:2:145.825:4::0:,:,:0:", torv_ini());
    started("RX-1");
    const std::vector<std::string> frames = tick();
    EXPECT_EQ(std::count_if(frames.begin(), frames.end(), [](const std::string& f) { return f.ends_with("21"); }), 0);
    EXPECT_EQ(frames.back(), "1458250011");
}


TEST_F(Ft847Fixture, TheCloseBoxDuringAWaitKeepsTheWindowUntilTheLinkIsStopped) {
    Ft847Window& w = started();
    w.Show();
    bool closed = false, shown_after_close = false;
    QTimer::singleShot(100, [&] {
        w.close();
        closed = true;
        shown_after_close = w.isVisible();
    });
    // A request waiting for its reply, still waiting when the close box is pressed.
    ASSERT_TRUE(wait_sec_until(30.0f, [&] { return closed; }));
    EXPECT_TRUE(shown_after_close);
    ASSERT_TRUE(pump_until([&] { return !w.isVisible(); }));
    settle();
    EXPECT_EQ(ctx.mirror.ft847_running, 0);
    EXPECT_FALSE(radio.state.cat_on);
    EXPECT_TRUE(recorder().texts.empty());
}
