// The TS-2000 window's two panel layouts: the standard panel, groups stacked down the
// left with the dial at the right, and the rig style that imitates the transceiver's
// front (an octagonal dial between two lamp rows, a coloured body with a meter panel,
// the buttons in a row below). Both are tables of places; the window's set-up colours
// the groups and lays the stored layout out. The menu stores a new choice for the next
// opening and saves the window's position.
#include <QPolygon>
#include <QRegion>
#include <QRegularExpression>

#include "common/settings_store.h"
#include "platform/layout.h"
#include "rig/cat_link.h"
#include "rig/ts2000_window.h"

namespace torv {

namespace {

struct Box {
    int left, top, width, height;
};

// A control's place in the standard and in the rig-style layout (twips, counted from
// its frame, the dial panel or the window).
struct PanelPlace {
    QWidget* control;
    Box standard, rig;
};

struct LinePlace {
    platform::LineControl* line;
    int x1, y1, x2_standard, x2_rig, y2;
};

// A meter's scale spaces its numbers with blanks, which the fonts here draw wider than
// the font it was written for (the power scale's "100" would fall off its end): each number
// stands where its characters stand along the text, as a share of the scale's width.
void place_words_by_column(platform::Label& scale) {
    scale.word_centre_x = [&scale](int i, int) {
        const QString text = scale.caption();
        QRegularExpressionMatchIterator words = QRegularExpression(QStringLiteral("[^ ]+")).globalMatch(text);
        for (int word = 0; words.hasNext(); ++word) {
            const QRegularExpressionMatch m = words.next();
            if (word == i) return (m.capturedStart() + m.capturedEnd()) / 2.0 / text.size() * scale.width();
        }
        return 0.0;
    };
}

}  // namespace

// The controls of the panels, their parents and what never changes with the layout.
void Ts2000Window::build_panels() {
    for (QWidget* w : {static_cast<QWidget*>(&Label10), static_cast<QWidget*>(&Label12),
                       static_cast<QWidget*>(&Label14), static_cast<QWidget*>(&Shape17)})
        w->setParent(&Picture3);
    Label32.setParent(&Frame5);
    Label33.setParent(&Frame6);
    for (platform::LineControl& line : corner_lines) line.setParent(&Picture3);
    for (platform::CommandButton* b : {&Command3, &Command4, &Command5, &Command6}) b->setParent(&Frame1);
    for (platform::CommandButton* b : {&Command7, &Command8, &Command9, &Command10}) b->setParent(&Frame2);
    for (platform::Shape& lamp : tx_lamps) lamp.setParent(&Frame1);
    for (platform::Shape& lamp : rx_lamps) lamp.setParent(&Frame2);
    for (QWidget* w : {static_cast<QWidget*>(&Shape15), static_cast<QWidget*>(&Command12),
                       static_cast<QWidget*>(&Command14)})
        w->setParent(&Frame4);
    for (QWidget* w : {static_cast<QWidget*>(&Shape14), static_cast<QWidget*>(&Command11),
                       static_cast<QWidget*>(&Command13), static_cast<QWidget*>(&Command19)})
        w->setParent(&Frame3);
    Command18.setParent(&Frame7);

    // What the layouts leave where the window's design put it.
    platform::lay_out({
        {&Label3, 405, 0, 1400, 255, "人工衛星"},
        {&Label4, 1845, 0, 1500, 255},
        {&Frame7, 4680, 2970, 3975, 465, "機能スイッチ"},
        {&Frame1, 0, 0, 0, 0, "送信電波形式"},
        {&Frame2, 0, 0, 0, 0, "受信電波形式"},
        {&Frame3, 0, 0, 0, 0, "自動周波数調整"},
        {&Frame4, 0, 0, 0, 0, "自動周波数調整"},
        {&Command18, 105, 165, 1500, 270},
        {&Shape21, 315, 4185, 150, 285},
        {&Shape20, 4815, 4185, 150, 285},
        {&Shape15, 90, 285, 150, 240},
        {&Command12, 300, 210, 900, 330},
        {&Command14, 1260, 210, 990, 330},
        {&Shape14, 60, 300, 150, 240},
        {&Command11, 240, 240, 720, 360},
        {&Command13, 990, 240, 720, 360},
        {&Command19, 1740, 240, 660, 360},
        {&Label9, 0, 0, 0, 0, "衛星の受信周波数 "},
        {&Label11, 0, 0, 0, 0, "衛星の発信周波数"},
        {&Label13, 0, 0, 0, 0, "周波数"},
        {&Frame5, 0, 0, 0, 0, "衛星の受信周波数範囲 "},
        {&Frame6, 0, 0, 0, 0, "衛星の送信周波数範囲"},
        {&Label32, 90, 210, 1950, 225},
        {&Label33, 90, 210, 1950, 225},
        {&Label7, 0, 0, 0, 0, "ビーコン周波数"},
        {&Label28, 0, 0, 0, 0, "周波数補正"},
        {&Label26, 0, 0, 0, 0, "周波数補正"},
        {&Label21, 0, 0, 0, 0, "→"},
        {&Label22, 0, 0, 0, 0, "←"},
        {&Label34, 0, 0, 0, 0, "←"},
        {&Label19, 0, 0, 0, 0, "信号強度"},
        {&Label17, 0, 0, 0, 0, "0   1   2   3   4   5   6   7   8   9 +20 +40 +60 "},
        {&Label18, 0, 0, 0, 0, "POWER"},
        {&Label20, 0, 0, 0, 0, "0   5               30           50                             100"},
    });
    for (int i = 0; i < 4; ++i) {
        platform::place(&tx_lamps[i], 90, 285 + 285 * i, 150, 210);
        platform::place(&rx_lamps[i], 90, 300 + 285 * i, 150, 210);
    }
    const std::array<platform::CommandButton*, 4> tx_modes{&Command6, &Command5, &Command3, &Command4};
    const std::array<platform::CommandButton*, 4> rx_modes{&Command7, &Command8, &Command9, &Command10};
    for (int i = 0; i < 4; ++i) {
        platform::place(tx_modes[i], 300, 240 + 285 * i, 765, 270);
        platform::place(rx_modes[i], 300, 255 + 285 * i, 705, 270);
    }
    // The scales are small print over their meters.
    QFont small = Label17.font();
    small.setPixelSize(10);
    for (platform::Label* scale : {&Label17, &Label18, &Label19, &Label20}) scale->setFont(small);
    for (platform::Label* scale : {&Label17, &Label20}) place_words_by_column(*scale);
    Shape4.setFilled(false);
    Shape4.lower();
    // The group backgrounds lie under the controls drawn on them, the rig body under all.
    for (platform::Shape* back : {&Shape1, &Shape2, &Shape3, &Shape16, &Shape19, &Shape18}) back->lower();
    for (auto* row : {&Shape22, &Shape23})
        for (platform::Shape& lamp : *row) {
            lamp.setParent(this);
            lamp.lower();
        }
    Shape18.lower();
    Shape5.lower();
    Shape4.lower();
}

Ts2000Window::~Ts2000Window() {
    // The template's controls that sit in this window's panel and frames are members
    // that outlive them: they leave before their containers are destroyed.
    for (QWidget* container : std::initializer_list<QWidget*>{&Picture3, &Frame5, &Frame6, &Frame1, &Frame2, &Frame3,
                                                             &Frame4, &Frame7})
        for (QWidget* child : container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) child->setParent(this);
}

void Ts2000Window::connect_panel_handlers() {
    MENU_15_hyoujyun_gamen.Click = [this] { MENU_15_hyoujyun_gamen_Click(); };
    MENU_15_rigu.Click = [this] { MENU_15_rigu_Click(); };
    MENU_15_ITI.Click = [this] { MENU_15_ITI_Click(); };
}

// Every group of the window in both layouts.
void Ts2000Window::lay_out_panel(bool rig) {
    const PanelPlace places[] = {
        // status, link and CW buttons
        {&Label38, {90, 270, 3435, 555}, {0, 405, 3300, 555}},
        {&Label15, {3615, 45, 2900, 285}, {6075, 45, 2700, 285}},
        {&Label16, {3615, 360, 2900, 285}, {6075, 360, 2700, 285}},
        {&Label25, {4185, 1755, 2220, 330}, {6075, 765, 2220, 330}},
        {&Command2, {90, 855, 990, 540}, {90, 2160, 990, 540}},
        {&Command20, {90, 1400, 990, 315}, {720, 6090, 825, 315}},
        // the dial panel and what it holds
        {&Picture3, {4095, 2160, 2400, 2940}, {3375, 0, 2400, 2760}},
        {&Shape4, {0, 0, 2400, 2940}, {0, 0, 2400, 2760}},
        {&Shape5, {30, 30, 2340, 2880}, {0, 0, 2400, 2760}},
        {&Label9, {105, 90, 2190, 240}, {195, 120, 2010, 240}},
        {&Label10, {105, 330, 2190, 300}, {195, 360, 2010, 300}},
        {&Frame5, {105, 630, 2190, 480}, {195, 660, 2010, 480}},
        {&Label13, {105, 1260, 700, 285}, {195, 1260, 700, 285}},
        {&Label14, {840, 1260, 1000, 285}, {930, 1260, 1000, 285}},
        {&Shape17, {1920, 1275, 255, 255}, {1980, 1275, 255, 255}},
        {&Label11, {105, 1740, 2190, 240}, {195, 1710, 2010, 240}},
        {&Label12, {105, 1980, 2190, 300}, {195, 1950, 2010, 300}},
        {&Frame6, {105, 2310, 2190, 480}, {195, 2235, 2010, 450}},
        // the meters
        {&Picture1, {2070, 1035, 4395, 195}, {270, 3300, 4260, 195}},
        {&Picture2, {2070, 1530, 4395, 195}, {270, 3870, 4260, 195}},
        {&Label19, {1140, 1020, 900, 210}, {270, 2955, 1200, 165}},
        {&Label17, {2070, 840, 4395, 195}, {270, 3120, 4260, 180}},
        {&Label18, {1140, 1515, 900, 210}, {270, 3510, 1200, 165}},
        {&Label20, {2070, 1320, 4395, 195}, {270, 3690, 4260, 180}},
        // the transmit block
        {&Shape2, {0, 1755, 3780, 1560}, {225, 4140, 4365, 1605}},
        {&Label5, {105, 1800, 1100, 240}, {510, 4185, 1365, 240}},
        {&Label1, {1215, 1800, 1200, 240}, {1905, 4185, 1245, 240}},
        {&Label28, {105, 2040, 1000, 210}, {420, 4440, 1000, 210}},
        {&Label29, {1215, 2040, 600, 210}, {1530, 4440, 600, 210}},
        {&Label31, {1815, 2040, 500, 210}, {2130, 4440, 500, 210}},
        {&HScroll1, {105, 2250, 2280, 195}, {420, 4650, 2340, 195}},
        {&Label23, {105, 2445, 2280, 195}, {420, 4845, 2340, 195}},
        {&Frame1, {2475, 1845, 1155, 1395}, {3195, 4275, 1155, 1395}},
        {&Frame4, {105, 2655, 2340, 615}, {420, 5040, 2340, 615}},
        // the beacon and converter rows
        {&Shape1, {0, 3330, 3780, 300}, {4680, 3465, 3960, 300}},
        {&Label7, {105, 3360, 1300, 240}, {4725, 3495, 1365, 240}},
        {&Label8, {1410, 3360, 950, 240}, {6090, 3495, 1000, 240}},
        {&Label39, {2370, 3360, 360, 240}, {7095, 3495, 450, 240}},
        {&Command17, {2730, 3345, 1035, 270}, {7545, 3480, 1080, 270}},
        {&Shape16, {1035, 3630, 2760, 375}, {4680, 3780, 3975, 375}},
        {&Check1, {1080, 3660, 1500, 315}, {4725, 3810, 1800, 315}},
        {&Label35, {2640, 3690, 1100, 255}, {6600, 3840, 1200, 255}},
        // the receive block
        {&Shape3, {0, 3990, 3795, 1605}, {4680, 4140, 3975, 1605}},
        {&Label6, {105, 4035, 1100, 240}, {5010, 4185, 1365, 240}},
        {&Label2, {1215, 4035, 1200, 240}, {6390, 4185, 1110, 240}},
        {&Label26, {105, 4275, 1000, 210}, {4860, 4440, 1000, 210}},
        {&Label27, {1215, 4275, 600, 210}, {5970, 4440, 600, 210}},
        {&Label30, {1815, 4275, 500, 210}, {6570, 4440, 500, 210}},
        {&HScroll2, {105, 4485, 2280, 195}, {4860, 4650, 2460, 195}},
        {&Label24, {105, 4680, 2280, 180}, {4860, 4830, 2460, 165}},
        {&Frame2, {2565, 4095, 1095, 1455}, {7515, 4230, 1095, 1455}},
        {&Frame3, {45, 4860, 2460, 705}, {4860, 4995, 2460, 705}},
        // the arrows between the blocks and the dial
        {&Label21, {3825, 2400, 240, 255}, {3825, 2400, 240, 255}},
        {&Label34, {3825, 3690, 240, 255}, {3825, 3690, 240, 255}},
        {&Label22, {3825, 4290, 240, 255}, {3825, 4290, 240, 255}},
        // the buttons, the CW panel and the last commands
        {&Command16, {4095, 5175, 510, 420}, {6435, 6030, 510, 420}},
        {&Command15, {4725, 5175, 825, 420}, {7020, 6030, 825, 420}},
        {&Command1, {5625, 5175, 690, 420}, {7875, 6030, 690, 420}},
        {&Frame8, {0, 5700, 6635, 2145}, {0, 6570, 6645, 2145}},
        {&Label36, {225, 8600, 2900, 255}, {45, 9500, 2640, 255}},
        {&Label37, {3195, 8600, 2900, 255}, {2745, 9500, 2640, 255}},
        // the rig style's own
        {&Shape18, {45, 2880, 8700, 2985}, {45, 2880, 8700, 2985}},
        {&Shape19, {225, 2925, 4380, 1185}, {225, 2925, 4380, 1185}},
    };
    for (const PanelPlace& p : places) {
        const Box& b = rig ? p.rig : p.standard;
        platform::place(p.control, b.left, b.top, b.width, b.height);
    }
    const LinePlace lines[] = {{&Line1, 0, 1170, 2220, 2385, 1170}, {&Line2, 0, 1665, 2220, 2385, 1665}};
    for (const LinePlace& l : lines) l.line->setPoints(l.x1, l.y1, rig ? l.x2_rig : l.x2_standard, l.y2);
    // The meters' grids are drawn for their new width.
    for (platform::PictureBox* meter : {&Picture1, &Picture2}) {
        meter->Cls();
        draw_meter(*meter, 0, 0);
    }
}

// ---- colours ---------------------------------------------------------------------------

void Ts2000Window::apply_colors() {
    if (!ctx.services.panel_colors) return;
    const RemotePanelColors c = ctx.services.panel_colors();
    const auto paint = [](const std::string& text, std::initializer_list<QWidget*> controls) {
        const platform::ColorValue color = panel::color_of(text);
        for (QWidget* w : controls) {
            if (auto* shape = qobject_cast<platform::Shape*>(w)) shape->setFillColor(color);
            else if (auto* label = qobject_cast<platform::Label*>(w)) label->setBackColor(color);
            else if (auto* frame = qobject_cast<platform::Frame*>(w)) frame->setBackColor(color);
        }
    };
    paint(c.rmt_sat_color, {&Shape5, &Label9, &Label10, &Frame5, &Label32, &Label11, &Label12, &Label13, &Frame6,
                            &Label33});
    paint(c.rmt_sat_freq_color, {&Label14, &Shape17});
    paint(c.rmt_becon_color, {&Shape1, &Label8, &Label7, &Label39});
    paint(c.rmt_send_color, {&Shape2, &Label5, &Label1, &Label28, &Label23, &Label29, &Label31, &Frame1, &Frame4});
    paint(c.rmt_receive_color,
          {&Shape3, &Label6, &Label2, &Label26, &Label24, &Label30, &Label27, &Frame2, &Frame3});
    // The receive side is the fixed side when the window sets up.
    Label6.setBackColor(kYellow);
    Label2.setBackColor(kYellow);
}

platform::ColorValue Ts2000Window::converter_color() {
    if (!ctx.services.panel_colors) return RigWindow::converter_color();
    return panel::color_of(ctx.services.panel_colors().rmt_receive_color);
}

// ---- the layouts -------------------------------------------------------------------------

void Ts2000Window::select_layout() {
    f15_gamen = panel::layout_number(ini_read_or(Section{"TS2000"}, Key{"F15_GAMEN"}, "0", torv_ini()));
    if (f15_gamen != 0) {
        layout_rig();
        platform::check_only(MENU_15_rigu, {&MENU_15_hyoujyun_gamen, &MENU_15_rigu});
    } else {
        layout_standard();
        platform::check_only(MENU_15_hyoujyun_gamen, {&MENU_15_hyoujyun_gamen, &MENU_15_rigu});
    }
}

void Ts2000Window::layout_standard() {
    const panel::Size size = panel::window_size(0, false);
    set_outer_size(size.width, size.height);
    lay_out_panel(false);
    for (platform::LineControl& line : corner_lines) line.hide();
    for (QWidget* w : {static_cast<QWidget*>(&Shape18), static_cast<QWidget*>(&Shape19),
                       static_cast<QWidget*>(&Shape20), static_cast<QWidget*>(&Shape21), static_cast<QWidget*>(&Frame7)})
        w->hide();
    for (auto* row : {&Shape22, &Shape23})
        for (platform::Shape& lamp : *row) lamp.hide();
    Timer3.setEnabled(false);
    Shape5.setBorderVisible(true);
    Picture3.setBorder(false);
    Picture3.clearMask();
    Picture3.setBackColor(kButtonFace);
    for (platform::Label* scale : {&Label17, &Label18, &Label19, &Label20}) scale->setBackColor(kButtonFace);
}

void Ts2000Window::layout_rig() {
    const panel::Size size = panel::window_size(1, false);
    set_outer_size(size.width, size.height);
    lay_out_panel(true);
    Label5.setCaption("送信周波数固定");
    Label6.setCaption("受信周波数固定");
    for (platform::Label* arrow : {&Label21, &Label22, &Label34}) arrow->hide();
    Shape18.show();
    Shape5.setBorderVisible(false);
    const RemotePanelColors c = ctx.services.panel_colors ? ctx.services.panel_colors() : RemotePanelColors{};
    Picture3.setBackColor(panel::color_of(c.rmt_sat_color));
    Picture3.setBorder(true);
    shape_dial_region();
    const platform::ColorValue meta = panel::color_of(c.rmt_sat_meta_color);
    for (platform::Label* scale : {&Label17, &Label18, &Label19, &Label20}) scale->setBackColor(meta);
    Shape19.show();
    Shape18.setFillColor(panel::color_of(c.rmt_sat_rigu_color));
    Shape19.setFillColor(meta);
    for (QWidget* w : {static_cast<QWidget*>(&Shape20), static_cast<QWidget*>(&Shape21), static_cast<QWidget*>(&Frame7)})
        w->show();
    for (auto* row : {&Shape22, &Shape23})
        for (platform::Shape& lamp : *row) lamp.show();
    Timer3.setEnabled(true);
}

void Ts2000Window::shape_dial_region() {
    // The outline is in pixels of the panel: at another pixel size it keeps its size.
    QPolygon outline;
    for (const panel::Point& p : panel::dial_outline()) outline << QPoint(p.x, p.y);
    Picture3.setMask(QRegion(outline, Qt::WindingFill));
    // The panel's border runs along its straight edges; these lines close it along the cuts.
    const int cuts[4][4] = {{0, 280, 280, -10}, {0, 2480, 280, 2760}, {2078, 2750, 2368, 2465}, {2078, 0, 2368, 280}};
    for (int i = 0; i < 4; ++i) {
        corner_lines[i].setPoints(cuts[i][0], cuts[i][1], cuts[i][2], cuts[i][3]);
        corner_lines[i].show();
    }
}

// ---- the menu ------------------------------------------------------------------------------

void Ts2000Window::choose_layout(int layout) {
    if (running()) {
        notice("ＴＳ２０００がサテライト運用のモードになってますので、画面変更はできません。");
        return;
    }
    f15_gamen = layout;
    platform::MenuItem& chosen = layout == 0 ? MENU_15_hyoujyun_gamen : MENU_15_rigu;
    platform::check_only(chosen, {&MENU_15_hyoujyun_gamen, &MENU_15_rigu});
    ini_write(Section{"TS2000"}, Key{"F15_GAMEN"}, std::to_string(layout), torv_ini());
    notice("ＴＳ２０００リモート画面を再度起動してください。");
    // The new layout is drawn when the window opens again.
    Command1_Click();
}

void Ts2000Window::MENU_15_ITI_Click() { save_window_position("F15_TOP_LEFT", top(), left()); }

}  // namespace torv
