#include <gtest/gtest.h>

#include "app/app.h"
#include "common/settings_store.h"
#include "platform/msg_box.h"
#include "sim/ic910_sim.h"
#include "support/program_fixture.h"
#include "support/pump_until.h"

using namespace torv;

namespace {

// The whole program on the default data with its IC-910 port leading to a simulated
// radio; the clock stands still, so the main loop keeps one Doppler factor.
struct Ic910Program : ProgramOnDefaultData {
    sim::Ic910Sim radio;

    void SetUp() override {
        ASSERT_TRUE(radio.ok());
        // The radio's MAIN band is already on the satellite's downlink band.
        radio.state.main.freq = 435.85;
        ProgramOnDefaultData::SetUp();
    }
    void configure(const std::string& ini) override {
        ini_write(Section{"SERIAL"}, Key{"COM2"}, radio.port_path(), ini);
        ini_write(Section{"IC910"}, Key{"CAT"}, "1:COM2:9600:60:E0", ini);
    }
    // Opens the IC-910 window from the main window and starts its link.
    Ic910Window& started() {
        app->main_window().Command19_Click();
        Ic910Window& rig = app->ic910();
        EXPECT_TRUE(rig.isVisible());
        rig.Command2_Click();
        return rig;
    }
};

}  // namespace

TEST_F(Ic910Program, FollowsTheMainLoopsDopplerFactorAndEndsTheLinkOnALostLine) {
    // FO-29 of the default settings: inverting transponder, receive side fixed at 435.85 MHz.
    Ic910Window& rig = started();
    ASSERT_TRUE(pump_until([&] { return radio.state.sub.freq > 0; }, 8000));
    const double k = app->state.doppler.doppler_factor;
    EXPECT_NE(k, 1.0);
    EXPECT_NEAR(radio.state.main.freq, 435.85, 1e-6);
    EXPECT_NEAR(radio.state.sub.freq, (581.8 - 435.85 / k) / k, 2e-6);
    EXPECT_EQ(radio.state.main.mode, 0x01);  // USB
    EXPECT_EQ(radio.state.sub.mode, 0x00);   // LSB
    EXPECT_TRUE(radio.state.sat_mode);
    EXPECT_TRUE(rig.Label36.caption().isEmpty());  // the radio was on the right band

    // The line is pulled away mid-pass: the link ends as a stop does and the operator is
    // told once (it used to go on "running" without a word, its frames dropped); the
    // program and the window tick on.
    radio.unplug();
    ASSERT_TRUE(pump_until([&] { return app->rig_context.mirror.ic910_running == 0; }, 5000));
    EXPECT_EQ(rig.Command2.caption(), "ＩＣ９１０運用開始");
    const QString shown = rig.Label1.caption();
    rig.Label1.setCaption("");
    ASSERT_TRUE(pump_until([&] { return !rig.Label1.caption().isEmpty(); }, 5000));  // the next tick
    EXPECT_EQ(rig.Label1.caption(), shown);
    EXPECT_TRUE(rig.Timer1.enabled());
    EXPECT_TRUE(app->main_window().Timer1.enabled());
    EXPECT_FALSE(rig.Label16.caption().contains("エラー"));
    EXPECT_EQ(platform::MsgBoxRecorder::current()->texts,
              std::vector<std::string>{"ＣＯＭポート　COM2 の無線機との回線が切れました。運用を停止しました。"});
    // The stop saved the corrections.
    EXPECT_EQ(ini_read(Section{"SAT-INFO"}, Key{"FO-29"}, torv_ini()), "435.795:145.95:2:435.85:1::1:,: 0, 0: 0:");
}

TEST_F(Ic910Program, EndingTheProgramStopsTheLinkFirst) {
    started();
    ASSERT_TRUE(pump_until([&] { return radio.state.sat_mode; }, 5000));
    app->main_window().Command2_Click();  // "終了"
    ASSERT_TRUE(pump_until([&] { return !radio.state.sat_mode; }, 5000));
    EXPECT_EQ(app->rig_context.mirror.ic910_running, 0);
    EXPECT_EQ(ini_read(Section{"SAT-INFO"}, Key{"FO-29"}, torv_ini()), "435.795:145.95:2:435.85:1::1:,: 0, 0: 0:");
}

TEST_F(Ic910Program, TheChannelNameDialogNamesTheWindowsChannels) {
    ini_write(Section{"IC910"}, Key{"ＣＨ"}, "AO-7:::::FO-29:", torv_ini());
    app->main_window().Command19_Click();
    Ic910Window& rig = app->ic910();
    EXPECT_EQ(rig.Label37.caption(), "FO-29");  // channel 5, from the dialog loaded hidden
    ASSERT_TRUE(app->ic910_channel_names_dialog.exists());
    EXPECT_FALSE(app->ic910_channel_names_dialog().isVisible());

    rig.f18menu_ch_settei->trigger();
    Ic910ChannelNamesDialog& names = app->ic910_channel_names_dialog();
    EXPECT_TRUE(names.isVisible());
    names.Text1[6].setText(" RS-44 ");
    names.Command1_Click();
    EXPECT_FALSE(app->ic910_channel_names_dialog.exists());
    EXPECT_EQ(ini_read(Section{"IC910"}, Key{"ＣＨ"}, torv_ini()), "AO-7:::::FO-29:RS-44::::::::::::::");

    rig.Command2_Click();
    rig.Command18_Click();
    EXPECT_EQ(rig.Label37.caption(), "RS-44");
}
