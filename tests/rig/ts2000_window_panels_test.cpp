#include <gtest/gtest.h>

#include <QBitmap>
#include <QRegion>
#include <string>

#include "common/settings_store.h"
#include "platform/qt_color.h"
#include "platform/twips.h"
#include "support/caption_fit.h"
#include "ts2000_fixture.h"

using namespace torv;
using platform::twips_to_px;

namespace {

// The TS-2000 window with the panel colours the main window would hold, each of the
// seven a colour of its own.
struct PanelFixture : Ts2000Fixture {
    RemotePanelColors colors{"1001", "1002", "1003", "1004", "1005", "1006", "1007"};

    void SetUp() override {
        Ts2000Fixture::SetUp();
        ctx.services.panel_colors = [this] { return colors; };
    }
    Ts2000Window& in_layout(const char* stored) {
        if (stored) ini_write(Section{"TS2000"}, Key{"F15_GAMEN"}, stored, torv_ini());
        return window();
    }
    // A control's place in twips, counted from the top left of its frame or panel (or of
    // the window below its menu bar), to the pixel.
    static void expect_at(const Ts2000Window& w, const QWidget& c, int left, int top) {
        const int below_menu = c.parentWidget() == &w ? w.client_top_px() : 0;
        EXPECT_EQ(c.x(), twips_to_px(left)) << c.metaObject()->className();
        EXPECT_EQ(c.y() - below_menu, twips_to_px(top)) << c.metaObject()->className();
    }
    static void expect_outer_size(const Ts2000Window& w, int width, int height) {
        EXPECT_NEAR(w.outer_width(), width, 14);
        EXPECT_NEAR(w.outer_height(), height, 14);
    }
};

}  // namespace

TEST_F(PanelFixture, TheStoredChoiceGivesTheLayout) {
    const struct {
        const char* stored;  // null: no key
        int f15_gamen;
    } cases[] = {{nullptr, 0}, {"0", 0}, {"0.4", 0}, {"tate", 0}, {"1", 1}, {"2", 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored ? c.stored : "(absent)");
        Ts2000Window& w = in_layout(c.stored);
        const bool rig = c.f15_gamen != 0;
        EXPECT_EQ(w.f15_gamen, c.f15_gamen);
        EXPECT_EQ(w.MENU_15_rigu.checked(), rig);
        EXPECT_EQ(w.MENU_15_hyoujyun_gamen.checked(), !rig);
        expect_outer_size(w, rig ? 8920 : 6735, rig ? 7260 : 6375);
        expect_at(w, w.Picture3, rig ? 3375 : 4095, rig ? 0 : 2160);
        expect_at(w, w.Command2, 90, rig ? 2160 : 855);
        expect_at(w, w.Shape2, rig ? 225 : 0, rig ? 4140 : 1755);
        expect_at(w, w.Frame8, 0, rig ? 6570 : 5700);
        EXPECT_EQ(w.Shape18.isVisibleTo(&w), rig);
        EXPECT_EQ(w.Frame7.isVisibleTo(&w), rig);
        EXPECT_EQ(w.Shape22[0].isVisibleTo(&w), rig);
        EXPECT_EQ(w.Timer3.enabled(), rig);
        EXPECT_EQ(w.Label21.isVisibleTo(&w), !rig);
        EXPECT_EQ(w.Label5.caption(), rig ? "送信周波数固定" : "送信周波数");
        EXPECT_EQ(w.Label6.caption(), rig ? "受信周波数固定" : "受信周波数");
        // The CW panel lies below the window's bottom edge.
        EXPECT_GE(w.Frame8.y(), w.QWidget::height());
    }
}

