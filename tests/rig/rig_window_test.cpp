#include <gtest/gtest.h>

#include "common/sat_records.h"
#include "common/settings_store.h"
#include "common/waits.h"
#include "platform/paths.h"
#include "rig/kenwood_commands.h"
#include "rig/rig_window.h"
#include "sim/sim_radio.h"
#include "support/port_settings.h"
#include "support/temp_dir.h"

using namespace torv;

// The template with the choices the FT-847 does not make: a 3 s tick, a frequency range
// with a lower edge, mode frames only up to 460 MHz, a missing record that unloads the
// window, a close button that unloads it.
namespace {

// A radio of text commands that only records what it is sent.
class TextRadio : public sim::SimRadio {
public:
    TextRadio() : SimRadio(sim::Framing{.end = ';', .text = true}) {}

protected:
    void obey(const std::vector<uint8_t>&) override {}
};

const RigWindow::Radio kTestRadio{
    .not_running_text = "停止中です",
    .start_caption = "開始",
    .stop_caption = "終了",
    .open_status = "OK",
    .closed_status = "",
    .tick_ms = 3000,
    .lowest = 140,
    .highest = 1300,
    .mode_highest = 460,
    .missing_record = RigWindow::MissingRecord::NoticeAndUnload,
    .close_button = RigWindow::End::Unload,
    .start_failure = RigWindow::End::Unload,
    .shows_serial_errors = false,
};

class TestWindow : public RigWindow {
public:
    explicit TestWindow(RigContext& c)
        : RigWindow(c, kTestRadio, c.ports.ic910,
                    {&c.mirror.ic910_running, &c.mirror.ic910_rx_auto, &c.mirror.ic910_fixed_side}) {
        set_converter_labels(&converter_on, &converter_offset);
    }
    platform::Label converter_on{this}, converter_offset{this};

protected:
    void put(const std::string& command) {
        write_bytes(std::vector<uint8_t>(command.begin(), command.end()));
    }
    bool send_opening() override {
        put("ON;");
        return true;
    }
    void send_closing() override { put("OFF;"); }
    // The mode as its record's code ("1" USB .. "4" FM).
    void send_mode(Side side, RadioMode mode) override {
        put((side == Side::Tx ? "MT" : "MR") + std::to_string(static_cast<int>(mode) + 1) + ";");
    }
    void send_frequency(Side side, double mhz) override {
        put(*kenwood::frequency_command(side == Side::Tx ? "FB" : "FA", mhz));
    }
    void receive_reply() override {}
};

struct TemplateFixture : ::testing::Test {
    TempDir dir;
    TextRadio radio;
    std::string selected_sat = "HI-1";
    double doppler_factor = 1.0;
    CurrentSatValues sat_values;
    RigShared rig;
    PortSettings ports;
    RigContext ctx{{selected_sat, doppler_factor, sat_values}, ports.refs(), rig};
    std::unique_ptr<TestWindow> w;
    int unloads = 0;

    void SetUp() override {
        ASSERT_TRUE(radio.ok());
        platform::set_program_folder(dir.str());
        ini_write(Section{"SERIAL"}, Key{"COM2"}, radio.port_path(), torv_ini());
        ini_write(Section{"SAT-INFO"}, Key{"HI-1"}, "0:139.999:2:1296:1::0:,:,:0:", torv_ini());
        ports.ic910 = {.enable = "1", .port = "COM2", .speed = "9600"};
        platform::MsgBoxRecorder::current()->clear();
        w = std::make_unique<TestWindow>(ctx);
        w->Timer1.setEnabled(false);
        w->on_unloaded = [this] { ++unloads; };
        w->load();
    }
    std::vector<std::string> tick() {
        const size_t mark = radio.mark();
        w->Timer1_Timer();
        pump_until([] { return false; }, 150);
        return radio.frames_since(mark);
    }
    // The frequency frames of one tick.
    std::vector<std::string> tuned() {
        std::vector<std::string> frames = tick();
        std::erase_if(frames, [](const std::string& f) { return f[0] != 'F'; });
        return frames;
    }
};

}  // namespace

TEST_F(TemplateFixture, SendsOnlyWithinTheRadiosRangeAndModesOnlyWhereItTakesThem) {
    EXPECT_EQ(w->Timer1.interval(), 3000);
    w->Command2_Click();
    ASSERT_EQ(ctx.mirror.ic910_running, 1);
    EXPECT_EQ(w->Label15.caption(), "OK");
    ASSERT_TRUE(pump_until([&] { return radio.frames().size() == 2; }));
    // No PTT button: nothing to unkey. The 1296 MHz receive side gets its frequency but no
    // mode; the uplink just below the range gets its mode but no frequency.
    EXPECT_EQ(radio.frames(), (std::vector<std::string>{"ON;", "MT2;"}));
    EXPECT_EQ(tick(), (std::vector<std::string>{"FA01296000000;"}));
}

