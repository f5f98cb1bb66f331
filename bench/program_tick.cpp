// One 950 ms tick of the real main window, as the running program does it: the App
// started on the default data (offscreen), then Form1's own tick timed, result labels,
// Sun/Moon/Mars driver, world map, sky view and the items included.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <filesystem>

#include "app/app.h"
#include "common/settings_store.h"
#include "platform/clock.h"
#include "platform/msg_box.h"
#include "platform/paths.h"

namespace {

void BM_ProgramTick(benchmark::State& state) {
    const auto folder = std::filesystem::temp_directory_path() / "torv_bench_program";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    for (const auto& f : std::filesystem::directory_iterator(TORV_DATA)) std::filesystem::copy(f.path(), folder);
    platform::set_program_folder(folder.string());
    platform::clock_fix({2018, 1, 21, 3, 0, 0});
    torv::ini_write("28999", "PORT", "DDE", torv::torv_ini());
    torv::App app;
    app.start();
    torv::Form1& form1 = app.form1();
    form1.Timer1.setEnabled(false);
    for (auto _ : state) form1.Timer1_Timer();
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_ProgramTick)->Unit(benchmark::kMillisecond);

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
