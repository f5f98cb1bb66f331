#pragma once
#include <QCoreApplication>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/contexts.h"
#include "common/live_values_window.h"
#include "common/progress_window.h"
#include "common/settings_store.h"
#include "mainwindow/main_window.h"
#include "orbit/element_update_startup.h"
#include "orbit/element_update_window.h"
#include "platform/clock.h"
#include "platform/form.h"
#include "platform/msg_box.h"
#include "platform/paths.h"
#include "platform/tray.h"
#include "support/temp_dir.h"

// A program folder of its own with the default settings and element sets, the program
// state the application would own, and the main window over them. The clock stands at
// 21 January 2018 03:00:00 UTC (12:00:00 local time at the default time difference of 9
// hours), a day after the default element sets' epochs.
struct MainHarness : torv::ProgramState {
    static constexpr platform::ClockReading kClock{2018, 1, 21, 3, 0, 0};

    TempDir dir;
    torv::ElementUpdateSeam element_seam;
    torv::ElementUpdateContext element_context = torv::element_update_context(*this, element_seam);
    platform::Tray tray;
    platform::FormInstance<torv::ProgressWindow> progress_window;
    platform::FormInstance<torv::LiveValuesWindow> dde;
    platform::FormInstance<torv::ElementUpdateWindow> element_update_window{
        [this] { return std::make_unique<torv::ElementUpdateWindow>(element_context); }};
    torv::ElementStartup element_startup{element_context, element_update_window};
    platform::FormInstance<torv::MainWindow> main_window;

    std::vector<std::string> steps;  // the start-up's trace
    // Hooks a test adds to the main window's, before the window is first used.
    std::function<void(torv::MainWindowHooks&)> more_hooks;
    int ended = 0;                   // times the program was ended
    int ft847_loads = 0;             // set-ups of the FT-847 window

    struct Setting {
        const char* section;
        const char* key;
        const char* value;
    };
    // The default settings file with settings stored over it.
    // with_pictures: the default bitmaps and sounds too, else only the settings and elements.
    explicit MainHarness(std::initializer_list<Setting> settings = {}, bool with_pictures = true)
        : main_window([this] { return std::make_unique<torv::MainWindow>(links()); }) {
        namespace fs = std::filesystem;
        const fs::path data = fs::path(TORV_FIXTURES).parent_path().parent_path() / "data";
        for (const auto& entry : fs::directory_iterator(data)) {
            const std::string name = entry.path().filename().string();
            if (with_pictures || name == "torv.ini" || name == "TORV.ELM") fs::copy_file(entry.path(), dir.file(name));
        }
        for (const Setting& s : settings) torv::ini_write(s.value, s.key, s.section, dir.file("torv.ini"));
        platform::set_program_folder(dir.str());
        platform::clock_fix(kClock);
        platform::MsgBoxRecorder::current()->clear();
    }
    ~MainHarness() {
        if (main_window.exists()) {
            for (platform::Timer* t : {&main_window().Timer1, &main_window().Timer2, &main_window().Timer3})
                t->setEnabled(false);
            main_window.Unload();  // unloading saves; each test has its own folder
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        platform::clock_release();
    }

    torv::MainWindowLinks links() {
        torv::MainWindowHooks h;
        h.trace = [this](const std::string& s) { steps.push_back(s); };
        h.end_program = [this] { ++ended; };
        h.ft847_form_load = [this] { ++ft847_loads; };
        h.element_settings_load = [this] { element_startup.element_settings_load(); };
        h.element_load_hooks = [this](torv::ElementLoadHooks& hooks) { element_startup.fill_hooks(hooks); };
        torv::fill_element_date_seam(element_seam, main_window);
        if (more_hooks) more_hooks(h);
        return torv::main_window_links(*this, {progress_window, dde, tray}, h);
    }

    std::string ini_text() const { return dir.read("torv.ini"); }
    const std::vector<std::string>& messages() const { return platform::MsgBoxRecorder::current()->texts; }
};
