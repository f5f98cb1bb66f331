#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "common/cp932.h"
#include "common/debug_log.h"
#include "common/sat_records.h"
#include "common/settings_store.h"
#include "common/waits.h"
#include "platform/msg_box.h"
#include "platform/paths.h"
#include "rig/ic910_window.h"
#include "sim/ic910_sim.h"
#include "support/port_settings.h"
#include "support/temp_dir.h"

using namespace torv;

namespace {

using Frames = std::vector<std::string>;

const std::string kSatModeOn = "FEFE60E01A0701FD", kSatModeOff = "FEFE60E01A0700FD";
const std::string kMain = "FEFE60E007D0FD", kSub = "FEFE60E007D1FD";
const std::string kRead = "FEFE60E003FD", kSMeter = "FEFE60E01502FD";

// The IC-910 window on a simulated radio: torv.ini in a fresh program folder maps COM4
// to the simulator's pseudo-terminal; the serial trace goes to that folder, which is
// the working folder meanwhile. The window's own timer is held until a test lets it run.
struct Ic910Fixture : ::testing::Test {
    TempDir dir;
    std::filesystem::path old_dir = std::filesystem::current_path();
    sim::Ic910Sim radio;
    std::string selected_sat = "FO-29";
    double doppler_factor = 1.0;
    CurrentSatValues sat_values;
    RigShared rig;
    PortSettings ports;
    RigContext ctx{{selected_sat, doppler_factor, sat_values}, ports.refs(), rig};
    std::map<std::string, std::string> dde;
    int unloads = 0;
    std::unique_ptr<Ic910Window> f;

    void SetUp() override {
        ASSERT_TRUE(radio.ok());
        platform::set_program_folder(dir.str());
        std::filesystem::current_path(dir.str());
        set_debug_trace("1");
        ini_write(Section{"SERIAL"}, Key{"COM4"}, radio.port_path(), torv_ini());
        ini_write(Section{"SAT-INFO"}, Key{"FO-29"}, "0:145.9:2:435.9:1::1:,:,:0:", torv_ini());
        ini_write(Section{"SAT-INFO"}, Key{"SO-50"}, "0:145.85:4:436.795:4::0:,:,:0:", torv_ini());
        ini_write(Section{"SAT-INFO"}, Key{"DEF-1"}, std::string(kDefaultSatInfo), torv_ini());
        ports.ic910 = {.enable = "1", .port = "COM4", .speed = "4800"};
        apply_freq_range(sat_values, kDefaultSatFreqRange);
        ctx.services.dde_put = [this](std::string_view item, const std::string& text) { dde[std::string(item)] = text; };
        recorder().clear();
    }
    void TearDown() override {
        if (f && ctx.mirror.ic910_running == 1) f->stop_operation();
        f.reset();
        set_debug_trace("");
        std::filesystem::current_path(old_dir);
    }

    static platform::MsgBoxRecorder& recorder() { return *platform::MsgBoxRecorder::current(); }

    Ic910Window& window(const std::string& sat = "FO-29") {
        selected_sat = sat;
        f = std::make_unique<Ic910Window>(ctx);
        f->on_unloaded = [this] { ++unloads; };
        f->Timer1.setEnabled(false);
        f->load();
        return *f;
    }
    Ic910Window& started(const std::string& sat = "FO-29") {
        Ic910Window& w = window(sat);
        w.Command2_Click();
        settle();
        w.Timer1.setEnabled(false);
        return w;
    }
    // Lets the simulator take what was written and the window read what came back.
    void settle() {
        size_t seen = radio.frames().size();
        for (int quiet = 0; quiet < 3;) {
            wait_sec(0.03f);
            quiet = radio.frames().size() == seen ? quiet + 1 : 0;
            seen = radio.frames().size();
        }
    }
    Frames tick() {
        const size_t mark = radio.mark();
        f->Timer1_Timer();
        settle();
        return radio.frames_since(mark);
    }
    // Bytes from the radio, as if it had sent them on its own.
    void from_radio(std::string_view hex_text) {
        std::vector<uint8_t> bytes;
        for (size_t i = 0; i + 1 < hex_text.size(); i += 2)
            bytes.push_back(static_cast<uint8_t>(std::stoi(std::string(hex_text.substr(i, 2)), nullptr, 16)));
        radio.send(bytes);
        settle();
    }
    std::string trace() const { return cp932_to_utf8(dir.read("TESTlogtmp.LOG")); }
    static int count(const Frames& frames, const std::string& frame) {
        return static_cast<int>(std::count(frames.begin(), frames.end(), frame));
    }
};

}  // namespace

