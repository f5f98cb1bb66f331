#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <filesystem>
#include <map>

#include "common/cp932.h"
#include "common/debug_log.h"
#include "common/sat_records.h"
#include "common/settings_store.h"
#include "common/waits.h"
#include "platform/msg_box.h"
#include "platform/paths.h"
#include "platform/qt_color.h"
#include "rig/cat_link.h"
#include "rig/ts2000_window.h"
#include "sim/ts2000_sim.h"
#include "support/rig_fixture.h"
#include "ts2000_fixture.h"

using namespace torv;

namespace {

QColor back(const platform::CommandButton& b) { return b.palette().color(QPalette::Button); }

}  // namespace

TEST_F(Ts2000Fixture, SetUpTakesThePortSettingsAndThePlace) {
    Ts2000Window& w = window();
    EXPECT_EQ(w.caption(), QString("ＴＳ２０００リモートコントロール"));
    EXPECT_EQ(w.Label4.caption(), "FO-29");
    EXPECT_TRUE(w.Command2.isEnabled());
    EXPECT_FALSE(w.Timer1.enabled());  // until the satellite's memory is found
    EXPECT_EQ(w.Shape20.fillColor(), kRed);  // receive side fixed
    EXPECT_EQ(w.Shape21.fillColor(), kWhite);
    EXPECT_TRUE(w.MENU_15_AUTO_OFF.checked());
    EXPECT_TRUE(w.MENU_15_DEBUG_OFF.checked());
    EXPECT_EQ(debug_trace(), "0");
    EXPECT_EQ(w.top(), 630);
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(w.left(), std::min(9780, (area.right() + 1 - w.frameGeometry().width()) * 15));

    ports.ts2000.enable = "0";  // the default "0:COM3:9600:"
    w.form_load();
    EXPECT_FALSE(w.Command2.isEnabled());

    // The framing: two stop bits at 4800 bit/s only.
    for (const char* speed : {"4800", "19200"}) {
        ports.ts2000 = {.enable = "1", .port = "COM4", .speed = speed};
        w.Command2_Click();
        EXPECT_EQ(w.MSComm1.Settings, QString(speed) + (std::string(speed) == "4800" ? ",n,8,2" : ",n,8,1"));
        w.Command2_Click();
        settle();
        EXPECT_EQ(ctx.mirror.ts2000_running, 0);
    }
}

TEST_F(Ts2000Fixture, StartFindsTheSatelliteMemoryAndSetsTheRigUp) {
    sat_values.sat_tx_power = "50";
    radio.state.ptt = true;  // left transmitting by a link whose line was lost
    Ts2000Window& w = window();
    w.Command2_Click();
    settle();
    // The first memory holds a 29 MHz downlink: one step to the next. "RX;" follows the
    // satellite mode at once (it was not sent at all, so a rig left keyed stayed keyed
    // through the search and the start until the window was closed).
    EXPECT_EQ(radio.frames(), (Commands{"SA0000000;", "SA1010000;", "RX;", "FA;", "FB;", "SA1010001;", "CH0;", "FA;",
                                        "FB;", "SA1010000;", "PC050;", "SA1010010;", "MD2;", "FA00435900000;",
                                        "SA1011010;", "MD1;", "FB00145900000;", "SA1011010;"}));
    EXPECT_EQ(w.search_count, 99);
    EXPECT_EQ(ctx.mirror.ts2000_running, 1);
    EXPECT_TRUE(w.Timer1.enabled());
    EXPECT_TRUE(w.Command1.isEnabled() && w.Command2.isEnabled());
    EXPECT_EQ(w.Command2.caption(), "TS2000   運用終了");
    EXPECT_EQ(w.Label36.caption(), "受信FA00435900000;");
    EXPECT_EQ(w.Label37.caption(), "送信FB00145900000;");
    EXPECT_EQ(w.Label38.caption(), "");
    const sim::Ts2000State& s = radio.state;
    EXPECT_TRUE(s.sat_mode);
    EXPECT_TRUE(s.trace);  // inverting
    EXPECT_DOUBLE_EQ(s.vfo_a, 435.9);
    EXPECT_DOUBLE_EQ(s.vfo_b, 145.9);
    EXPECT_EQ(s.mode_a, 2);  // USB
    EXPECT_EQ(s.mode_b, 1);  // LSB
    EXPECT_EQ(s.power, 50);
    EXPECT_FALSE(s.ptt);
    EXPECT_TRUE(recorder().texts.empty());
}

