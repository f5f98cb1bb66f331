// One 950 ms tick of the real main window, as the running program does it: the App
// started on the default data (offscreen), then Form1's own tick timed, result labels,
// Sun/Moon/Mars driver, world map, sky view and the items included.
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

// The App started on the default data in a folder of its own, the clock fixed.
struct ProgramOnDefaultData {
    std::filesystem::path folder = std::filesystem::temp_directory_path() / "torv_bench_program";
    std::unique_ptr<torv::App> app;
    ProgramOnDefaultData() {
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
        for (const auto& f : std::filesystem::directory_iterator(TORV_DATA)) std::filesystem::copy(f.path(), folder);
        platform::set_program_folder(folder.string());
        platform::clock_fix({2018, 1, 21, 3, 0, 0});
        torv::ini_write("28999", "PORT", "DDE", torv::torv_ini());
        app = std::make_unique<torv::App>();
        app->start();
        app->form1().Timer1.setEnabled(false);
    }
    ~ProgramOnDefaultData() {
        app.reset();
        std::filesystem::remove_all(folder);
    }
};

void BM_ProgramTick(benchmark::State& state) {
    ProgramOnDefaultData p;
    torv::Form1& form1 = p.app->form1();
    for (auto _ : state) form1.Timer1_Timer();
}
BENCHMARK(BM_ProgramTick)->Unit(benchmark::kMillisecond);

// The sky-track chart's one-second redraw of the whole day, the part below the horizon
// shown: the most it draws.
void BM_SkyTrackTick(benchmark::State& state) {
    ProgramOnDefaultData p;
    torv::Form1& form1 = p.app->form1();
    form1.Timer2_Timer();
    form1.Timer1_Timer();  // the chart's minute tables, and the chart loaded hidden
    torv::Form7& chart = p.app->form7();
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