TEST_F(Ic910Fixture, StartPutsTheRadioInSatelliteModeSendsBothModesAndReadsTheMainBand) {
    Ic910Window& w = started();
    EXPECT_EQ(w.caption(), QString("ＩＣ９１０リモートコントロール"));
    EXPECT_EQ(w.MSComm1.Settings, "4800,n,8,1");
    EXPECT_EQ(radio.frames(), (Frames{kSatModeOn, kMain, "FEFE60E00601FD", "FEFE60E00601FD", kSub, "FEFE60E00600FD",
                                      "FEFE60E00600FD", kMain, kRead}));
    EXPECT_TRUE(radio.state.sat_mode);
    EXPECT_EQ(radio.state.main.mode, 0x01);
    EXPECT_EQ(radio.state.sub.mode, 0x00);
    EXPECT_EQ(ctx.mirror.ic910_running, 1);
    EXPECT_EQ(w.main_band_check, 0);  // answered
    EXPECT_EQ(w.Command2.caption(), "ＩＣ９１０運用終了");
    EXPECT_TRUE(recorder().texts.empty());
    EXPECT_NE(trace().find("PUT: FEFE60E01A0701FD\r\n"), std::string::npos);
}

TEST_F(Ic910Fixture, TickReadsTheSMeterAndSendsBothBandsTwice) {
    radio.state.s_level = 255;
    Ic910Window& w = started();
    const std::string sub_freq = "FEFE60E0050000904501FD", main_freq = "FEFE60E0050000903504FD";
    EXPECT_EQ(tick(), (Frames{kSMeter, kSub, kSub, sub_freq, sub_freq, kMain, kMain, main_freq, main_freq}));
    EXPECT_DOUBLE_EQ(radio.state.sub.freq, 145.9);
    EXPECT_DOUBLE_EQ(radio.state.main.freq, 435.9);
    int green = 0;
    for (int i = 0; i < 32; ++i) green += w.Picture1.Point(i + 0.5, 0.5) == kGreen;
    EXPECT_EQ(green, 24);  // level 255 of 256 in 24 units
    EXPECT_NE(trace().find("freq_set send_freq: 145.9\r\n"), std::string::npos);

    // A manual side gets no frames at all.
    w.Command12_Click();
    EXPECT_EQ(tick(), (Frames{kSMeter, kMain, kMain, main_freq, main_freq}));
}

TEST_F(Ic910Fixture, FrequencyAndModeLimits) {
    struct Case {
        const char* record;
        bool sub_frames, main_mode, meter;
    };
    const Case cases[] = {
        {"0:139.999:2:435.9:1::0:,:,:0:", false, true, true},
        {"0:1300.001:2:435.9:1::0:,:,:0:", false, true, true},
        {"0:140:2:435.9:1::0:,:,:0:", true, true, true},
        {"0:1300:2:435.9:1::0:,:,:0:", true, true, true},
        {"0:145.9:2:1296:1::0:,:,:0:", true, false, false},
        {"0:145.9:2:460:1::0:,:,:0:", true, true, true},
    };
    Ic910Window& w = started("DEF-1");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.record);
        ini_write(Section{"SAT-INFO"}, Key{"DEF-1"}, c.record, torv_ini());
        w.form_load();  // modes last sent are cleared: the tick sends them again
        const Frames frames = tick();
        const auto frequency_frames = std::count_if(frames.begin(), frames.end(),
                                                    [](const std::string& f) { return f.starts_with("FEFE60E005"); });
        EXPECT_EQ(frequency_frames, c.sub_frames ? 4 : 2);
        EXPECT_EQ(count(frames, "FEFE60E00601FD") > 0, c.main_mode);
        EXPECT_EQ(count(frames, kSMeter) > 0, c.meter);
        EXPECT_EQ(count(frames, kMain), 2 + (c.main_mode ? 1 : 0));  // the frequency frames always
    }
}