TEST_F(Ts2000Fixture, NoMatchingMemoryStopsAfterElevenLooksAndClosesTheWindow) {
    radio.load_memories({{145.9, 145.9}, {29.4, 435.9}});
    Ts2000Window& w = window();
    w.Command2_Click();
    settle();
    Commands expected{"SA0000000;", "SA1010000;", "RX;"};  // every start unkeys the rig first
    for (int i = 0; i < 10; ++i) expected.insert(expected.end(), {"FA;", "FB;", "SA1010001;", "CH0;"});
    expected.insert(expected.end(), {"FA;", "FB;", "SA1010000;", "TO0;", "RX;", "SA0000000;"});
    EXPECT_EQ(radio.frames(), expected);
    EXPECT_EQ(std::count(expected.begin(), expected.end(), "FA;"), 11);
    EXPECT_EQ(w.Label38.caption(), "サテライトチャネルが見つかりません");
    EXPECT_EQ(recorder().texts, Commands{"人工衛星の情報確認してください！　送信／受信　周波数の確認。サテライトメモリの確認をしてください "});
    EXPECT_EQ(ctx.mirror.ts2000_running, 0);
    EXPECT_FALSE(w.MSComm1.PortOpen());
    EXPECT_FALSE(radio.state.sat_mode);
    EXPECT_EQ(unloads, 1);
}

// The line hangs up while the start looks for the satellite's memory: the search ends
// with the look under way, and the operator is told of the lost line, not of a missing
// memory; with the trace on the link does not run on either.
TEST_F(Ts2000Fixture, ALineLostDuringTheStartsSearchEndsTheStartAsALostLine) {
    radio.answer_reads = false;  // the search waits for replies
    Ts2000Window& w = window();
    w.MENU_15_DEBUG_ON_Click();
    QTimer::singleShot(50, &radio, [this] { radio.unplug(); });
    w.Command2_Click();
    EXPECT_EQ(recorder().texts, Commands{line_lost_message("COM3")});
    EXPECT_EQ(ctx.mirror.ts2000_running, 0);
    EXPECT_FALSE(w.MSComm1.PortOpen());
    EXPECT_FALSE(w.Timer1.enabled());
    const std::string kept = cp932_to_utf8(dir.read("TESTlog.LOG"));
    EXPECT_NE(kept.find("PUT: FB;\r\n"), std::string::npos);
    EXPECT_EQ(kept.find("SAT_CHK_CNT:"), std::string::npos) << kept;  // no step to a next memory
    EXPECT_TRUE(w.Command2.isEnabled() && w.Command1.isEnabled());
    EXPECT_EQ(w.Command2.caption(), "TS2000   運用開始");
    EXPECT_EQ(unloads, 0);
}

