#include <gtest/gtest.h>

#include <QTimer>
#include <filesystem>

#include "common/sat_records.h"
#include "common/settings_store.h"
#include "platform/qt_color.h"
#include "rig/cat_link.h"
#include "rig/ft736_window.h"
#include "rig/ft847_window.h"
#include "rig/ic910_window.h"
#include "rig/ts2000_window.h"
#include "sim/ft736_sim.h"
#include "sim/ft847_sim.h"
#include "sim/ic910_sim.h"
#include "sim/ts2000_sim.h"
#include "support/rig_fixture.h"

using namespace torv;

// A line that hangs up during a pass (a USB adapter pulled, a radio with USB CAT switched
// off), the same for every transceiver window: the link ends once, as a stop does, and
// the next start on a working line runs as any start.
namespace {

struct Ft847 {
    using Window = Ft847Window;
    using Sim = sim::Ft847Sim;
    static constexpr CatPortSetting PortSettings::*cat = &PortSettings::ft847;
    static platform::CommandButton* ptt(Window& w) { return &w.Command16; }
    static bool* keyed(Sim& r) { return &r.state.ptt; }
    static void load(Sim&) {}
};

struct Ic910 {
    using Window = Ic910Window;
    using Sim = sim::Ic910Sim;
    static constexpr CatPortSetting PortSettings::*cat = &PortSettings::ic910;
    static platform::CommandButton* ptt(Window&) { return nullptr; }
    static bool* keyed(Sim&) { return nullptr; }
    static void load(Sim&) {}
};

struct Ft736 {
    using Window = Ft736Window;
    using Sim = sim::Ft736Sim;
    static constexpr CatPortSetting PortSettings::*cat = &PortSettings::ft736;
    static platform::CommandButton* ptt(Window& w) { return &w.Command16; }
    static bool* keyed(Sim& r) { return &r.state.ptt; }
    static void load(Sim&) {}
};

struct Ts2000 {
    using Window = Ts2000Window;
    using Sim = sim::Ts2000Sim;
    static constexpr CatPortSetting PortSettings::*cat = &PortSettings::ts2000;
    static platform::CommandButton* ptt(Window& w) { return &w.Command16; }
    static bool* keyed(Sim& r) { return &r.state.ptt; }
    // The rig stands on the satellite memory of FO-29's bands.
    static void load(Sim& r) { r.load_memories({{435.9, 145.9}}); }
};

// The window on a first simulated radio whose line is pulled, and a second radio on a
// working line for the start afterwards (COM3 is mapped to it then).
template <class Radio>
struct LostLine : RigFixture<typename Radio::Window, typename Radio::Sim> {
    using Base = RigFixture<typename Radio::Window, typename Radio::Sim>;
    typename Radio::Sim working;
    std::filesystem::path old_cwd = std::filesystem::current_path();

    void SetUp() override {
        Base::SetUp();
        ASSERT_TRUE(working.ok());
        std::filesystem::current_path(this->dir.str());  // where the TS-2000 and IC-910 traces go
        ini_write(Section{"SAT-INFO"}, Key{"FO-29"}, "0:145.9:2:435.9:1::1:,:,:0:", torv_ini());
        this->ports.*Radio::cat = {.enable = "1", .port = "COM3", .speed = "9600"};
        apply_freq_range(this->sat_values, kDefaultSatFreqRange);
        Radio::load(this->radio);
        Radio::load(working);
    }
    void TearDown() override {
        Base::TearDown();
        this->f.reset();
        std::filesystem::current_path(old_cwd);
    }
    void settle_working() {
        size_t seen = working.frames().size();
        for (int quiet = 0; quiet < 3;) {
            wait_sec(0.02f);
            quiet = working.frames().size() == seen ? quiet + 1 : 0;
            seen = working.frames().size();
        }
    }
};

using Radios = ::testing::Types<Ft847, Ic910, Ft736, Ts2000>;
TYPED_TEST_SUITE(LostLine, Radios);

TYPED_TEST(LostLine, EndsTheLinkOnceAsAStopAndTheNextStartOnAWorkingLineRuns) {
    auto& w = this->window("FO-29");
    const QString start_caption = w.Command2.caption();
    w.Command2_Click();
    this->settle();
    ASSERT_TRUE(w.running());
    w.Timer1.setEnabled(false);
    platform::CommandButton* ptt = TypeParam::ptt(w);
    if (ptt) ptt->Click();  // transmitting when the line goes
    w.HScroll1.setValue(20);
    this->settle();
    if (bool* keyed = TypeParam::keyed(this->radio)) {
        ASSERT_TRUE(*keyed);
    }

    // The line goes during a tick: inside its wait for a reply, for a radio whose tick waits.
    QTimer::singleShot(0, &this->radio, [this] { this->radio.unplug(); });
    w.Timer1_Timer();
    ASSERT_TRUE(pump_until([&] { return !w.running(); }));
    // Told once, however many ticks follow.
    w.Timer1_Timer();
    w.Timer1_Timer();
    pump_until([] { return false; }, 150);
    EXPECT_EQ(this->recorder().texts, std::vector<std::string>{line_lost_message("COM3")});
    EXPECT_EQ(line_lost_message("COM3"), "ＣＯＭポート　COM3 の無線機との回線が切れました。運用を停止しました。");
    EXPECT_FALSE(w.MSComm1.PortOpen());
    EXPECT_EQ(w.Command2.caption(), start_caption);
    EXPECT_NE(w.Command2.palette().color(QPalette::Button), platform::to_qcolor(kGreen));
    EXPECT_EQ(w.ptt_on, 0);
    if (ptt) {
        EXPECT_NE(ptt->palette().color(QPalette::Button), platform::to_qcolor(kRed));
    }
    EXPECT_FALSE(w.Label16.caption().contains("エラー"));
    EXPECT_EQ(ini_read(Section{"SAT-INFO"}, Key{"FO-29"}, torv_ini()), "0:145.9:2:435.9:1::1:,: 20, 0: 0:");

    // The same radio on a working line, still keyed from the lost one.
    if (bool* keyed = TypeParam::keyed(this->working)) *keyed = true;
    ini_write(Section{"SERIAL"}, Key{"COM3"}, this->working.port_path(), torv_ini());
    this->recorder().clear();
    w.Command2_Click();
    this->settle_working();
    ASSERT_TRUE(w.running());
    EXPECT_TRUE(w.MSComm1.PortOpen());
    EXPECT_FALSE(this->working.frames().empty());
    if (bool* keyed = TypeParam::keyed(this->working)) {
        EXPECT_FALSE(*keyed);
    }
    EXPECT_FALSE(w.Label16.caption().contains("エラー"));
    EXPECT_TRUE(this->recorder().texts.empty());
}

}  // namespace
