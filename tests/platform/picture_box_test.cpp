#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMouseEvent>

#include "platform/picture_box.h"

using platform::PictureBox;

namespace {
constexpr platform::ColorValue kWhite = 16777215, kBlack = 0, kRed = 255, kBlue = 16711680, kGreen = 65280;

// A world map box: 720 x 360 pixels, two units per degree, y growing northward.
struct WorldMap : ::testing::Test {
    PictureBox box;
    WorldMap() {
        box.resize(720, 360);
        box.setBackColor(kBlack);
        box.Scale(0, 180, 720, -360);
    }
};
}  // namespace

TEST_F(WorldMap, UserScaleMapsToPixelsWithYUpward) {
    EXPECT_EQ(box.to_pixels(0, 180), QPointF(0, 0));
    EXPECT_EQ(box.to_pixels(360, 0), QPointF(360, 180));
    EXPECT_EQ(box.to_pixels(720, -180), QPointF(720, 360));
    EXPECT_EQ(box.from_pixels(QPointF(540, 90)), QPointF(540, 90));
    box.PSet(540.5, 90.5, kRed);
    EXPECT_EQ(box.Point(540.5, 90.5), kRed);
    EXPECT_EQ(box.image().pixelColor(540, 89), QColor(255, 0, 0));
}

TEST_F(WorldMap, CirclesAreRoundAndFilledByTheCarriedFillState) {
    box.fillColor = kRed;
    box.fillStyle = PictureBox::Solid;
    box.Circle(360, 0, 7, kBlack);
    EXPECT_EQ(box.Point(360, 0), kRed);       // filled
    EXPECT_EQ(box.Point(364, 0), kRed);
    EXPECT_EQ(box.Point(360, 5), kRed);       // round on screen
    EXPECT_EQ(box.Point(370, 0), kBlack);     // outside
    // The next circle without its own fill setting inherits the solid red fill.
    box.Circle(100, 100, 3, kWhite);
    EXPECT_EQ(box.Point(100, 100), kRed);
    box.fillStyle = PictureBox::Transparent;
    box.Circle(200, 100, 5, kWhite);
    EXPECT_EQ(box.Point(200, 100), kBlack);
}

// Steps draw one after another on one image, reads in between: each step draws with
// its own pen and fill only (an outline box after a solid circle stays hollow, a line
// after a wide dot has its own pen), and a box grown between steps keeps what was drawn.
TEST_F(WorldMap, EachStepDrawsWithItsOwnPenAndFillOnly) {
    box.fillColor = kRed;
    box.fillStyle = PictureBox::Solid;
    box.Circle(100, 100, 5, kWhite);
    box.Box(300, 100, 340, 60, kGreen, false);
    EXPECT_EQ(box.Point(300, 80), kGreen);  // the outline
    EXPECT_EQ(box.Point(320, 80), kBlack);  // hollow
    box.drawWidth = 5;
    box.PSet(500, 0, kBlue);
    EXPECT_EQ(box.Point(500, 0), kBlue);
    box.drawWidth = 1;
    box.Line(0, -100, 720, -100, kWhite);
    EXPECT_EQ(box.Point(200, -100), kWhite);
    box.resize(1440, 720);  // two pixels a unit from now on
    box.Line(0, -150, 720, -150, kGreen);
    EXPECT_EQ(box.Point(200, -150), kGreen);
    const QImage& image = box.image();
    EXPECT_EQ(image.size(), QSize(1440, 720));
    EXPECT_EQ(image.pixelColor(300, 100), QColor(0, 255, 0));  // the outline, where it was drawn
    EXPECT_EQ(image.pixelColor(320, 100), QColor(0, 0, 0));
}

TEST_F(WorldMap, ClsKeepsTheBackgroundPicture) {
    QImage picture(720, 360, QImage::Format_RGB32);
    picture.fill(QColor(0, 0, 255));
    box.setPicture(picture);
    box.Line(0, 0, 720, 0, kGreen);
    EXPECT_EQ(box.Point(100, 0), kGreen);
    box.currentX = 50;
    box.Cls();
    EXPECT_EQ(box.Point(100, 0), kBlue);
    EXPECT_EQ(box.currentX, 0);
    EXPECT_EQ(box.currentY, 180);
}

TEST_F(WorldMap, BoxesAndPrintedTextLandWhereTheScaleSays) {
    box.Box(10, 170, 20, 160, kWhite, true);
    EXPECT_EQ(box.Point(15, 165), kWhite);
    box.foreColor = kWhite;
    box.currentX = 400;
    box.currentY = 100;
    box.Print("ISS");
    // Text is drawn upright below its position (downward on screen).
    const QPointF at = box.to_pixels(400, 100);
    int ink = 0;
    for (int y = int(at.y()); y < int(at.y()) + 14; ++y)
        for (int x = int(at.x()); x < int(at.x()) + 25; ++x) ink += box.image().pixelColor(x, y) != QColor(0, 0, 0);
    EXPECT_GT(ink, 5);
    EXPECT_LT(box.currentY, 100);  // the next line is further down the screen
}

TEST(PictureBox, DefaultScaleIsTwipsAndMouseReportsUserUnits) {
    PictureBox box;
    box.resize(200, 100);
    EXPECT_EQ(box.to_pixels(1500, 300), QPointF(100, 20));
    box.Scale(-10, 10, 20, -20);
    double gx = 0, gy = 0;
    int gb = 0;
    box.MouseDown = [&](int button, int, double x, double y) {
        gb = button;
        gx = x;
        gy = y;
    };
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(150, 25), QPointF(150, 25), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(&box, &press);
    EXPECT_EQ(gb, 1);
    EXPECT_DOUBLE_EQ(gx, 5);
    EXPECT_DOUBLE_EQ(gy, 5);
}