TEST_F(Ts2000Fixture, WithTheTraceOnAFailedSearchStillRunsTheLink) {
    radio.load_memories({{145.9, 145.9}});
    Ts2000Window& w = window();
    w.MENU_15_DEBUG_ON_Click();
    EXPECT_TRUE(w.MENU_15_DEBUG_ON.checked());
    w.Command2_Click();
    settle();
    EXPECT_EQ(ctx.mirror.ts2000_running, 1);
    EXPECT_TRUE(w.Timer1.enabled());
    EXPECT_EQ(radio.frames().back(), "SA1010000;");  // no power, mode or frequency
    w.Timer1.setEnabled(false);
    const Commands first = tick();
    EXPECT_NE(std::find(first.begin(), first.end(), "MD2;"), first.end());
    EXPECT_EQ(first.back(), "FA00435900000;");
    const std::string log = trace();
    EXPECT_EQ(log.find("衛星の名称　FO-29 軌道計算\r\nPUT: SA0000000;\r\n"), 0u);  // the start deleted the old trace
    EXPECT_NE(log.find("SAT_CHK_CNT:  10\r\n"), std::string::npos);
    EXPECT_NE(log.find("FB_INT:  1 1 FA_INT:  4 1\r\n"), std::string::npos);
}

TEST_F(Ts2000Fixture, RepliesSplitOrMergedAreDispatchedOnceEachInOrder) {
    Ts2000Window& w = started();
    w.MENU_15_DEBUG_ON_Click();
    auto cells = [](platform::PictureBox& p, platform::ColorValue color) {
        int n = 0;
        for (int i = 0; i < 32; ++i) n += p.Point(i + 0.5, 0.5) == color;
        return n;
    };
    // Two replies in one piece.
    radio.send({'S', 'M', '0', '0', '0', '1', '5', ';', 'P', 'C', '0', '5', '0', ';', 'F', 'A', '0'});
    ASSERT_TRUE(pump_until([&] { return cells(w.Picture2, kRed) == 16; }));
    EXPECT_EQ(cells(w.Picture1, kGreen), 15);
    // The rest of a reply completes the bytes held after the last ";".
    radio.send({'0', '4', '3', '5', '8', '1', '2', '3', '4', '0', ';'});
    ASSERT_TRUE(pump_until([&] { return w.state.rx_sum != 435.9; }));
    EXPECT_NEAR(w.state.rx_sum, 435.81234, 1e-9);
    EXPECT_EQ(w.state.rx_base_text, "435.81234");
    EXPECT_EQ(w.Label16.caption(), "FA00435812340;");
    const std::string log = trace();
    const std::string lines = "GET: SM00015;PC050;FA0\r\nTS_cmd: SM00015;\r\nGET: PC050;FA0\r\nTS_cmd: PC050;\r\n";
    EXPECT_NE(log.find(lines), std::string::npos) << log;
    EXPECT_NE(log.find("data_get:  3  11  14\r\nGET: FA00435812340;\r\nTS_cmd: FA00435812340;\r\n"), std::string::npos)
        << log;

    // A reply the simulator splits after four characters is dispatched once its ";" is in.
    radio.split_at = 4;
    const int before = cells(w.Picture1, kGreen);
    radio.state.s_meter = 3;
    w.data_put("SM0;");
    ASSERT_TRUE(pump_until([&] { return cells(w.Picture1, kGreen) != before; }));
    EXPECT_EQ(cells(w.Picture1, kGreen), 3);

    // A sub-receiver reading leaves the bar; a capture reply of the wrong length is ignored.
    radio.send({'S', 'M', '1', '0', '0', '2', '0', ';', 'F', 'A', '1', ';'});
    wait_sec(0.1f);
    EXPECT_EQ(cells(w.Picture1, kGreen), 3);
    EXPECT_NEAR(w.state.rx_sum, 435.81234, 1e-9);
}

TEST_F(Ts2000Fixture, APowerReplyThatIsNoWattsLeavesTheBar) {
    Ts2000Window& w = started();
    auto cells = [](platform::PictureBox& p, platform::ColorValue color) {
        int n = 0;
        for (int i = 0; i < 32; ++i) n += p.Point(i + 0.5, 0.5) == color;
        return n;
    };
    radio.send({'P', 'C', '0', '5', '0', ';'});
    ASSERT_TRUE(pump_until([&] { return cells(w.Picture2, kRed) == 16; }));
    // The S-meter reply after it shows that it was handled.
    radio.send({'P', 'C', '1', 'E', '8', ';', 'S', 'M', '0', '0', '0', '0', '7', ';'});
    ASSERT_TRUE(pump_until([&] { return cells(w.Picture1, kGreen) == 7; }));
    EXPECT_EQ(cells(w.Picture2, kRed), 16);
}

