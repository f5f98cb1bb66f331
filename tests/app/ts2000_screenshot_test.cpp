#include <gtest/gtest.h>

#include <algorithm>

#include "app/app.h"
#include "common/settings_store.h"
#include "sim/ts2000_sim.h"
#include "support/program_fixture.h"
#include "support/pump_until.h"

using namespace torv;

namespace {

// The whole program on the default data (FO-29 selected) with its TS-2000 port leading
// to a simulated TS-2000 whose satellite memory holds FO-29's bands, and the first CW
// memory filled.
struct Ts2000Screenshots : ProgramNotStarted {
    sim::Ts2000Sim radio;

    void configure(const std::string& ini) override {
        ini_write(Section{"SERIAL"}, Key{"COM3"}, radio.port_path(), ini);
        ini_write(Section{"TS2000"}, Key{"CAT"}, "1:COM3:9600:", ini);
        ini_write(Section{"CW"}, Key{"CW_MESSAGE00"}, "CQ CQ DE JA1XYZ K", ini);
        radio.load_memories({{435.85, 145.95}});
        radio.state.s_meter = 12;
    }
    // Opens the window from the main window in the stored layout.
    Ts2000Window& opened() {
        app->main_window().Command21_Click();  // "TS2000リモート"
        return app->ts2000();
    }
    // Runs its link until its own tick has read the S-meter twice.
    void run(Ts2000Window& w) {
        const size_t mark = radio.mark();
        w.Command2_Click();
        EXPECT_TRUE(pump_until([&] {
            const std::vector<std::string> f = radio.frames_since(mark);
            return std::count(f.begin(), f.end(), "SM0;") >= 2;
        }));
    }
};

}  // namespace

// docs/ts2000_standard.png: the standard layout as it opens, showing the satellite's
// nominal frequencies; docs/ts2000_rig.png: the rig style with its link running and the
// CW panel open. Taken by tools/screenshot.sh under a real X server; skipped otherwise.
TEST_F(Ts2000Screenshots, BothLayoutsWhenAsked) {
    const QString folder = qEnvironmentVariable("TORV_TS2000_SCREENSHOTS");
    if (folder.isEmpty()) GTEST_SKIP() << "TORV_TS2000_SCREENSHOTS not set";
    for (const char* stored : {"0", "1"}) {
        ini_write(Section{"TS2000"}, Key{"F15_GAMEN"}, stored, torv_ini());
        start();
        Ts2000Window& w = opened();
        const bool rig = stored[0] == '1';
        if (rig) {
            run(w);
            w.Command20_Click();
            w.Text1.setText("JA1XYZ");
        }
        for (int i = 0; i < 20; ++i) QCoreApplication::processEvents();
        EXPECT_TRUE(w.grab().save(folder + (rig ? "/ts2000_rig.png" : "/ts2000_standard.png")));
        app.reset();
        settle();
    }
}
