#pragma once
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTcpServer>
#include <filesystem>
#include <memory>
#include <string>

#include "app/app.h"
#include "common/settings_store.h"
#include "platform/clock.h"
#include "platform/msg_box.h"
#include "platform/paths.h"
#include "support/default_data.h"
#include "support/temp_dir.h"

// A loopback port free at the moment of asking, so that programs started side by side
// do not take each other's item server port.
inline std::string free_local_port() {
    QTcpServer probe;
    if (!probe.listen(QHostAddress::LocalHost, 0)) return "0";
    return std::to_string(probe.serverPort());
}

// The whole program started on a copy of the default data, the clock at noon at the
// station (UTC+9), the item server on a free port of its own and the program folder
// also the working folder (where the transceivers' traces go). A test writes its own
// settings in configure(), which runs before the program starts.
struct ProgramOnDefaultData : ::testing::Test {
    TempDir dir;
    std::filesystem::path old_cwd = std::filesystem::current_path();
    std::unique_ptr<torv::App> app;

    void SetUp() override {
        prepare();
        start();
    }
    void TearDown() override {
        app.reset();
        QGuiApplication::setQuitOnLastWindowClosed(true);  // the program turns it off
        platform::clock_release();
        std::filesystem::current_path(old_cwd);
    }
    virtual void configure(const std::string& /*ini*/) {}

    // Starts the program; after app.reset(), starts it again on the files it left.
    void start() {
        app = std::make_unique<torv::App>();
        app->start();
    }
    // Lets the windows closed meanwhile be destroyed.
    static void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

protected:
    // Everything before the start: folder, clock and settings.
    void prepare() {
        copy_default_data(dir);
        platform::set_program_folder(dir.str());
        std::filesystem::current_path(dir.str());
        platform::clock_fix({2018, 1, 21, 3, 0, 0});
        const std::string ini = torv::torv_ini();
        torv::ini_write(torv::Section{"DDE"}, torv::Key{"PORT"}, free_local_port(), ini);
        configure(ini);
        platform::MsgBoxRecorder::current()->clear();
    }
};

// The same folder, clock and settings with the program not started yet: each test writes
// what its start needs and calls start() itself (again after app.reset()).
struct ProgramNotStarted : ProgramOnDefaultData {
    void SetUp() override { prepare(); }
};