TEST_F(Ts2000Fixture, AStreamWithoutSemicolonIsDroppedNeverHeldPastTheBuffer) {
    Ts2000Window& w = started();
    w.MENU_15_DEBUG_ON_Click();
    radio.send(std::vector<uint8_t>(1500, 'X'));
    wait_sec(0.1f);
    // What is left after the drop ends at the next ";"; the reply after it is read.
    radio.send({';', 'P', 'C', '1', '0', '0', ';'});
    auto red = [&] { return w.Picture2.Point(31.5, 0.5) == kRed; };
    ASSERT_TRUE(pump_until(red));
    EXPECT_NE(trace().find("受信データ破棄（；なし）:  1001"), std::string::npos);
    EXPECT_NE(trace().find("GET: PC100;\r\nTS_cmd: PC100;\r\n"), std::string::npos);
}

TEST_F(Ts2000Fixture, ACommandErrorIsShownForTwoSecondsWithoutHoldingUpTheReplies) {
    Ts2000Window& w = started();
    radio.send({'?', ';', 'P', 'C', '0', '5', '0', ';'});
    ASSERT_TRUE(pump_until([&] { return w.Picture2.Point(15.5, 0.5) == kRed; }));
    EXPECT_EQ(w.Label38.caption(), "コマンドエラー");  // the reply after it was handled at once
    EXPECT_EQ(w.Label38.foreColor(), kRed);
    EXPECT_EQ(w.Label38.toolTip(), "クリックするとメッセージを消去します");
    ASSERT_TRUE(pump_until([&] { return w.Label38.caption().isEmpty(); }, 3000));
    EXPECT_EQ(w.Label38.toolTip(), "");
    // A rejected command is not sent again.
    radio.refused = {"MD"};
    const size_t mark = radio.mark();
    w.Command4.click();  // transmit FM
    tick();
    tick();
    EXPECT_EQ(std::count(radio.frames().begin() + static_cast<long>(mark), radio.frames().end(), "MD4;"), 1);
}

TEST_F(Ts2000Fixture, TickPollsTheMetersAndSendsTheFrequenciesOfTheAutomaticSides) {
    radio.state.s_meter = 20;
    Ts2000Window& w = started();
    doppler_factor = 1.00001;
    // Receive side fixed, inverting: (581.8 - 435.9 / k) / k goes up.
    EXPECT_EQ(tick(), (Commands{"SM0;", "PC;", "FB00145902900;", "FA00435900000;"}));
    EXPECT_EQ(w.Picture1.Point(19.5, 0.5), kGreen);
    EXPECT_NEAR(radio.state.vfo_b, 145.9029, 1e-9);
    w.Command12_Click();  // transmit side manual
    EXPECT_EQ(tick(), (Commands{"SM0;", "PC;", "FA00435900000;"}));
    w.Command11_Click();  // receive side manual
    EXPECT_EQ(tick(), (Commands{"SM0;", "PC;"}));
}

