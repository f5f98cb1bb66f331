// One whole 950 ms tick of the main window on the offscreen platform: seven satellites
// computed with their ten-minute trails, the selected one's next revolution and its
// Doppler factor, every map redrawn (world, enlarged, both zoom maps with footprints,
// sky view) and the items written. The computation-only variant draws into no picture,
// so the difference is the drawing.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "mainwindow/main_loop.h"
#include "mainwindow/map_geometry.h"
#include "platform/clock.h"
#include "platform/twips.h"

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

struct Tick {
    ElementTable elements;
    SatCorrectionTable corrections;
    OwnStation station{135.15, 34.5, 45, "JA3XXX"};
    std::string selected_sat = "ISS";
    TimeState time;
    OrbitState orbit;
    OrbitContext octx{elements, corrections, station, selected_sat, time, orbit, nullptr};
    PartnerStationTable partners;
    MainSettings settings;
    MainViewState view;
    MapState maps;
    ChartFlags chart;
    DopplerState doppler;
    platform::PictureBox main_map, world_zoom, local_zoom, partner_zoom, orbit_view, sky_view;
    std::array<platform::Label, 7> slot_labels;
    platform::Label range_rate;
    std::array<platform::Label, 6> doppler_labels;
    extrn items;
    StdPicture iss{StdPicture::Bitmap, QImage(30, 30, QImage::Format_RGB32)};
    std::unique_ptr<MainLoop> loop;

    explicit Tick(bool draw) {
        platform::clock_fix({2018, 1, 21, 3, 0, 0});
        set_time_diff(time, 9);
        time.realtime_flag = 1;
        for (const auto& s : kSets) elements.add_set(s[0], s[1], s[2]);
        iss.image.fill(Qt::white);
        main_map.resize(720, 360);
        world_zoom.resize(903, 453);
        local_zoom.resize(396, 396);
        partner_zoom.resize(396, 396);
        orbit_view.resize(200, 200);
        sky_view.resize(platform::twips_to_px(3075), platform::twips_to_px(3090));
        set_world_map_scale(main_map);
        set_world_map_scale(world_zoom);
        set_local_zoom_scale(local_zoom, 135, 35);
        set_local_zoom_scale(partner_zoom, 135, 35);
        settings.start_tizu = "1";
        view.local_zoom_px_width = view.local_zoom_px_height = 396;
        view.partner_zoom_px_width = view.partner_zoom_px_height = 396;
        view.local_zoom_open = view.partner_zoom_open = 1;
        maps.partner_zoom_lon = "135";
        MapSurfaces surfaces;
        if (draw)
            surfaces = {&main_map, &world_zoom, &local_zoom, &partner_zoom, &orbit_view, &sky_view, &iss, &iss, &iss};
        MainLoopControls controls;
        for (int s = 0; s < 7; ++s) controls.form1_slot_labels[s] = &slot_labels[s];
        controls.Label25 = &range_rate;
        for (int r = 0; r < 3; ++r) {
            controls.doppler_value_labels[r] = &doppler_labels[2 * r];
            controls.doppler_band_labels[r] = &doppler_labels[2 * r + 1];
        }
        controls.items = &items;
        MainLoopSteps steps;
        steps.slot_name = [](int s) { return std::string(kSets[s][0]); };
        steps.slot_color = [](int s) { return 255.0 * (s + 1) * 1000; };
        loop = std::make_unique<MainLoop>(MapContext{octx, partners, settings, view, maps, surfaces, {}}, chart, doppler,
                                          controls, steps);
        chart.chart_refreshed = 1;
    }
    ~Tick() { platform::clock_release(); }
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