TEST_F(TemplateFixture, AMissingRecordStopsTheLinkNoticesAndUnloads) {
    w->Command2_Click();
    selected_sat = "XX-1";
    bool running_at_notice = true;
    platform::MsgBoxRecorder::current()->on_show = [&] { running_at_notice = ctx.mirror.ic910_running == 1; };
    tick();
    platform::MsgBoxRecorder::current()->on_show = nullptr;
    EXPECT_EQ(platform::MsgBoxRecorder::current()->texts,
              std::vector<std::string>{"人工衛星の情報登録後、再度実行してください。"});
    EXPECT_FALSE(running_at_notice);
    EXPECT_EQ(w->state.no_sat_info, 0);
    EXPECT_EQ(unloads, 1);
    EXPECT_EQ(radio.frames().back(), "OFF;");
}

TEST_F(TemplateFixture, CloseAndAFailedStartUnloadTheWindow) {
    w->Command2_Click();
    w->Command1_Click();
    EXPECT_EQ(unloads, 1);
    EXPECT_EQ(ctx.mirror.ic910_running, 0);
    ports.ic910.port = "COM9";
    ini_write(Section{"SERIAL"}, Key{"COM9"}, "/nonexistent/ttyS8", torv_ini());
    w->Command2_Click();
    EXPECT_EQ(unloads, 2);
    EXPECT_EQ(platform::MsgBoxRecorder::current()->texts,
              std::vector<std::string>{"ＣＯＭポート　COM9 のオープンができませんでした。"});
}

TEST_F(TemplateFixture, AfterASatelliteChangeTheCorrectionsAreThoseOfTheNewSatellitesRecord) {
    // Two 2.4 GHz downlinks through down-converters of different offsets, the receive
    // side fixed (non-inverting, so the uplink follows as uplink + correction). The
    // set-up runs on the tick that finds the new satellite; the next tick must tune the
    // rig with the new satellite's offset and corrections, whether or not the record
    // moves a slider.
    struct Case {
        const char* name;
        const char* before;  // record of the satellite tracked first
        const char* after;   // record of the satellite changed to
        const char* fb_before;  // transmit frame of a tick before the change
        const char* fb;      // transmit frame of the tick after the change
        const char* fa;      // receive frame
        const char* tx_value;  // what the transmit correction's label shows, in HZ
    };
    const Case cases[] = {
        {"sliders stay at 0", "0:435.2:2:2401.2:1::2:,: 0, 0: 2256:", "0:435.3:2:2400.5:1::2:,: 0, 0: 1968:",
         "FB00435200000;", "FB00435300000;", "FA00432500000;", "0"},
        {"the receive slider moves", "0:435.2:2:2401.2:1::2:,: 0, 0: 2256:", "0:435.3:2:2400.5:1::2:,: 0, 20: 1968:",
         "FB00435200000;", "FB00435300000;", "FA00432501000;", "0"},
        // The transmit slider stays at 5: 5 kHz in FM, 250 Hz in LSB.
        {"the transmit scale changes with the mode", "0:435.2:4:2401.2:1::2:,: 5, 0: 2256:",
         "0:435.3:2:2400.5:1::2:,: 5, 0: 1968:", "FB00435205000;", "FB00435300250;", "FA00432500000;", "250"},
    };
    w->Command2_Click();
    ASSERT_EQ(ctx.mirror.ic910_running, 1);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ini_write(Section{"SAT-INFO"}, Key{"SB-1"}, c.before, torv_ini());
        ini_write(Section{"SAT-INFO"}, Key{"SB-2"}, c.after, torv_ini());
        selected_sat = "SB-1";
        tick();
        for (platform::CheckBox* box : {&w->Check1, &w->Check2, &w->Check3}) box->setValue(1);
        EXPECT_EQ(tuned(), (std::vector<std::string>{c.fb_before, "FA00145200000;"}));
        selected_sat = "SB-2";
        tick();
        EXPECT_EQ(tuned(), (std::vector<std::string>{c.fb, c.fa}));
        EXPECT_EQ(w->converter_offset.caption(), "- 1968MHZ");
        EXPECT_EQ(w->Label29.caption().toStdString() + w->Label31.caption().toStdString(), std::string(c.tx_value) + "HZ");
        selected_sat = "HI-1";  // the next row starts from a third satellite
        tick();
        for (platform::CheckBox* box : {&w->Check1, &w->Check2, &w->Check3}) box->setValue(0);
    }
}