TEST_F(Ic910Fixture, ModeButtonsSendAtOnceOnlyWhatChangedAndSetTheToneNote) {
    Ic910Window& w = started("SO-50");
    EXPECT_EQ(w.Label25.caption(), "トーン信号６７ＨＺをセットしてください");
    size_t mark = radio.mark();
    w.Command4.click();  // FM, already sent
    settle();
    EXPECT_TRUE(radio.frames_since(mark).empty());
    w.Command6.click();  // USB
    settle();
    EXPECT_EQ(radio.frames_since(mark), (Frames{kSub, "FEFE60E00601FD", "FEFE60E00601FD"}));
    EXPECT_EQ(dde["Text15"], "USB");
    EXPECT_EQ(w.tx_lamps[0].fillColor(), kRed);

    selected_sat = "ISS";  // a satellite without tone: the note goes with the next mode change
    w.state.tx_mode_sent.reset();
    w.update_modes_and_tone();
    EXPECT_EQ(w.Label25.caption(), "");

    w.Command2_Click();  // stopped: the buttons refuse
    w.Command7.click();
    w.Command11_Click();
    EXPECT_EQ(recorder().texts, Frames(2, "ＩＣ９１０がＣＡＴ運用のモードになっていません"));
}

TEST_F(Ic910Fixture, ReceiveStepCutsFramesAtEndBytesAndCollisionMarks) {
    Ic910Window& w = started();
    w.reply_kind = 2;
    w.state.rx_sum = 145.8;
    w.Command11_Click();  // receive side manual: the read-back is what moves it
    // Our echo and the radio's reply in one piece.
    size_t mark = radio.mark();
    from_radio("FEFE60E003FD" "FEFEE060030000904501FD");
    EXPECT_DOUBLE_EQ(w.state.rx_sum, 145.9);
    EXPECT_EQ(w.state.rx_base_text, "145.9");
    EXPECT_EQ(count(radio.frames_since(mark), kSMeter), 1);  // one tick ran
    // A reply split over two steps is handled whole when its end arrives.
    from_radio("FEFEE06003000020");
    EXPECT_DOUBLE_EQ(w.state.rx_sum, 145.9);
    from_radio("4601FD");
    EXPECT_DOUBLE_EQ(w.state.rx_sum, 146.2);
    // What a collision spoilt is dropped; the OK after it is read.
    w.Label15.setCaption("");
    from_radio("FEFEE060FCFCFEFEE060FBFD");
    EXPECT_EQ(w.Label15.caption(), "正常");
    EXPECT_EQ(w.Label16.caption(), "FEFEE060FBFD");
    // An echo after another frame shows where it began.
    from_radio("FEFEE060FBFD" "FEFE60E003FD");
    EXPECT_EQ(w.Label15.caption(), "cmd_str_pt= 6");
}

TEST_F(Ic910Fixture, TwoNgRepliesWithoutOkBetweenThemWarn) {
    const std::pair<std::vector<const char*>, bool> cases[] = {
        {{"FA", "FA"}, true},
        {{"FA", "FB", "FA"}, false},
    };
    Ic910Window& w = started();
    for (const auto& [replies, warned] : cases) {
        w.ng_count = 0;
        w.Label36.setCaption("");
        for (const char* r : replies) from_radio(std::string("FEFEE060") + r + "FD");
        EXPECT_EQ(w.Label36.caption() == "メイン／サブの周波数確認してください", warned);
        EXPECT_EQ(w.Label16.foreColor(), kRed);  // the last was NG
    }
}

TEST_F(Ic910Fixture, ALongBurstWithoutEndByteIsDroppedAndTraced) {
    Ic910Window& w = started();
    radio.send_burst(1500);
    settle();
    EXPECT_NE(trace().find("区切りのない 1002 バイトを破棄"), std::string::npos);
    // What is left of the burst may spoil the next frame, never the one after it.
    from_radio("FEFEE060FBFD");
    from_radio("FEFEE060FBFD");
    EXPECT_EQ(w.Label15.caption(), "正常");
}

