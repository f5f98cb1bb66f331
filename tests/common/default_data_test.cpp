// The pictures and sounds laid beside the program by default: each one loads, has the size
// its view draws on, and the maps put land and sea where the map's scale says they are.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QtEndian>
#include <cmath>
#include <string>

namespace {

QString data_file(const char* name) { return QString(TORV_DATA "/") + name; }

QImage load(const char* name) {
    QImage image(data_file(name));
    EXPECT_FALSE(image.isNull()) << name;
    return image;
}

struct Region {
    double west, east, south, north;
};

// The pixel that shows a point of a plate carrée map of the region.
QRgb at(const QImage& map, const Region& r, double lon, double lat) {
    const int x = static_cast<int>(std::floor((lon - r.west) / (r.east - r.west) * map.width()));
    const int y = static_cast<int>(std::floor((r.north - lat) / (r.north - r.south) * map.height()));
    return map.pixel(x, y);
}

struct Place {
    const char* what;
    double lon, lat;  // longitude as the map counts it, eastward from 0
    bool land;
};

void expect_places(const char* name, const Region& r, std::initializer_list<Place> places, const Place& open_sea) {
    const QImage map = load(name);
    const QRgb sea = at(map, r, open_sea.lon, open_sea.lat);
    for (const Place& p : places) EXPECT_EQ(at(map, r, p.lon, p.lat) != sea, p.land) << name << ": " << p.what;
}

}  // namespace

TEST(DefaultData, PicturesHaveTheSizesTheirViewsDrawOn) {
    struct Case {
        const char* name;
        int width, height;
    };
    const Case cases[] = {
        {"MAP1.BMP", 630, 315},       {"WORD_MAP.BMP", 903, 453},   {"JAPAN.BMP", 396, 396},
        {"japan95.bmp", 396, 396},    {"asia090-98.bmp", 623, 613}, {"REDA.BMP", 205, 206},
        {"skya7_18.BMP", 720, 360},   {"skya18_19.BMP", 720, 360},  {"skya19_6.BMP", 720, 360},
        {"sun1.bmp", 30, 30},         {"moon1.bmp", 30, 30},        {"kaseix.bmp", 30, 30},
        {"iss91.bmp", 30, 30},
    };
    for (const Case& c : cases) {
        const QImage image = load(c.name);
        EXPECT_EQ(image.size(), QSize(c.width, c.height)) << c.name;
    }
}

TEST(DefaultData, WorldMapsStartAtTheZeroMeridian) {
    const Region world{0, 360, -90, 90};
    const Place pacific{"Pacific", 180, 0, false};
    for (const char* name : {"MAP1.BMP", "WORD_MAP.BMP"}) {
        expect_places(name, world,
                      {{"Australia", 134, -25, true},
                       {"Central Africa", 22, 5, true},
                       {"Siberia", 100, 62, true},
                       {"United States", 360 - 100, 40, true},
                       {"Brazil", 360 - 55, -10, true},
                       {"Antarctica", 60, -80, true},
                       {"Atlantic", 360 - 35, 30, false},
                       {"Indian Ocean", 80, -20, false},
                       {"Gulf of Guinea", 2, 0, false}},
                      pacific);
    }
}

TEST(DefaultData, LocalMapsShowTheirRegions) {
    const Region japan{120, 150, 20, 50};
    for (const char* name : {"JAPAN.BMP", "japan95.bmp"})
        expect_places(name, japan,
                      {{"Honshu", 138.5, 36, true}, {"Manchuria", 127, 45, true}, {"Kyushu", 131, 32.5, true},
                       {"Sea of Japan", 135, 40, false}},
                      {"Philippine Sea", 140, 25, false});
    expect_places("asia090-98.bmp", {90, 180, 0, 90},
                  {{"Mongolia", 100, 45, true}, {"Borneo", 114, 1, true}, {"Honshu", 138.5, 36, true}},
                  {"Pacific", 170, 20, false});
}

TEST(DefaultData, IconsAreBodiesOnTheTransparentBlack) {
    struct Case {
        const char* name;
        int x, y;  // a pixel of the body
    };
    for (const Case& c : {Case{"sun1.bmp", 10, 10}, Case{"moon1.bmp", 10, 10}, Case{"kaseix.bmp", 10, 10},
                          Case{"iss91.bmp", 16, 10}}) {
        const QImage icon = load(c.name);
        EXPECT_EQ(icon.pixel(0, 0) & 0xFFFFFF, 0u) << c.name;
        EXPECT_EQ(icon.pixel(29, 29) & 0xFFFFFF, 0u) << c.name;
        EXPECT_NE(icon.pixel(c.x, c.y) & 0xFFFFFF, 0u) << c.name;
    }
}

TEST(DefaultData, SoundsArePlainWaveFiles) {
    for (const char* name : {"sound2.wav", "sound3.wav", "sound5.wav"}) {
        QFile f(data_file(name));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << name;
        const QByteArray b = f.readAll();
        ASSERT_GE(b.size(), 44) << name;
        EXPECT_EQ(b.mid(0, 4), "RIFF");
        EXPECT_EQ(b.mid(8, 8), "WAVEfmt ");
        EXPECT_EQ(qFromLittleEndian<quint16>(b.constData() + 20), 1) << name;  // PCM
        const auto rate = qFromLittleEndian<quint32>(b.constData() + 24);
        const auto data_bytes = qFromLittleEndian<quint32>(b.constData() + 40);
        const double seconds = data_bytes / 2.0 / rate;
        EXPECT_GT(seconds, 0.2) << name;
        EXPECT_LT(seconds, 1.0) << name;
    }
}
