#pragma once
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "common/cp932.h"
#include "common/debug_log.h"
#include "common/sat_records.h"
#include "common/settings_store.h"
#include "rig/ts2000_window.h"
#include "sim/ts2000_sim.h"
#include "support/rig_fixture.h"

namespace torv {

using Commands = std::vector<std::string>;

// The TS-2000 window on a simulated TS-2000 whose second satellite memory holds FO-29's
// bands; the program folder is also the working folder, where the trace is written.
struct Ts2000Fixture : RigFixture<Ts2000Window, sim::Ts2000Sim> {
    std::filesystem::path old_cwd = std::filesystem::current_path();
    int unloads = 0;

    void SetUp() override {
        RigFixture::SetUp();
        std::filesystem::current_path(dir.str());
        ini_write(Section{"SAT-INFO"}, Key{"FO-29"}, "0:145.9:2:435.9:1::1:,:,:0:", torv_ini());
        ini_write(Section{"SAT-INFO"}, Key{"FM-1"}, "145.8:145.9:4:435.8:4::0:,:,:0:", torv_ini());
        ini_write(Section{"SAT-INFO"}, Key{"SO-50"}, "436.795:145.85:4:436.795:4::0:,:,:0:", torv_ini());
        ini_write(Section{"SAT-INFO"}, Key{"AO-40"}, "0:1269.5:2:2401.2:1::2:,:,:0:", torv_ini());
        ports.ts2000 = {.enable = "1", .port = "COM3", .speed = "9600"};
        apply_freq_range(sat_values, kDefaultSatFreqRange);
        ctx.services.main_caption = [] { return std::string("軌道計算"); };
        radio.load_memories({{29.4, 145.9}, {435.9, 145.9}});
    }
    void TearDown() override {
        RigFixture::TearDown();
        f.reset();
        set_debug_trace("0");
        std::filesystem::current_path(old_cwd);
    }

    Ts2000Window& window(const std::string& sat = "FO-29") {
        Ts2000Window& w = RigFixture::window(sat);
        w.on_unloaded = [this] { ++unloads; };
        return w;
    }
    // Started on a rig standing on the satellite's memory; the test ticks.
    Ts2000Window& started(const std::string& sat = "FO-29") {
        radio.state.channel = 1;
        Ts2000Window& w = window(sat);
        w.Command2_Click();
        settle();
        w.Timer1.setEnabled(false);
        return w;
    }
    Commands since(size_t mark) {
        settle();
        return radio.frames_since(mark);
    }
    // The trace, as UTF-8 (the file is CP932).
    std::string trace() const { return cp932_to_utf8(dir.read("TESTlogtmp.LOG")); }
};

}  // namespace torv