TEST_F(Ic910Fixture, ReadBacksAreCheckedBeforeTheTrackingMovesToThem) {
    Ic910Window& w = window();
    struct Case {
        double previous, read;
        bool accepted;
    };
    const Case rx_cases[] = {{145.9, 146.2, true}, {145.9, 435.8, false}, {455.0, 461.0, false}};
    for (const Case& c : rx_cases) {
        w.state.rx_sum = c.previous;
        w.Label36.setCaption("");
        w.jyusin_freq_get(c.read, "T");
        EXPECT_DOUBLE_EQ(w.state.rx_sum, c.accepted ? c.read : c.previous) << c.read;
        EXPECT_EQ(w.Label36.caption().isEmpty(), c.accepted) << c.read;
    }
    EXPECT_NE(trace().find("jyusin_freq_getデータ取り込みに失敗T  TMP_RX_SUM 145.9  rx_sum 435.8"), std::string::npos);

    const Case tx_cases[] = {{145.9, 435.9, true}, {435.9, 145.9, false}};
    for (const Case& c : tx_cases) {
        recorder().clear();
        w.state.tx_sum = c.previous;
        w.parse_tx_frequency(c.read);
        EXPECT_DOUBLE_EQ(w.state.tx_sum, c.accepted ? c.read : c.previous) << c.read;
        EXPECT_EQ(recorder().texts.empty(), c.accepted) << c.read;
    }
    EXPECT_EQ(recorder().texts, Frames{"送信データ取り込みに失敗しましたので、もう一度ボタンを押してください"});
}

TEST_F(Ic910Fixture, ReadButtonsAskTheRadioOnlyForAManualSide) {
    Ic910Window& w = started();
    size_t mark = radio.mark();
    w.Command13_Click();  // automatic: disabled, nothing sent
    EXPECT_FALSE(w.Command13.isEnabled());
    w.Command11_Click();
    radio.state.main.freq = 435.81;
    mark = radio.mark();
    w.Command13_Click();
    settle();
    const Frames frames = radio.frames_since(mark);
    EXPECT_EQ(Frames(frames.begin(), frames.begin() + 3), (Frames{kMain, kRead, kRead}));
    w.Timer1.setEnabled(false);
    EXPECT_DOUBLE_EQ(w.state.rx_sum, 435.81);
    EXPECT_TRUE(w.Command13.isEnabled());

    // After a stop the button is still enabled; pressing it disables it and sends nothing.
    w.Command2_Click();
    settle();
    mark = radio.mark();
    w.Command13_Click();
    settle();
    EXPECT_FALSE(w.Command13.isEnabled());
    EXPECT_TRUE(radio.frames_since(mark).empty());
}

TEST_F(Ic910Fixture, TheMainBandCheckWarnsWhenTheRadioIsOnTheWrongBand) {
    Ic910Window& w = window();
    const std::pair<double, bool> lows[] = {{29.4, false}, {430, false}, {150, false}, {145.9, false}};
    for (auto [lo, warned] : lows) {
        sat_values.sat_downlink_low = lo;
        w.check_main_band(145.9);
        EXPECT_EQ(w.Label36.caption().isEmpty(), !warned) << lo;
    }
    sat_values.sat_downlink_low = 435.8;
    w.main_band_check = 1;
    w.check_main_band(145.9);  // pauses 5 s
    EXPECT_EQ(w.main_band_check, 0);
    EXPECT_EQ(w.Label36.caption(), "メイン／サブの周波数確認してください");
}

TEST_F(Ic910Fixture, CloseStopsTheLinkSavesTheCorrectionsAndKeepsTheTrace) {
    Ic910Window& w = started("DEF-1");
    w.HScroll1.setValue(20);
    w.HScroll2.setValue(-40);
    const size_t mark = radio.mark();
    w.Command1_Click();
    settle();
    EXPECT_EQ(radio.frames_since(mark), Frames{kSatModeOff});
    EXPECT_FALSE(radio.state.sat_mode);
    EXPECT_FALSE(w.MSComm1.PortOpen());
    EXPECT_EQ(ctx.mirror.ic910_running, 0);
    EXPECT_EQ(unloads, 1);
    EXPECT_EQ(ini_read(Section{"SAT-INFO"}, Key{"DEF-1"}, torv_ini()), "0:146:2:436:1::0:,: 20,-40: 0:");
    EXPECT_FALSE(std::filesystem::exists(dir.file("TESTlogtmp.LOG")));
    EXPECT_NE(cp932_to_utf8(dir.read("TESTlog.LOG")).find("PUT: FEFE60E01A0700FD"), std::string::npos);
}

