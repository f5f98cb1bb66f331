// The real main window's ticks, as the running program does them: the App started on the
// default data (offscreen), its timers stopped, then
// - one 950 ms tick with no chart refresh due (result labels, Sun/Moon/Mars driver, world
//   map, sky view and the items); with maps_open:1 the local zoom, partner zoom and
//   enlarged world map windows are shown, so their footprints are drawn too;
// - one 950 ms tick right after a chart reset: the same plus the chart refresh;
// - the chart refresh alone: the seven rows of 1440 minutes computed and drawn and the
//   pass list rebuilt, as the redraw's per-slot step does it;
// - the sky-track chart's one-second redraw.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <filesystem>
#include <memory>

#include "app/app.h"
#include "common/settings_store.h"
#include "platform/clock.h"
#include "platform/msg_box.h"
#include "platform/paths.h"

namespace {

// The App started on the default data in a folder of its own, the clock fixed, the main
// window's timers stopped after its first redraw.
struct ProgramOnDefaultData {
    std::filesystem::path folder = std::filesystem::temp_directory_path() / "torv_bench_program";
    std::unique_ptr<torv::App> app;
    ProgramOnDefaultData() {
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
        for (const auto& f : std::filesystem::directory_iterator(TORV_DATA)) std::filesystem::copy(f.path(), folder);
        platform::set_program_folder(folder.string());
        platform::clock_fix({2018, 1, 21, 3, 0, 0});
        torv::ini_write(torv::Section{"DDE"}, torv::Key{"PORT"}, "28999", torv::torv_ini());
        app = std::make_unique<torv::App>();
        app->start();
        torv::MainWindow& f = main_window();
        for (platform::Timer* t : {&f.Timer1, &f.Timer2, &f.Timer3}) t->setEnabled(false);
        f.Timer1_Timer();  // the start-up's own chart refresh
    }
    ~ProgramOnDefaultData() {
        app.reset();
        std::filesystem::remove_all(folder);
    }
    torv::MainWindow& main_window() { return app->main_window(); }
    torv::ChartFlags& chart() { return app->state.chart; }
};

void BM_ProgramTick(benchmark::State& state) {
    ProgramOnDefaultData p;
    if (state.range(0) == 1) {
        p.app->local_zoom_window().open_local();
        p.main_window().open_partner_map(0);
        p.app->world_zoom_window().Show();
    }
    for (auto _ : state) p.main_window().Timer1_Timer();
}
BENCHMARK(BM_ProgramTick)->ArgName("maps_open")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_ProgramTickAfterChartReset(benchmark::State& state) {
    ProgramOnDefaultData p;
    for (auto _ : state) {
        p.chart().request_full_refresh();
        p.main_window().Timer1_Timer();
    }
}
BENCHMARK(BM_ProgramTickAfterChartReset)->Unit(benchmark::kMillisecond);

void BM_ChartRefresh(benchmark::State& state) {
    ProgramOnDefaultData p;
    torv::PassChart& chart = p.main_window().pass_chart();
    for (auto _ : state) {
        p.chart().request_full_refresh();
        for (int s = 0; s < torv::kSlots; ++s) {
            std::string name = p.app->state.groups.shown()[s];
            chart.update_pass_timeline(name);
        }
    }
}
BENCHMARK(BM_ChartRefresh)->Unit(benchmark::kMillisecond);

// The sky-track chart's one-second redraw of the whole day, the part below the horizon
// shown: the most it draws.
void BM_SkyTrackTick(benchmark::State& state) {
    ProgramOnDefaultData p;
    torv::MainWindow& main_window = p.main_window();
    main_window.Timer2_Timer();
    main_window.Timer1_Timer();  // the chart's minute tables, and the chart loaded hidden
    torv::SkyTrackWindow& chart = p.app->sky_track_window();
    chart.Timer1.setEnabled(false);
    chart.Check1.setValue(1);
    for (auto _ : state) chart.Timer1_Timer();
}
BENCHMARK(BM_SkyTrackTick)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qt(argc, argv);
    platform::MsgBoxRecorder quiet;  // a bench shows no message box
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