TEST_F(Ts2000Fixture, StopGivesTheRigBackAndKeepsTheTrace) {
    Ts2000Window& w = started();
    w.MENU_15_DEBUG_ON_Click();
    w.Command16_Click();  // transmitting
    w.HScroll1.setValue(20);
    settle();
    ASSERT_TRUE(radio.state.ptt);
    const size_t mark = radio.mark();
    w.Command2_Click();
    EXPECT_EQ(since(mark), (Commands{"TO0;", "RX;", "SA0000000;"}));
    EXPECT_FALSE(radio.state.ptt || radio.state.sat_mode || radio.state.tone_on);
    EXPECT_EQ(ctx.mirror.ts2000_running, 0);
    EXPECT_EQ(w.ptt_on, 0);
    EXPECT_FALSE(w.MSComm1.PortOpen());
    EXPECT_EQ(w.Label15.caption(), "");
    EXPECT_EQ(w.Command2.caption(), "TS2000   運用開始");
    EXPECT_EQ(ini_read(Section{"SAT-INFO"}, Key{"FO-29"}, torv_ini()), "0:145.9:2:435.9:1::1:,: 20, 0: 0:");
    // The trace of the link is kept as TESTlog.LOG.
    EXPECT_FALSE(std::filesystem::exists(dir.file("TESTlogtmp.LOG")));
    EXPECT_NE(dir.read("TESTlog.LOG").find("PUT: SA0000000;\r\n"), std::string::npos);
    // The tick goes on showing the tracking, and sends nothing.
    EXPECT_TRUE(tick().empty());
    // Stopped: the end button sends nothing and closes the window.
    w.Command1_Click();
    EXPECT_TRUE(since(mark + 3).empty());
    EXPECT_EQ(unloads, 1);
}

TEST_F(Ts2000Fixture, AnEndAskedForDuringAWaitIsCarriedOutAfterIt) {
    Ts2000Window& w = started();
    radio.reply_delay_ms = 150;  // the meter replies come late: the tick waits
    bool closed_inside = true;
    QTimer::singleShot(50, [&] {
        w.Command1_Click();
        closed_inside = !w.MSComm1.PortOpen();
        w.close();  // the close box: the window stays until the stop is done
    });
    tick();
    EXPECT_FALSE(closed_inside);
    ASSERT_TRUE(pump_until([&] { return unloads == 1; }));
    EXPECT_EQ(ctx.mirror.ts2000_running, 0);
    EXPECT_FALSE(w.MSComm1.PortOpen());
    EXPECT_FALSE(w.Timer1.enabled());
    settle();
    EXPECT_EQ(radio.frames().back(), "SA0000000;");
}

TEST_F(Ts2000Fixture, ASatelliteChangeRepeatsTheSearch) {
    Ts2000Window& w = started();
    selected_sat = "FM-1";  // 145.9 up, 435.8 down: the rig's memory has those bands
    radio.load_memories({{435.8, 145.8}});
    const Commands frames = tick();
    EXPECT_EQ(w.Label4.caption(), "FM-1");
    ASSERT_GE(frames.size(), 6u);
    EXPECT_EQ((Commands{frames.begin(), frames.begin() + 5}), (Commands{"SA0000000;", "SA1010000;", "FA;", "FB;", "SA1010000;"}));
    EXPECT_TRUE(w.Timer1.enabled());
    w.Timer1.setEnabled(false);

    selected_sat = "AO-40";  // 1.2 GHz up, 2.4 GHz down: not in the rig
    tick();
    EXPECT_EQ(recorder().texts.back(), "人工衛星の情報確認してください！　送信／受信　周波数の確認。サテライトメモリの確認をしてください ");
    EXPECT_EQ(ctx.mirror.ts2000_running, 0);
    EXPECT_EQ(unloads, 1);
}