TEST_F(PanelFixture, EachCaptionFitsItsControlInBothLayouts) {
    for (const char* stored : {"0", "1"}) {
        SCOPED_TRACE(stored);
        Ts2000Window& w = in_layout(stored);
        const bool rig = stored[0] == '1';
        const struct {
            const QWidget& control;
            const char* caption;
        } rows[] = {
            {w.Label3, "人工衛星"},
            {w.Command2, "TS2000   運用開始"},
            {w.Command20, "ＣＷ開始"},
            {w.Label19, "信号強度"},
            {w.Label17, "0   1   2   3   4   5   6   7   8   9 +20 +40 +60 "},
            {w.Label18, "POWER"},
            {w.Label20, "0   5               30           50                             100"},
            {w.Label5, rig ? "送信周波数固定" : "送信周波数"},
            {w.Label28, "周波数補正"},
            {w.Frame1, "送信電波形式"},
            {w.Command6, "USB"},
            {w.Command5, "LSB"},
            {w.Command3, "CW"},
            {w.Command4, "FM"},
            {w.Frame4, "自動周波数調整"},
            {w.Command12, "自動"},
            {w.Command14, "周波数取込"},
            {w.Label7, "ビーコン周波数"},
            {w.Command17, "ビーコン受信"},
            {w.Check1, "受信コンバータ "},
            {w.Label6, rig ? "受信周波数固定" : "受信周波数"},
            {w.Label26, "周波数補正"},
            {w.Frame2, "受信電波形式"},
            {w.Command7, "USB"},
            {w.Command8, "LSB"},
            {w.Command9, "CW"},
            {w.Command10, "FM"},
            {w.Frame3, "自動周波数調整"},
            {w.Command11, "自動"},
            {w.Command13, "周波数取込"},
            {w.Command19, "自動取込"},
            {w.Label9, "衛星の受信周波数 "},
            {w.Frame5, "衛星の受信周波数範囲 "},
            {w.Label13, "周波数"},
            {w.Label11, "衛星の発信周波数"},
            {w.Frame6, "衛星の送信周波数範囲"},
            {w.Frame7, "機能スイッチ"},
            {w.Command18, "トレースＯＮ"},
            {w.Command16, "ＰＴＴ"},
            {w.Command15, "ＳＯ－５０オン信号"},
            {w.Command1, "終了"},
        };
        for (const auto& r : rows) {
            EXPECT_EQ(caption_of(r.control), QString::fromUtf8(r.caption));
            EXPECT_EQ(caption_overflow(r.control), 0) << r.caption;
        }
        // The beacon's mode stands clear of "ビーコン受信".
        EXPECT_FALSE(w.Label39.geometry().intersects(w.Command17.geometry()));
    }
}

TEST_F(PanelFixture, CwGrowsEitherLayoutToShowItsPanel) {
    for (const char* stored : {"0", "1"}) {
        SCOPED_TRACE(stored);
        const bool rig = std::string(stored) == "1";
        ini_write(Section{"TS2000"}, Key{"F15_GAMEN"}, stored, torv_ini());
        Ts2000Window& w = started();
        w.Command20_Click();
        expect_outer_size(w, rig ? 8920 : 6735, rig ? 9400 : 8515);
        EXPECT_LE(w.Frame8.y() + w.Frame8.QWidget::height(), w.QWidget::height() + 7);  // all but a few pixels shown
        w.Command20_Click();
        expect_outer_size(w, rig ? 8920 : 6735, rig ? 7260 : 6375);
        w.stop_operation();
    }
}

TEST_F(PanelFixture, ASetUpWhileCwIsOnReturnsToTheSizeWithoutThePanel) {
    ini_write(Section{"TS2000"}, Key{"F15_GAMEN"}, "1", torv_ini());
    Ts2000Window& w = started();
    w.Command20_Click();
    w.form_load();
    expect_outer_size(w, 8920, 7260);
    EXPECT_EQ(w.cw_running, 1);
    EXPECT_TRUE(w.Frame8.isEnabled());
}