TEST_F(Ic910Fixture, ASatelliteChangeSetsTheWindowUpAgainAndReadsTheMainBand) {
    Ic910Window& w = started();
    w.Command12_Click();  // transmit side manual
    selected_sat = "DEF-1";
    const Frames frames = tick();
    EXPECT_EQ(w.Label4.caption(), "DEF-1");
    EXPECT_EQ(w.Label34.caption(), "5");
    EXPECT_EQ(w.state.tx_auto, 1);
    EXPECT_EQ(Frames(frames.begin(), frames.begin() + 2), (Frames{kMain, kRead}));
    EXPECT_EQ(ctx.mirror.ic910_running, 1);
    EXPECT_DOUBLE_EQ(radio.state.main.freq, 436);
}

TEST_F(Ic910Fixture, AMissingRecordStopsTheLinkAndUnloadsTheWindow) {
    started();
    selected_sat = "XX-9";
    const Frames frames = tick();
    EXPECT_EQ(recorder().texts, Frames{"人工衛星の情報登録後、再度実行してください。"});
    EXPECT_EQ(count(frames, kSatModeOff), 1);
    EXPECT_EQ(ctx.mirror.ic910_running, 0);
    EXPECT_EQ(unloads, 1);
}

TEST_F(Ic910Fixture, APortThatDoesNotOpenUnloadsTheWindow) {
    ports.ic910.port = "COM7";
    ini_write(Section{"SERIAL"}, Key{"COM7"}, "/nonexistent/ttyS9", torv_ini());
    Ic910Window& w = window();
    w.Command2_Click();
    EXPECT_EQ(recorder().texts, Frames{"ＣＯＭポート　COM7 のオープンができませんでした。"});
    EXPECT_EQ(unloads, 1);
    EXPECT_EQ(ctx.mirror.ic910_running, 0);
}

TEST_F(Ic910Fixture, ConverterBoxShowsTheOffset) {
    ini_write(Section{"SAT-INFO"}, Key{"FO-29"}, "0:145.9:2:435.9:1::1:,: 0, 0: 3:", torv_ini());
    Ic910Window& w = window();
    w.Check1.setValue(1);
    w.Check1_Click();
    EXPECT_EQ(w.Label39.caption(), "- 3MHZ");
    EXPECT_TRUE(w.Label38.isVisibleTo(&w));
    EXPECT_DOUBLE_EQ(w.state.rx_correction, -3);
}

TEST_F(Ic910Fixture, ChannelButtonsStepThroughTwentyChannelsAndRequestOne) {
    ctx.services.load_channel_names = [this] {
        ctx.ic910_channel_names = {"FO-29", "", "", "", "", "AO-7"};
        ctx.ic910_channel_names[19] = "RS-44";
    };
    Ic910Window& w = window();
    EXPECT_EQ(w.Label37.caption(), "AO-7");
    // Stopped: the buttons refuse.
    w.Command18_Click();
    w.Command17_Click();
    EXPECT_EQ(recorder().texts, (Frames{"ＩＣ９１０がリモート運用のモードになっていません",
                                        "ＩＣ９１０がＣＡＴ運用のモードになっていません"}));
    EXPECT_EQ(w.Label34.caption(), "5");

    w.Command2_Click();
    settle();
    for (int i = 0; i < 14; ++i) w.Command18_Click();
    EXPECT_EQ(w.Label34.caption(), "19");
    EXPECT_EQ(w.Label37.caption(), "RS-44");
    w.Command18_Click();  // up from 19
    EXPECT_EQ(w.Label34.caption(), "00");
    EXPECT_EQ(w.Label37.caption(), "FO-29");
    w.Command16_Click();  // down from 0
    EXPECT_EQ(w.Label34.caption(), "19");

    // Channel 07 requested; stepping away turns the number black, coming back red.
    for (int i = 0; i < 12; ++i) w.Command16_Click();
    recorder().answers.push_back(platform::vbNo);
    size_t mark = radio.mark();
    w.Command17_Click();
    settle();
    EXPECT_EQ(radio.frames_since(mark).front(), "FEFE60E01A0107FD");
    EXPECT_EQ(w.Label35.caption(), "チャンネル07をセット");
    EXPECT_EQ(w.Label34.foreColor(), kRed);
    w.Command18_Click();
    EXPECT_EQ(w.Label34.caption(), "08");
    EXPECT_EQ(w.Label34.foreColor(), 0);
    w.Command16_Click();
    EXPECT_EQ(w.Label34.caption(), "7");
    EXPECT_EQ(w.Label34.foreColor(), kRed);
    // A channel step sends the SUB mode again on the next tick; the request stays shown.
    const Frames frames = tick();
    EXPECT_EQ(count(frames, "FEFE60E00600FD"), 2);
    EXPECT_EQ(w.Label35.caption(), "チャンネル07をセット");
    // A stop forgets the request.
    w.Command2_Click();
    EXPECT_EQ(w.Label34.foreColor(), 0);
    EXPECT_TRUE(w.channel_set_text.empty());
}

