// Transparent painting of the body markers as one redraw does it: a 30 x 30 icon onto
// the world map and a 20 x 20 one onto the sky view, a fresh painter object each call.
#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include "common/paint_effects.h"

namespace {

void BM_PaintTransparentMarker(benchmark::State& state) {
    const int size = static_cast<int>(state.range(0));
    QImage map(720, 360, QImage::Format_RGB32);
    map.fill(QColor(0, 64, 128));
    torv::StdPicture marker{torv::StdPicture::Bitmap, QImage(size, size, QImage::Format_RGB32)};
    marker.image.fill(Qt::white);
    for (int i = 0; i < size; ++i) marker.image.setPixel(i, i, qRgb(255, 200, 0));
    int x = 0;
    for (auto _ : state) {
        torv::paint_transparent(map, x, 100, size, size, marker, 0, 0, 0xFFFFFF);
        x = (x + 7) % 700;
    }
    benchmark::DoNotOptimize(map.constBits());
}
BENCHMARK(BM_PaintTransparentMarker)->Arg(20)->Arg(30);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);  // colours of the desktop palette need it
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