TEST_F(PanelFixture, ColoursGoToTheirGroups) {
    colors.rmt_becon_color = "beacon";  // not a number: black
    Ts2000Window& w = in_layout("0");
    EXPECT_EQ(w.Shape5.fillColor(), 1004);
    for (const platform::Label* l : {&w.Label9, &w.Label10, &w.Label32, &w.Label13, &w.Label33})
        EXPECT_EQ(l->backColor(), 1004);
    EXPECT_EQ(w.Label14.backColor(), 1005);
    EXPECT_EQ(w.Shape17.fillColor(), 1005);
    EXPECT_EQ(w.Shape1.fillColor(), 0);
    EXPECT_EQ(w.Label7.backColor(), 0);
    EXPECT_EQ(w.Shape2.fillColor(), 1001);
    for (const platform::Label* l : std::initializer_list<const platform::Label*>{&w.Label5, &w.Label1, &w.Label28, &w.Label29})
        EXPECT_EQ(l->backColor(), 1001);
    EXPECT_EQ(w.Shape3.fillColor(), 1003);
    EXPECT_EQ(w.Label26.backColor(), 1003);
    // The receive side is the fixed side at the set-up.
    EXPECT_EQ(w.Label6.backColor(), platform::kYellow);
    EXPECT_EQ(w.Label2.backColor(), platform::kYellow);
    // The standard panel stands on the button face.
    EXPECT_EQ(w.Picture3.backColor(), platform::kButtonFace);
    EXPECT_EQ(w.Label17.backColor(), platform::kButtonFace);
    EXPECT_TRUE(w.Shape5.borderVisible());
}

TEST_F(PanelFixture, AChangeOfTheFixedSidePaintsTheFreeSideLightOrangeOrLightGreen) {
    // The panel's transmit and receive colours are 1001 and 1003 here; once the operator
    // moves the fixed side, the free side's labels take the fixed light colours.
    Ts2000Window& w = in_layout("1");
    w.Label5_Click();  // transmit side fixed
    for (const platform::Label* l : {&w.Label5, &w.Label1}) EXPECT_EQ(l->backColor(), platform::kYellow);
    for (const platform::Label* l : {&w.Label6, &w.Label2}) EXPECT_EQ(l->backColor(), kLightGreen);
    EXPECT_EQ(w.Shape21.fillColor(), platform::kRed);
    w.Label6_Click();  // receive side fixed
    for (const platform::Label* l : {&w.Label6, &w.Label2}) EXPECT_EQ(l->backColor(), platform::kYellow);
    for (const platform::Label* l : {&w.Label5, &w.Label1}) EXPECT_EQ(l->backColor(), kLightOrange);
    EXPECT_EQ(w.Shape20.fillColor(), platform::kRed);
    // The rest of each block keeps the panel's colour.
    EXPECT_EQ(w.Label28.backColor(), 1001);
    EXPECT_EQ(w.Label26.backColor(), 1003);
}

TEST_F(PanelFixture, TheConverterBoxTakesThePanelsReceiveColourWhileTicked) {
    Ts2000Window& w = window();
    w.Check1.setValue(1);
    EXPECT_EQ(w.Shape16.fillColor(), 1003);
    EXPECT_EQ(w.Label35.backColor(), 1003);
    EXPECT_EQ(w.Check1.palette().color(QPalette::Window), platform::to_qcolor(1003));
    w.Check1.setValue(0);
    EXPECT_EQ(w.Shape16.fillColor(), platform::kButtonFace);
    EXPECT_EQ(w.Label35.backColor(), platform::kButtonFace);
    EXPECT_EQ(w.Check1.palette().color(QPalette::Window), platform::to_qcolor(platform::kButtonFace));
}

