#pragma once
#include <QCoreApplication>
#include <filesystem>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
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
#include "support/no_op_main_window_seam.h"
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

    // What the main window asks of the program, as the harness answers it: the start-up's
    // trace kept, the program's ends and the FT-847 set-ups counted, the element loading
    // run; nothing else. A test that watches more derives from it (answer_with).
    struct Seam : NoOpMainWindowSeam {
        explicit Seam(MainHarness& h) : h(h) {}
        void trace(const std::string& step) override { h.steps.push_back(step); }
        void end_program() override { ++h.ended; }
        void ft847_form_load() override { ++h.ft847_loads; }
        void element_settings_load() override { h.element_startup.element_settings_load(); }
        void element_load_hooks(torv::ElementLoadHooks& hooks) override { h.element_startup.fill_hooks(hooks); }
        MainHarness& h;
    };
    // Made before the window and kept until the harness ends: unloading the window asks it
    // to end the program.
    std::unique_ptr<Seam> seam = std::make_unique<Seam>(*this);
    platform::FormInstance<torv::MainWindow> main_window;

    std::vector<std::string> steps;  // the start-up's trace
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
        for (const Setting& s : settings)
            torv::ini_write(torv::Section{s.section}, torv::Key{s.key}, s.value, dir.file("torv.ini"));
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

    // Answers the main window with a test's own Seam (made from the harness and args),
    // which the harness keeps; before the window is first used.
    template <class S, class... Args>
    S& answer_with(Args&&... args) {
        if (main_window.exists()) throw std::logic_error("the main window already asks its seam");
        auto own = std::make_unique<S>(*this, std::forward<Args>(args)...);
        S& answers = *own;
        seam = std::move(own);
        return answers;
    }

    torv::MainWindowLinks links() {
        torv::fill_element_date_seam(element_seam, main_window);
        return torv::main_window_links(*this, {progress_window, dde, tray}, *seam);
    }

    std::string ini_text() const { return dir.read("torv.ini"); }
    const std::vector<std::string>& messages() const { return platform::MsgBoxRecorder::current()->texts; }
};
