#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontMetrics>
#include <QImage>

#include "common/progress_window.h"
#include "common/version_window.h"
#include "platform/form.h"

using namespace torv;

TEST(ProgressWindow, AdvancesInStepsOfEightUpToTheMaximum) {
    platform::FormInstance<ProgressWindow> progress_window;
    ProgressWindow& f = progress_window();
    EXPECT_EQ(f.ProgressBar1.value(), 0);
    EXPECT_FALSE(f.Timer1.enabled());
    for (int i = 0; i < 12; ++i) f.ProgressBar_CNTUP();
    EXPECT_EQ(f.ProgressBar1.value(), 96);
    f.ProgressBar_CNTUP();
    EXPECT_EQ(f.ProgressBar1.value(), 100);
    f.ProgressBar_CNTUP();
    EXPECT_EQ(f.ProgressBar1.value(), 100);
}

TEST(ProgressWindow, FullBarSwitchesTheTimerOff) {
    ProgressWindow f;
    f.load();
    f.Timer1.setEnabled(true);
    f.ProgressBar1.setValue(50);
    int steps = 0;
    while (f.ProgressBar1.value() < 100) {
        f.Timer1.Timer_();
        ++steps;
    }
    EXPECT_EQ(steps, 7);  // 58, 66, … 98, then 100
    EXPECT_FALSE(f.Timer1.enabled());
}

TEST(ProgressWindow, RendersItsJapaneseCaptionAndText) {
    platform::FormInstance<ProgressWindow> progress_window;
    ProgressWindow& f = progress_window();
    f.Label1.setCaption(QString::fromUtf8("軌道要素の情報設定中"));
    f.Show();
    EXPECT_EQ(f.caption(), QString::fromUtf8("初期化進行状況"));

    // Every character of the caption and the step text has a glyph in the window's font.
    QFontMetrics metrics(f.Label1.font());
    for (QChar c : QString::fromUtf8("初期化進行状況軌道要素の情報設定中")) EXPECT_TRUE(metrics.inFont(c)) << int(c.unicode());

    const QImage shot = f.grab().toImage();
    ASSERT_FALSE(shot.isNull());
    // The label's text is drawn: some pixels of its area differ from the background.
    const QRect area = f.Label1.geometry();
    const QRgb background = shot.pixel(area.right() - 1, area.bottom() - 1);
    int ink = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) ink += shot.pixel(x, y) != background;
    EXPECT_GT(ink, 20);
    progress_window.Unload();
    EXPECT_FALSE(progress_window.exists());
}

TEST(VersionWindow, ShowsItsTextsAndClosesWithItsButton) {
    platform::FormInstance<VersionWindow> version_window;
    VersionWindow& f = version_window();
    f.Show();
    EXPECT_EQ(f.caption(), QString::fromUtf8("バージョン"));
    EXPECT_EQ(f.Label1.caption(), QString::fromUtf8("人工衛星軌道計算プログラム"));
    EXPECT_EQ(f.Label4.caption(), "V1.87");
    EXPECT_EQ(f.Frame3.caption(), QString::fromUtf8("免責事項"));
    f.Command1.click();
    EXPECT_FALSE(version_window.exists());
    // Showing it again reloads the same content.
    EXPECT_EQ(version_window().Label2.caption(), QString::fromUtf8("バージョン"));
}