TEST_F(PanelFixture, TheRigStyleColoursItsBodyAndCutsTheDialsCorners) {
    Ts2000Window& w = in_layout("1");
    EXPECT_EQ(w.Picture3.backColor(), 1004);
    EXPECT_TRUE(w.Picture3.border());
    EXPECT_FALSE(w.Shape5.borderVisible());
    EXPECT_EQ(w.Shape18.fillColor(), 1006);
    EXPECT_EQ(w.Shape19.fillColor(), 1007);
    for (const platform::Label* l : {&w.Label17, &w.Label18, &w.Label19, &w.Label20}) EXPECT_EQ(l->backColor(), 1007);
    // The octagon: 160 x 185 pixels, each corner cut by 20.
    const QRegion dial = w.Picture3.mask();
    EXPECT_TRUE(dial.contains(QPoint(80, 90)));
    EXPECT_TRUE(dial.contains(QPoint(1, 92)));
    EXPECT_TRUE(dial.contains(QPoint(80, 1)));
    for (QPoint corner : {QPoint(2, 2), QPoint(157, 2), QPoint(2, 182), QPoint(157, 182)})
        EXPECT_FALSE(dial.contains(corner)) << corner.x() << "," << corner.y();
    // The corner lines close the border along the cuts.
    for (const platform::LineControl& line : w.corner_lines) EXPECT_TRUE(line.isVisibleTo(&w));
    expect_at(w, w.corner_lines[2], 2078, 2465);
    // A converter switched on shows no arrow in the rig style.
    w.Check1.setValue(1);
    EXPECT_FALSE(w.Label34.isVisibleTo(&w));
    EXPECT_FALSE(w.Label22.isVisibleTo(&w));
}

TEST_F(PanelFixture, TheStandardPanelHasNoOutline) {
    Ts2000Window& w = in_layout("0");
    EXPECT_TRUE(w.Picture3.mask().isEmpty());
    EXPECT_FALSE(w.Picture3.border());
    for (const platform::LineControl& line : w.corner_lines) EXPECT_FALSE(line.isVisibleTo(&w));
}

TEST_F(PanelFixture, TheMenuStoresTheChoiceAndClosesTheWindow) {
    const struct {
        const char* stored;
        bool choose_rig;
        const char* written;
    } cases[] = {{"0", true, "1"}, {"1", false, "0"}, {"1", true, "1"}};  // the layout in use too
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.stored) + (c.choose_rig ? " rig" : " standard"));
        recorder().clear();
        unloads = 0;
        Ts2000Window& w = in_layout(c.stored);
        if (c.choose_rig) w.MENU_15_rigu_Click();
        else w.MENU_15_hyoujyun_gamen_Click();
        EXPECT_EQ(ini_read(Section{"TS2000"}, Key{"F15_GAMEN"}, torv_ini()), c.written);
        EXPECT_EQ(w.MENU_15_rigu.checked(), c.choose_rig);
        EXPECT_EQ(w.MENU_15_hyoujyun_gamen.checked(), !c.choose_rig);
        EXPECT_EQ(recorder().texts, Commands{"ＴＳ２０００リモート画面を再度起動してください。"});
        EXPECT_EQ(unloads, 1);
        // The window keeps its layout until it opens again.
        expect_outer_size(w, c.stored[0] == '1' ? 8920 : 6735, c.stored[0] == '1' ? 7260 : 6375);
    }
}

TEST_F(PanelFixture, NoLayoutChangeWhileTheLinkRuns) {
    ini_write(Section{"TS2000"}, Key{"F15_GAMEN"}, "0", torv_ini());
    Ts2000Window& w = started();
    recorder().clear();
    w.MENU_15_rigu_Click();
    EXPECT_EQ(recorder().texts,
              Commands{"ＴＳ２０００がサテライト運用のモードになってますので、画面変更はできません。"});
    EXPECT_EQ(ini_read(Section{"TS2000"}, Key{"F15_GAMEN"}, torv_ini()), "0");
    EXPECT_TRUE(w.MENU_15_hyoujyun_gamen.checked());
    EXPECT_FALSE(w.MENU_15_rigu.checked());
    EXPECT_EQ(w.f15_gamen, 0);
    EXPECT_EQ(unloads, 0);
}