TEST_F(Ts2000Fixture, WithAReceiveConverterTheSearchLooksForTheFrequencyTheRigIsTunedTo) {
    // 2.4 GHz downlinks through a 2256 MHz down-converter: the rig's memory holds the
    // converted 145.2 MHz on VFO A, as the ticks tune it.
    for (const char* sat : {"AO-40", "SB-1"})
        ini_write(Section{"SAT-INFO"}, Key{sat}, "0:1269.5:2:2401.2:1::2:,:,:2256:", torv_ini());
    // The first start after the set-up, and the search a satellite change repeats.
    for (const bool changed : {false, true}) {
        SCOPED_TRACE(changed ? "satellite change" : "first start");
        radio.load_memories({{29.4, 145.9}, {145.2, 1269.5}});
        Ts2000Window& w = window(changed ? "SB-1" : "AO-40");
        w.Check1.setValue(1);  // the converter box ticked
        w.Command2_Click();
        settle();
        if (changed) {
            w.Timer1.setEnabled(false);
            selected_sat = "AO-40";
            tick();
            EXPECT_EQ(w.Label4.caption(), "AO-40");
        }
        EXPECT_EQ(w.memory_found, 1);
        EXPECT_EQ(ctx.mirror.ts2000_running, 1);
        EXPECT_TRUE(w.Timer1.enabled());
        EXPECT_EQ(radio.state.channel, 1u);
        EXPECT_TRUE(recorder().texts.empty());
        w.Timer1.setEnabled(false);
        // The tick tunes the rig where its memory stands.
        const Commands frames = tick();
        ASSERT_FALSE(frames.empty());
        EXPECT_EQ(frames.back(), "FA00145200000;");
        w.stop_operation();
        settle();
    }
}

TEST_F(Ts2000Fixture, ToneRulesFollowTheToneTable) {
    struct Case {
        const char* tone;
        Commands commands;
        const char* note;
    };
    const Case cases[] = {
        {"88.5", {"SA1011010;", "TN08;", "TO1;"}, "トーン信号08をセット"},
        {"69.3", {"SA1011010;", "TN02;", "TO1;"}, "トーン信号02をセット"},  // shares 71.9's number
        {"88.50", {"SA1011010;", "TN08;", "TO1;"}, "トーン信号08をセット"},
        // Not in the rig: switched off and said so, never "TN0E;".
        {"88.6", {"SA1011010;", "TO0;"}, "トーン信号88.6は未対応です"},
        {"なし", {"SA1011010;"}, ""},
    };
    Ts2000Window& w = started();
    for (const Case& c : cases) {
        sat_values.sat_tone = c.tone;
        w.state.tx_mode_sent.reset();  // the next tick sends the transmit mode and the tone
        const Commands frames = tick();
        ASSERT_GE(frames.size(), 2u + c.commands.size());
        EXPECT_EQ((Commands{frames.begin() + 2, frames.begin() + 2 + static_cast<long>(c.commands.size())}), c.commands)
            << c.tone;
        EXPECT_EQ(w.Label25.caption().toStdString(), c.note);
    }
    EXPECT_FALSE(radio.state.tone_on);
    EXPECT_EQ(radio.state.tone_number, "08");
}

TEST_F(Ts2000Fixture, So50GetsItsToneAtTheStartAndTheBurstWakesItUp) {
    Ts2000Window& w = started("SO-50");
    const Commands start = radio.frames();
    EXPECT_EQ((Commands{start.end() - 3, start.end()}), (Commands{"SA1011000;", "TN01;", "TO1;"}));
    EXPECT_EQ(w.Label25.caption(), "トーン信号６７ＨＺをセット");
    EXPECT_TRUE(w.Command15.isVisibleTo(&w));

    size_t mark = radio.mark();
    bool keyed_during = false;
    QTimer::singleShot(500, [&] { keyed_during = radio.state.ptt; });
    w.Command15_Click();
    EXPECT_EQ(since(mark), (Commands{"TN03;", "TO1;", "TX;", "RX;", "TN01;"}));
    EXPECT_TRUE(keyed_during);
    EXPECT_EQ(w.Label25.caption(), "トーン信号７４．４ＨＺを送信完了");
    mark = radio.mark();
    EXPECT_EQ(tick(), (Commands{"SA1011000;", "MD4;", "SA1011000;", "TN01;", "TO1;", "SM0;", "PC;", "FB00145850000;",
                                "FA00436795000;"}));
    EXPECT_EQ(radio.state.tone_number, "01");
    // The stop hides the burst button.
    w.Command2_Click();
    EXPECT_FALSE(w.Command15.isVisibleTo(&w));
    EXPECT_EQ(w.Label25.caption(), "");
}

