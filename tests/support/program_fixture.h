#pragma once
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <filesystem>
#include <memory>
#include <string>

#include "app/app.h"
#include "common/settings_store.h"
#include "platform/clock.h"
#include "platform/msg_box.h"
#include "platform/paths.h"
#include "support/temp_dir.h"

// The whole program started on a copy of the default data, the clock at noon at the
// station (UTC+9) and the item server off. A test writes its own settings in configure(),
// which runs before the program starts.
struct ProgramOnDefaultData : ::testing::Test {
    TempDir dir;
    std::unique_ptr<torv::App> app;

    void SetUp() override {
        for (const auto& f : std::filesystem::directory_iterator(TORV_DATA))
            std::filesystem::copy(f.path(), dir.str(), std::filesystem::copy_options::recursive);
        platform::set_program_folder(dir.str());
        platform::clock_fix({2018, 1, 21, 3, 0, 0});
        const std::string ini = torv::torv_ini();
        torv::ini_write("0", "PORT", "DDE", ini);
        configure(ini);
        platform::MsgBoxRecorder::current()->clear();
        app = std::make_unique<torv::App>();
        app->start();
    }
    void TearDown() override {
        app.reset();
        platform::clock_release();
    }
    virtual void configure(const std::string& /*ini*/) {}
    // Lets the windows closed meanwhile be destroyed.
    static void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
};
