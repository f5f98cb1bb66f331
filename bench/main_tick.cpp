// One whole 950 ms tick of the main window on the offscreen platform: seven satellites
// computed with their ten-minute trails, the selected one's next revolution and its
// Doppler factor, every map redrawn (world, enlarged, both zoom maps with footprints,
// sky view) and the items written. The computation-only variant draws into no picture,
// so the difference is the drawing.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "mainwindow/main_loop.h"
#include "tests/support/map_fixture.h"

namespace {

using namespace torv;

const char* const kSets[][3] = {
    {"FO-29", "1 24278U 96046B   18020.85842795 -.00000002  00000-0  31335-4 0  9999",
     "2 24278  98.5306 239.7962 0351150 133.0233 230.0898 13.53080693 58061"},
    {"AO-7", "1 07530U 74089B   18020.92882759 -.00000031  00000-0  83259-4 0  9990",
     "2 07530 101.6660 350.5859 0011799 260.7489 115.8236 12.53630761975916"},
    {"AO-73", "1 39444U 13066AE  18020.54856505  .00000261  00000-0  38947-4 0  9993",
     "2 39444  97.6059  58.2764 0056877 274.6819  84.7900 14.81625290223209"},
    {"XW-2A", "1 40903U 15049E   18021.15255208  .00001909  00000-0  50002-4 0  9995",
     "2 40903  97.4015  54.4527 0013904 194.1964 165.8893 15.39913872131173"},
    {"XW-2C", "1 40906U 15049H   18021.17078680  .00000622  00000-0  36804-4 0  9992",
     "2 40906  97.4580  27.3972 0015232 173.4448 186.6986 15.14982102129232"},
    {"ISS", "1 25544U 98067A   18020.89808844  .00002078  00000-0  38550-4 0  9992",
     "2 25544  51.6424  32.9776 0003646  28.7227  39.5332 15.54190080 95614"},
    {"SO-50", "1 27607U 02058C   18020.85805703 -.00000024  00000-0  17191-4 0  9994",
     "2 27607  64.5541 180.3486 0047321   5.0119 355.1447 14.75413283811223"},
};

struct Tick : MapFixture, MainLoopLabels {
    StdPicture iss{StdPicture::Bitmap, QImage(30, 30, QImage::Format_RGB32)};
    std::unique_ptr<MainLoop> loop;

    explicit Tick(bool draw) {
        for (const auto& s : kSets)
            if (!elements.find_named_set(s[0])) elements.add_set(s[0], s[1], s[2]);
        iss.image.fill(Qt::white);
        view.local_zoom_open = view.partner_zoom_open = 1;
        MapSurfaces surfaces;
        if (draw)
            surfaces = {&main_map, &world_zoom, &local_zoom, &partner_zoom, &orbit_view, &sky_view, &iss, &iss, &iss};
        MainLoopSteps steps;
        steps.slot_name = [](int s) { return std::string(kSets[s][0]); };
        steps.slot_color = [](int s) { return 255.0 * (s + 1) * 1000; };
        loop = std::make_unique<MainLoop>(MapContext{octx, partners, settings, view, maps, surfaces, {}}, chart, doppler,
                                          controls(), steps);
        chart.chart_refreshed = 1;
    }
};

void BM_MainTick(benchmark::State& st) {
    Tick tick(st.range(0) != 0);
    for (auto _ : st) tick.loop->Timer1_Timer();
}
BENCHMARK(BM_MainTick)->Arg(1)->Arg(0)->ArgNames({"draw"})->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