TEST_F(PanelFixture, ThePositionIsSavedAsTopColonLeftAndReadBack) {
    Ts2000Window& w = window();
    for (auto [left, top] : {std::pair{4500, 1200}, std::pair{-300, 450}}) {
        w.move_twips(left, top);
        w.MENU_15_ITI_Click();
        EXPECT_EQ(ini_read(Section{"WIN_POSITION"}, Key{"F15_TOP_LEFT"}, torv_ini()),
                  std::to_string(top) + ":" + std::to_string(left));
    }
    EXPECT_TRUE(recorder().texts.empty());
}

TEST_F(PanelFixture, LampsFlankTheDialAsOvalsAndRunPatternTwo) {
    Ts2000Window& w = in_layout("1");
    for (int i : {0, 9}) {
        expect_at(w, w.Shape22[i], 2115 + 90 * i, 2745 - 135 * i);
        expect_at(w, w.Shape23[i], 5985 + 90 * i, 1530 + 135 * i);
        EXPECT_EQ(w.Shape22[i].width(), twips_to_px(350 + 50 * i));
        EXPECT_EQ(w.Shape22[i].height(), twips_to_px(105));
        EXPECT_EQ(w.Shape23[i].kind, platform::Shape::Oval);
    }
    // The timer starts at 30 ms; its first tick sets the animation's 20 ms.
    EXPECT_EQ(w.Timer3.interval(), 30);
    for (int i = 0; i < 10; ++i) w.Timer3_Timer();
    EXPECT_EQ(w.Timer3.interval(), 20);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(w.Shape22[i].fillColor(), platform::kRed) << i;
        EXPECT_EQ(w.Shape23[i].fillColor(), platform::kGreen) << i;
    }
    EXPECT_EQ(w.led_position_row1, 0);
    EXPECT_EQ(w.led_direction_row2, 1);
    w.Timer3_Timer();
    EXPECT_EQ(w.Shape22[0].fillColor(), platform::kWhite);
    EXPECT_EQ(w.Shape22[1].fillColor(), platform::kRed);
}

TEST_F(PanelFixture, PatternOneFromASetUpFillsAndEmptiesBothRows) {
    Ts2000Window& w = in_layout("1");
    w.Combo1.setText("１");
    const auto lit = [&](int row) {
        int n = 0;
        for (const platform::Shape& lamp : row == 1 ? w.Shape22 : w.Shape23) n += lamp.fillColor() != platform::kWhite;
        return n;
    };
    for (int i = 0; i < 10; ++i) w.Timer3_Timer();
    EXPECT_EQ(lit(1), 10);
    EXPECT_EQ(lit(2), 10);
    for (int i = 0; i < 10; ++i) w.Timer3_Timer();
    EXPECT_EQ(lit(1), 0);
    EXPECT_EQ(lit(2), 0);
    // A set-up starts the pattern anew; lamps keep their colours.
    w.Timer3_Timer();
    w.Timer3_Timer();
    w.form_load();
    EXPECT_EQ(w.led_position_row1, 0);
    EXPECT_EQ(lit(1), 2);
}

TEST_F(PanelFixture, OtherListTextsGiveRectanglesAndNoPattern) {
    Ts2000Window& w = in_layout("1");
    w.Combo2.setText("x");
    w.Combo2_Click();
    for (const platform::Shape& lamp : w.Shape22) {
        EXPECT_EQ(lamp.kind, platform::Shape::Rectangle);
        EXPECT_EQ(lamp.width(), twips_to_px(350));
    }
    w.Combo1.setText("6");
    w.Timer3_Timer();
    EXPECT_EQ(w.Timer3.interval(), 30);
    for (const platform::Shape& lamp : w.Shape23) EXPECT_EQ(lamp.fillColor(), platform::kWhite);
}