TEST_F(Ts2000Fixture, Ao51WithoutItsToneSwitchesTheToneOffOnce) {
    ini_write(Section{"TS2000"}, Key{"AO-51-TONE"}, "0", torv_ini());
    ini_write(Section{"SAT-INFO"}, Key{"AO-51"}, "0:145.92:4:435.3:4::0:,:,:0:", torv_ini());
    sat_values.sat_tone = "88.5";
    Ts2000Window& w = started();
    ASSERT_EQ(w.tone_on, 1);
    const size_t mark = radio.mark();
    selected_sat = "AO-51";
    tick();  // the satellite change: search, start commands, tone rules
    w.state.tx_mode_sent.reset();
    tick();
    const Commands frames = since(mark);
    EXPECT_EQ(std::count(frames.begin(), frames.end(), "TO0;"), 1);
    EXPECT_EQ(std::count(frames.begin(), frames.end(), "TO1;"), 0);
    EXPECT_FALSE(radio.state.tone_on);
}

TEST_F(Ts2000Fixture, ASideAbove1300MHzGetsNoCommands) {
    Ts2000Window& w = window("AO-40");  // 1269.5 up, 2401.2 down
    w.MENU_15_DEBUG_ON_Click();   // the search cannot find a 2.4 GHz VFO: the trace runs it anyway
    w.Command2_Click();
    settle();
    ASSERT_EQ(ctx.mirror.ts2000_running, 1);
    w.Timer1.setEnabled(false);
    EXPECT_EQ(tick(), (Commands{"SA1011000;", "MD1;", "SA1011000;", "PC;", "FB01269500000;"}));
    EXPECT_DOUBLE_EQ(radio.state.vfo_b, 1269.5);
}

TEST_F(Ts2000Fixture, BeaconReceptionPutsTheBeaconOnVfoAAbove29MHz) {
    ini_write(Section{"SAT-INFO"}, Key{"RS-44"}, "29.4:145.9:2:435.9:1::1:,:,:0:", torv_ini());
    Ts2000Window& w = started("RS-44");
    w.Command17_Click();
    EXPECT_EQ(ctx.mirror.ts2000_beacon_mode, 1);
    EXPECT_EQ(back(w.Command17), platform::to_qcolor(kYellow));
    Commands frames = tick();
    EXPECT_EQ(frames.back(), "FA00029400000;");
    EXPECT_TRUE(recorder().texts.empty());

    w.state.beacon_text = "29.0";
    frames = tick();
    EXPECT_EQ(std::count_if(frames.begin(), frames.end(), [](const std::string& c) { return c.starts_with("FA"); }), 0);
    EXPECT_EQ(recorder().texts, Commands{"ビーコン周波数の確認をしてください。"});
    EXPECT_EQ(w.beacon_on, 0);
    EXPECT_EQ(ctx.mirror.ts2000_beacon_mode, 0);
}

TEST_F(Ts2000Fixture, ModeButtonsAndPttSendOnlyWhileTheLinkRuns) {
    Ts2000Window& w = window();
    w.Command4.click();
    w.Command16_Click();
    w.Label14_Click();
    EXPECT_EQ(recorder().texts, (Commands{"ＴＳ２０００がサテライト運用のモードになっていません",
                                          "ＴＳ２０００がＣＡＴ運用のモードになっていません",
                                          "ＴＳ２０００がサテライト運用のモードになっていません"}));
    EXPECT_TRUE(radio.frames().empty());

    Ts2000Window& r = started();
    r.Command4.click();  // transmit FM
    r.Command8.click();  // receive LSB
    EXPECT_EQ(dde["Text15"], "FM");
    EXPECT_EQ(dde["Text16"], "LSB");
    const Commands frames = tick();
    EXPECT_EQ((Commands{frames.begin(), frames.begin() + 5}),
              (Commands{"SA1010010;", "MD1;", "SA1011010;", "MD4;", "SA1011010;"}));
    EXPECT_EQ(radio.state.mode_a, 1);
    EXPECT_EQ(radio.state.mode_b, 4);

    size_t mark = radio.mark();
    r.Command16_Click();
    EXPECT_EQ(back(r.Command16), platform::to_qcolor(kRed));
    r.Command16_Click();
    EXPECT_EQ(since(mark), (Commands{"TX;", "RX;"}));
    EXPECT_EQ(back(r.Command16), platform::to_qcolor(kButtonFace));
}

