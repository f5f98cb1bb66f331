#include <gtest/gtest.h>

#include <QPainter>

#include "common/paint_effects.h"
#include "platform/picture_box.h"

using namespace torv;

namespace {

constexpr QRgb kMap = 0xFF204080;  // the map under the picture
constexpr QRgb kRed = 0xFFFF0000;

QImage map_image() {
    QImage map(40, 30, QImage::Format_RGB32);
    map.fill(kMap);
    return map;
}

// A 10 x 10 bitmap: a red cross on the key colour.
StdPicture cross_picture(QRgb key) {
    StdPicture p{StdPicture::Bitmap, QImage(10, 10, QImage::Format_RGB32)};
    p.image.fill(key);
    for (int i = 0; i < 10; ++i) {
        p.image.setPixel(i, 5, kRed);
        p.image.setPixel(5, i, kRed);
    }
    return p;
}

platform::ColorValue color_value(QRgb rgb) { return platform::from_qcolor(QColor(rgb)); }

}  // namespace

TEST(PaintEffects, KeyColourShowsTheMapThroughAndEverythingElseIsCopied) {
    for (QRgb key : {0xFFFFFFFFu, 0xFF000000u, 0xFF00FF00u}) {
        QImage map = map_image();
        const StdPicture picture = cross_picture(key);
        paint_transparent(map, 12, 8, 10, 10, picture, 0, 0, color_value(key));
        for (int y = 0; y < map.height(); ++y)
            for (int x = 0; x < map.width(); ++x) {
                const bool inside = x >= 12 && x < 22 && y >= 8 && y < 18;
                const QRgb want = inside && picture.image.pixel(x - 12, y - 8) == kRed ? kRed : kMap;
                ASSERT_EQ(map.pixel(x, y), want) << "key " << std::hex << key << " at " << std::dec << x << "," << y;
            }
    }
}

TEST(PaintEffects, SourceOffsetAndEdgesOfTheMap) {
    QImage map = map_image();
    const StdPicture picture = cross_picture(0xFFFFFFFF);
    // From source (5, 5) the area starts on the cross's centre; at (35, 25) it runs
    // off the map's right and bottom edges.
    paint_transparent(map, 35, 25, 10, 10, picture, 5, 5, color_value(0xFFFFFFFF));
    EXPECT_EQ(map.pixel(35, 25), kRed);
    EXPECT_EQ(map.pixel(39, 25), kRed);
    EXPECT_EQ(map.pixel(35, 29), kRed);
    EXPECT_EQ(map.pixel(36, 26), kMap);
    // Off the left and top edges.
    QImage map2 = map_image();
    paint_transparent(map2, -5, -5, 10, 10, picture, 0, 0, color_value(0xFFFFFFFF));
    EXPECT_EQ(map2.pixel(0, 0), kRed);  // the cross's centre
    EXPECT_EQ(map2.pixel(4, 0), kRed);
    EXPECT_EQ(map2.pixel(1, 1), kMap);
}

TEST(PaintEffects, IconsOwnTransparentPartsShowTheMapToo) {
    QImage icon(8, 8, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    QPainter(&icon).fillRect(2, 2, 4, 4, QColor(kRed));
    QImage map = map_image();
    paint_transparent(map, 4, 4, 8, 8, StdPicture{StdPicture::Icon, icon}, 0, 0, color_value(0xFFFFFFFF));
    EXPECT_EQ(map.pixel(4, 4), kMap);   // the icon's transparent corner
    EXPECT_EQ(map.pixel(6, 6), kRed);   // its opaque middle
    EXPECT_EQ(map.pixel(11, 11), kMap);
}

TEST(PaintEffects, EmptyPictureRaisesAndPaintsNothing) {
    QImage map = map_image();
    const QImage before = map;
    EXPECT_THROW(paint_transparent(map, 0, 0, 10, 10, StdPicture{}, 0, 0, 0), InvalidPicture);
    EXPECT_THROW(paint_transparent(map, 0, 0, 10, 10, StdPicture{StdPicture::Bitmap, QImage()}, 0, 0, 0),
                 InvalidPicture);
    EXPECT_EQ(map, before);
}

TEST(PaintEffects, OntoAPictureBox) {
    platform::PictureBox box;
    box.resize(40, 30);
    box.setBackColor(platform::from_qcolor(QColor(kMap)));
    box.Cls();
    paint_transparent(box, 12, 8, 10, 10, cross_picture(0xFFFFFFFF), 0, 0, color_value(0xFFFFFFFF));
    EXPECT_EQ(box.image().pixel(17, 13), kRed);  // the cross's centre
    EXPECT_EQ(box.image().pixel(13, 9), kMap);   // a key pixel
    EXPECT_EQ(box.image().pixel(30, 20), kMap);
}
