#pragma once
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "common/settings_store.h"
#include "common/waits.h"
#include "platform/msg_box.h"
#include "platform/paths.h"
#include "rig/rig_context.h"
#include "support/port_settings.h"
#include "support/temp_dir.h"

// A transceiver window on a simulated radio: torv.ini in a fresh program folder maps
// COM3 to the simulator's pseudo-terminal; the main window's values the window reads
// are the fixture's. The window's own timer is held until a test lets it run.
template <class Window, class Radio>
struct RigFixture : ::testing::Test {
    TempDir dir;
    Radio radio;
    std::string selected_sat;
    double doppler_factor = 1.0;
    torv::CurrentSatValues sat_values;
    torv::RigShared rig;
    PortSettings ports;
    torv::RigContext ctx{{selected_sat, doppler_factor, sat_values}, ports.refs(), rig};
    std::map<std::string, std::string> dde;
    int editor_opened = 0;
    std::unique_ptr<Window> f;

    void SetUp() override {
        ASSERT_TRUE(radio.ok());
        platform::set_program_folder(dir.str());
        torv::ini_write(torv::Section{"SERIAL"}, torv::Key{"COM3"}, radio.port_path(), torv::torv_ini());
        ctx.services.dde_put = [this](std::string_view item, const std::string& text) {
            dde[std::string(item)] = text;
        };
        ctx.services.open_sat_info_editor = [this] { ++editor_opened; };
        recorder().clear();
    }
    void TearDown() override {
        if (f && f->running()) f->stop_operation();
    }

    static platform::MsgBoxRecorder& recorder() { return *platform::MsgBoxRecorder::current(); }

    Window& window(const std::string& sat) {
        selected_sat = sat;
        f = std::make_unique<Window>(ctx);
        f->Timer1.setEnabled(false);
        f->load();
        return *f;
    }
    Window& started(const std::string& sat) {
        Window& w = window(sat);
        w.Command2_Click();
        settle();
        return w;
    }
    // Lets the simulator take what was written: each round it takes every byte written
    // so far, until a few rounds bring no new frame.
    void settle() {
        size_t seen = radio.frames().size();
        for (int quiet = 0; quiet < 3;) {
            torv::wait_sec(0.02f);
            radio.take_written();
            quiet = radio.frames().size() == seen ? quiet + 1 : 0;
            seen = radio.frames().size();
        }
    }
    std::vector<std::string> tick() {
        const size_t mark = radio.mark();
        f->Timer1_Timer();
        settle();
        return radio.frames_since(mark);
    }
};