TEST_F(Ts2000Fixture, TheTraceReverseSwitchGoesIntoTheSatelliteModeCommand) {
    Ts2000Window& w = started();
    size_t mark = radio.mark();
    w.Label14_Click();
    EXPECT_EQ(w.trace_reverse, 1);
    EXPECT_EQ(w.Label14.backColor(), kYellow);
    w.Command18_Click();
    EXPECT_EQ(w.trace_reverse, 0);
    EXPECT_EQ(since(mark), (Commands{"SA1011110;", "SA1011010;"}));
    w.Command2_Click();
    settle();

    Ts2000Window& fm = started("SO-50");
    mark = radio.mark();
    fm.Label14_Click();  // FM: nothing to reverse
    EXPECT_EQ(fm.trace_reverse, 0);
    EXPECT_TRUE(since(mark).empty());
}

TEST_F(Ts2000Fixture, AManualReceiveSideCapturesAtOnceWhenTheMenuSaysSo) {
    Ts2000Window& w = started();
    w.MENU_15_AUTO_ON_Click();
    EXPECT_EQ(ini_read(Section{"TS2000"}, Key{"FREQ_AUTO"}, torv_ini()), "1");
    EXPECT_TRUE(w.MENU_15_AUTO_ON.checked() && !w.MENU_15_AUTO_OFF.checked());
    w.Command11_Click();  // receive side manual: the auto-capture starts
    EXPECT_EQ(w.state.rx_auto, 0);
    EXPECT_EQ(w.state.auto_capture_on, 1);
    EXPECT_EQ(ctx.mirror.ts2000_auto_capture, 1);
    EXPECT_EQ(back(w.Command19), platform::to_qcolor(kYellow));
    EXPECT_TRUE(w.Timer2.enabled());
    w.Label5_Click();  // the transmit side cannot be made fixed meanwhile
    EXPECT_EQ(recorder().texts, Commands{"受信周波数の自動取り込みモードになっています"});

    // A capture takes the rig's VFO A; with the transmit side manual the transmit
    // frequency computed from it is sent once.
    w.Command12_Click();
    radio.state.vfo_a = 435.91;
    const size_t mark = radio.mark();
    w.Timer2_Timer();
    const Commands frames = since(mark);
    EXPECT_NEAR(w.state.rx_sum, 435.91, 1e-9);
    EXPECT_EQ(frames.front(), "FA;");
    EXPECT_EQ(frames.back(), "FB00145890000;");
    w.Timer1.setEnabled(false);

    w.Command11_Click();  // back to automatic: the auto-capture ends first
    EXPECT_EQ(w.state.auto_capture_on, 0);
    EXPECT_EQ(w.state.rx_auto, 1);
    EXPECT_FALSE(w.Command13.isEnabled() || w.Command19.isEnabled());

    w.Label5_Click();  // transmit side fixed
    EXPECT_EQ(w.Shape21.fillColor(), kRed);
    EXPECT_EQ(ctx.mirror.ts2000_fixed_side, 1);
    w.Command11_Click();
    EXPECT_EQ(recorder().texts.back(), "受信周波数固定モードに変更してください。");
    EXPECT_EQ(w.state.auto_capture_on, 0);
    w.Label6_Click();
    EXPECT_EQ(w.Shape20.fillColor(), kRed);
    EXPECT_EQ(ctx.mirror.ts2000_fixed_side, 2);
}