// The radio answers a channel request with the channel's contents; the operator is
// asked before they replace the window's frequencies and modes.
TEST_F(Ic910Fixture, AChannelsContentsAreTakenOverOnlyWhenTheOperatorAgrees) {
    // Receive 435.8 MHz CW; transmit 145.95 MHz in a mode byte the window does not know.
    radio.state.channels[5] = {{435.8, 0x03}, {145.95, 0x02}};
    Ic910Window& w = started();
    const std::string question = "メイン周波数＝435.8000　サブ周波数＝145.9500をセットしますか？";

    recorder().answers.push_back(platform::vbNo);
    w.Command17_Click();
    settle();
    EXPECT_EQ(recorder().texts, Frames{question});
    EXPECT_EQ(w.Label15.caption(), "ＣＨ受信周波数情報");
    EXPECT_DOUBLE_EQ(w.state.rx_sum, 435.9);
    EXPECT_EQ(w.state.rx_mode, RadioMode::Usb);

    recorder().clear();
    recorder().answers.push_back(platform::vbYes);
    const size_t mark = radio.mark();
    w.Command17_Click();
    settle();
    EXPECT_EQ(recorder().texts, Frames{question});
    EXPECT_DOUBLE_EQ(w.state.rx_sum, 435.8);
    EXPECT_DOUBLE_EQ(w.state.tx_sum, 145.95);
    EXPECT_EQ(w.state.rx_base_text, "435.8");
    EXPECT_EQ(w.state.rx_mode, RadioMode::Cw);   // sent at once as by the CW button
    EXPECT_EQ(w.state.tx_mode, RadioMode::Lsb);  // kept
    EXPECT_EQ(count(radio.frames_since(mark), "FEFE60E00603FD"), 2);
    EXPECT_EQ(radio.state.main.mode, 0x03);
    // The tracking goes on from the channel's receive frequency (the fixed side).
    tick();
    EXPECT_DOUBLE_EQ(radio.state.main.freq, 435.8);
}

// Another controller on the CI-V bus reading the radio's memories gets contents addressed
// as the window's replies are: only the first contents after the window's own request
// ask the operator; the others are none of the window's business.
TEST_F(Ic910Fixture, OnlyTheAnswerToTheChannelRequestAsksToTakeItOver) {
    radio.state.channels[5] = {{435.8, 0x03}, {145.95, 0x02}};
    Ic910Window& w = started();
    const std::string contents = "FEFEE0601A01050000803504030000000000000000000095450102FD";
    for (int i = 0; i < 3; ++i) from_radio(contents);
    EXPECT_TRUE(recorder().texts.empty());
    EXPECT_DOUBLE_EQ(w.state.rx_sum, 435.9);

    recorder().answers = {platform::vbNo, platform::vbYes};
    w.Command17_Click();
    settle();
    from_radio(contents);  // after the answer: not asked for
    EXPECT_EQ(recorder().texts, Frames{"メイン周波数＝435.8000　サブ周波数＝145.9500をセットしますか？"});
    EXPECT_DOUBLE_EQ(w.state.rx_sum, 435.9);
    EXPECT_EQ(w.Label35.caption(), "チャンネル05をセット");  // the request stays shown
    EXPECT_EQ(w.channel_requested, 1);
}
