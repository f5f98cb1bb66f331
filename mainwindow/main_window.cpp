#include "mainwindow/main_window.h"

#include <QFont>
#include <QFontMetrics>
#include <QScrollBar>
#include <algorithm>

#include "platform/layout.h"
#include "platform/twips.h"
#include "platform/text.h"

namespace torv {

using platform::qs;

std::string hour_scale_text(bool from_noon) {
    const std::string b12(12, ' '), b11(11, ' '), b10(10, ' '), b9(9, ' ');
    if (from_noon)
        return "12" + b10 + "15" + b10 + "18" + b10 + "21" + b9 + "24" + b10 + "3" + b12 + "6" + b12 + "9" + b11 + "12";
    return "0" + b12 + "3" + b12 + "6" + b12 + "9" + b11 + "12" + b10 + "15" + b10 + "18" + b10 + "21" + b9 + "24";
}

MainWindow::MainWindow(MainWindowLinks links)
    : menufile(*this, QString::fromUtf8("ファイル(&F)")),
      manuqth(menufile, QString::fromUtf8("観測場所設定")),
      menu_tourokukyoku(menufile, QString::fromUtf8("登録局設定")),
      menueisei(menufile, QString::fromUtf8("衛星グループ設定")),
      menukidou(menufile, QString::fromUtf8("軌道要素更新")),
      menu_e_info(menufile, QString::fromUtf8("衛星の情報登録")),
      menu_schedule(menufile, QString::fromUtf8("スケジュール登録")),
      menu_cw_mes_set(menufile, QString::fromUtf8("ＣＷメッセージ登録")),
      menuh1(menufile, "", platform::MenuItem::Separator),
      menuend(menufile, QString::fromUtf8("閉じる")),
      menuhyouji(*this, QString::fromUtf8("表示(&D)")),
      menusun(menuhyouji, QString::fromUtf8("太陽の表示"), platform::MenuItem::Menu),
      menyusun_hyouji(menusun, QString::fromUtf8("表示")),
      menyusun_grafick(menusun, QString::fromUtf8("グラフィック表示")),
      menyusun_borderless(menusun, QString::fromUtf8("境界線非表示")),
      menyusun_hihyouji(menusun, QString::fromUtf8("非表示")),
      menumoon(menuhyouji, QString::fromUtf8("月の表示"), platform::MenuItem::Menu),
      menumoon_hyouji(menumoon, QString::fromUtf8("表示")),
      menumoon_grafick(menumoon, QString::fromUtf8("グラフィック表示")),
      menyumoon_borderless(menumoon, QString::fromUtf8("境界線非表示")),
      menumoon_hihyouji(menumoon, QString::fromUtf8("非表示")),
      menukasei(menuhyouji, QString::fromUtf8("火星の表示"), platform::MenuItem::Menu),
      menukasei_hyouji(menukasei, QString::fromUtf8("表示")),
      menukasei_grafick(menukasei, QString::fromUtf8("グラフィック表示")),
      menyukasei_borderless(menukasei, QString::fromUtf8("境界線非表示")),
      menukasei_hihyouji(menukasei, QString::fromUtf8("非表示")),
      menu_kiseki(menuhyouji, QString::fromUtf8("衛星の軌跡表示"), platform::MenuItem::Menu),
      menu_kiseki_hyouji(menu_kiseki, QString::fromUtf8("表示")),
      menu_kiseki_hihyouji(menu_kiseki, QString::fromUtf8("非表示")),
      menu_jikan(menuhyouji, QString::fromUtf8("時間線(１時間)表示"), platform::MenuItem::Menu),
      menu_jikan_hyouji(menu_jikan, QString::fromUtf8("表示")),
      menu_jikan_hihyouji(menu_jikan, QString::fromUtf8("非表示")),
      menu_blink(menuhyouji, QString::fromUtf8("衛星のブリンク"), platform::MenuItem::Menu),
      menu_blink_hyouji(menu_blink, QString::fromUtf8("表示（ブリンク）")),
      menu_blink_white(menu_blink, QString::fromUtf8("表示（白に反転）")),
      menu_blink_hihyouji(menu_blink, QString::fromUtf8("非表示 ")),
      menu_alon(menuhyouji, QString::fromUtf8("ALAT/ALON表示 "), platform::MenuItem::Menu),
      menu_alon_hyouji(menu_alon, QString::fromUtf8("表示 ")),
      menu_alon_hihyouji(menu_alon, QString::fromUtf8("非表示")),
      menu_local_map(menuhyouji, QString::fromUtf8("ローカル地図表示 "), platform::MenuItem::Menu),
      menu_local_map_hyouji(menu_local_map, QString::fromUtf8("起動時表示")),
      menu_local_map_hihyouji(menu_local_map, QString::fromUtf8("起動時非表示")),
      MENU_TIME(menuhyouji, QString::fromUtf8("時間校正"), platform::MenuItem::Menu),
      MENU_TIME_CHECK(MENU_TIME, QString::fromUtf8("起動時時間校正 する")),
      MENU_TIME_NOCHECK(MENU_TIME, QString::fromUtf8("起動時時間校正 しない")),
      menu_unyou(menuhyouji, QString::fromUtf8("運用情報の設定"), platform::MenuItem::Menu),
      menu_unyou_oscar(menu_unyou, QString::fromUtf8("oscarのサイト")),
      menu_unyou_amsat(menu_unyou, QString::fromUtf8("amsatのサイト")),
      menu_unyou_oscar_asmat(menu_unyou, QString::fromUtf8("oscarとamsatの両方")),
      menu_rada_info(menuhyouji, QString::fromUtf8("レーダ部情報表示"), platform::MenuItem::Menu),
      menu_rada_info_on(menu_rada_info, QString::fromUtf8("仰角・方位の表示をする")),
      menu_rada_info_off(menu_rada_info, QString::fromUtf8("仰角・方位の表示をしない")),
      menu_kasieisei(menuhyouji, QString::fromUtf8("可視範囲の衛星通知"), platform::MenuItem::Menu),
      menu_kasieisei_tuuti(menu_kasieisei, QString::fromUtf8("通知")),
      menu_kasieisei_hituuti(menu_kasieisei, QString::fromUtf8("非通知")),
      menu_dde(menuhyouji, QString::fromUtf8("ＤＤＥ情報表示")),
      menuhelp(*this, QString::fromUtf8("ヘルプ(&H)")),
      menusousa(menuhelp, QString::fromUtf8("操作説明")),
      menuhp(menuhelp, QString::fromUtf8("ＰＥＬＬＡＭのホームページ")),
      menuh2(menuhelp, "", platform::MenuItem::Separator),
      menu_ver_func(menuhelp, QString::fromUtf8("バージョン確認機能"), platform::MenuItem::Menu),
      menu_ver_chk_on(menu_ver_func, QString::fromUtf8("バージョン確認通知をする")),
      menu_ver_chk_off(menu_ver_func, QString::fromUtf8("バージョン確認通知をしない")),
      menuver(menuhelp, QString::fromUtf8("バージョン")),
      menu_gamen_size(*this, QString::fromUtf8("画面サイズ")),
      menu_gsiza_max(menu_gamen_size, QString::fromUtf8("通常")),
      menu_gsiza_max_map(menu_gamen_size, QString::fromUtf8("拡大（世界地図）")),
      menu_gsiza_min_map(menu_gamen_size, QString::fromUtf8("縮小(世界地図） ")),
      menu_gsize_min_rada(menu_gamen_size, QString::fromUtf8("縮小（レーダー）")),
      menu_gsize_24H(menu_gamen_size, QString::fromUtf8("２４時間スケジュール")),
      menu_gsize_24H_rada(menu_gamen_size, QString::fromUtf8("２４時間スケジュール＋レーダ")),
      menu_gsiza_min_map_rada(menu_gamen_size, QString::fromUtf8("縮小(世界地図）＋レーダ")),
      menu_rigu(*this, QString::fromUtf8("リグコントロール")),
      menu_rigu_ft847(menu_rigu, QString::fromUtf8("ＦＴ８４７")),
      menu_rigu_ic910(menu_rigu, QString::fromUtf8("ＩＣ９１０")),
      menu_rigu_ts2000(menu_rigu, QString::fromUtf8("ＴＳ２０００")),
      menu_rigu_ft736(menu_rigu, QString::fromUtf8("ＦＴ７３６")),
      Picture1(this), Picture2(this), Picture3(this), Picture4(this), Picture5(this), Picture6(this), Picture7(this),
      Picture8(this), Line10(&Picture3), Line12(&Picture3), List1(this), Frame1(this), Frame2(this), Frame3(this),
      Frame4(this), Frame5(this), Frame8(this), Frame6(this), Frame7(this), Label1(&Picture1), Label2(&Picture1),
      Label3(this), Label4(this), Label5(this), Label6(this), Label7(this), Label8(this), Label9(this),
      Label10(this), Label11(&Picture1), Label12(&Frame1), Label13(&Frame1), Label14(&Frame1), Label15(&Frame1),
      Label16(&Frame1), Label60(&Frame1), Label61(&Frame1), Label17(this), Label18(&Picture5), Label19(this),
      Label20(this), Label21(this), Label22(this), Label23(this), Label24(this), Label25(&Frame2),
      Label26(&Frame2), Label27(&Frame2), Label28(&Frame2), Label29(&Frame2), Label30(&Frame2), Label31(&Frame2),
      Label32(this), Label33(this), Label34(this), Label35(this), Label36(&Frame4), Label37(&Frame4),
      Label38(this), Label39(this), Label40(&Frame5), Label41(&Frame5), Label42(&Picture1), Label43(&Picture1),
      Label44(&Picture1), Label45(&Frame6), Label46(&Picture1), Label47(&Picture1), Label48(&Frame7),
      Label49(&Frame7), Label50(&Frame7), Label51(&Frame7), Label52(this), Label53(this), Label54(this),
      Label55(this), Label56(this), Label57(this), Label58(this), Label59(this), Label62(this), Label63(this),
      Label64(this), Label65(&Frame8), Label66(&Frame8), Label67(this), Command1(&Frame3), Command2(this),
      Command3(this), Command4(&Frame3), Command5(this), Command6(this), Command7(&Frame2), Command8(&Frame2),
      Command9(&Frame2), Command10(&Frame3), Command11(this), Command12(this), Command13(&Frame3),
      Command14(this), Command15(&Frame6), Command16(&Frame6), Command17(this), Command18(this), Command19(this),
      Command20(&Frame3), Command21(this), Command22(this), Command23(this), Command24(this), Check1(&Frame6),
      Check2(&Frame6), Check3(&Frame6), Shape2(&Frame1), Shape3(&Frame1), Shape4(&Frame1), Shape5(&Frame1),
      Shape6(&Frame1), Shape9(&Frame1), Shape10(&Frame1), Shape7(&Frame5), Shape8(&Frame4), Shape11(&Frame8),
      l_(std::move(links)) {
    setCaption(QString::fromUtf8(kMainWindowCaption));
    lay_out();
    connect_handlers();
    // The 950 ms and 15 s timers wait for the start-up to arm them: a tick inside one of
    // the start-up's message boxes would redraw with no element table and no clock yet.
    Timer1.setEnabled(false);
    Timer2.setEnabled(false);
    Timer1.setInterval(950);
    Timer2.setInterval(15000);
    Timer3.setInterval(60000);
}

MainWindow::~MainWindow() = default;

std::array<platform::Label*, kSlots> MainWindow::slot_labels() {
    return {&Label12, &Label13, &Label14, &Label15, &Label16, &Label60, &Label61};
}

void MainWindow::lay_out() {
    move_twips(600, 300);
    // The full layout's size, which the start-up's stored layout then replaces.
    set_outer_size(9645, 10950);
    constexpr int L = 240, B = 330;  // the usual heights of a label and a button
    const char* const kGroupTip = "衛星クループの切り替え";
    const char* const kShiftTip = "日次スケジュールを１２時間シフトさせて表示する";
    // Left column: world map, the selected satellite, groups, the 24-hour chart, controls.
    platform::lay_out({
        {&Picture2, 45, 45, 6120, 3060},
        {&Label3, 45, 3150, 1400, L},
        {&Label7, 1500, 3150, 450, L, "方位"},
        {&Label4, 1950, 3150, 650, L},
        {&Label8, 2650, 3150, 450, L, "仰角"},
        {&Label5, 3100, 3150, 650, L},
        {&Label9, 3800, 3150, 450, L, "距離"},
        {&Label6, 4250, 3150, 1350, L},
        {&Label10, 45, 3450, 650, L, "周回数"},
        {&Label23, 700, 3450, 900, L},
        {&Label54, 1650, 3450, 2200, L},
        {&Label55, 3900, 3450, 2250, L},
        {&Frame1, 45, 3780, 4500, 660, nullptr, "衛星グループの切り替え"},
        {&Command3, 4620, 3900, 450, B, "←", kGroupTip},
        {&Command5, 5100, 3900, 450, B, "→", kGroupTip},
        {&Label33, 3500, 4500, 2640, 225},
        {&Label21, 1035, 4500, 2400, 225},
        {&Command14, 135, 4590, 800, 300, "シフト→", kShiftTip},
        {&Picture5, 1000, 4725, 5160, 180},
        {&Label18, 0, 0, 5160, 180, nullptr, kShiftTip},
        {&Picture3, 45, 4905, 6120, 1950},

        {&Frame3, 45, 6900, 3000, 1050, "時間要素"},
        {&Command4, 120, 240, 900, B, "現在", "現在時間での再計算"},
        {&Command10, 1060, 240, 900, B, "+1 DAY", "１日後の軌道の表示"},
        {&Command20, 2000, 240, 900, B, " -1  DAY"},
        {&Command13, 120, 630, 1840, B, "加速処理", "加速シュミレーションを行う"},
        {&Command1, 2000, 630, 900, B, "未来軌道", "選択された衛星の未来軌道の予測"},
        {&Frame2, 3100, 6900, 3050, 1300, "ドップラー効果"},
        {&Label25, 120, 240, 2800, L},
        {&Frame6, 45, 8000, 3000, 900, "音響効果"},
        {&Check1, 120, 240, 1300, 270, "効果音", "可視範囲似入った場合に効果音発生"},
        {&Check2, 1500, 240, 1400, 270, "音楽演奏", "可視範囲に衛星がある場合に音楽演奏を行う機能 "},
        {&Check3, 120, 540, 1400, 270, "5分前通知"},
        {&Command15, 1500, 540, 400, 270, "←", "前の曲へ移動"},
        {&Label45, 1950, 555, 450, L, nullptr, "現在の演奏の順"},
        {&Command16, 2450, 540, 400, 270, "→", "次の曲に移動"},
        {&Label56, 3100, 8250, 1400, L},
        {&Label57, 4500, 8250, 1650, L},
        {&Label58, 3100, 8520, 1400, L},
        {&Label59, 4500, 8520, 1650, L},
        {&Label52, 3100, 8790, 1500, L, nullptr, "自動更新した時間"},
        {&Label53, 4650, 8790, 1500, L},

        {&Command11, 45, 9000, 1500, B, "週間予定一覧", "選択されている衛星の週間スケジュールを表示します。"},
        {&Command18, 1580, 9000, 1000, B, "一覧作成", "２局間のウィンドウオープンの一覧作成"},
        {&Command17, 2620, 9000, 1000, B, "運用情報 ", "インターネットに登録されている人工衛星の情報サイトを表示する"},
        {&Command22, 3660, 9000, 700, B, "ログ", "ログソフトｖａｎｔｌｅの起動"},
        {&Command6, 4400, 9000, 1750, B, "アンテナ追尾起動", "自動追尾プログラムの起動"},
        {&Command12, 45, 9400, 1500, B, "FT847リモート", "ＦＴ８４７のリモート制御"},
        {&Command19, 1580, 9400, 1500, B, "IC910リモート", "ＩＣ９１０のリモート制御"},
        {&Command21, 3120, 9400, 1500, B, "TS2000リモート"},
        {&Command23, 4660, 9400, 1500, B, "FT736リモート"},
        {&Command24, 45, 9800, 2400, B, "スケジュール登録開始", "衛星のスケジュール設定運用を行います"},
        {&Command2, 4660, 9800, 1500, B, "終了", "プログラムの終了"},
    });
    // The seven display slots: a label and its lamp each.
    const std::array<platform::Shape*, kSlots> lamps = {&Shape2, &Shape3, &Shape4, &Shape5, &Shape6, &Shape9, &Shape10};
    for (int k = 0; k < kSlots; ++k) {
        lamps[k]->kind = platform::Shape::Circle;
        lamps[k]->setFilled(false);  // dark until its satellite is drawn above the horizon
        platform::lay_out({{slot_labels()[k], 90 + k * 630, 300, 600, L, nullptr, "衛星を切り替える場合に押下"},
                           {lamps[k], 90 + k * 630 + 225, 540, 150, 90}});
    }
    // The three Doppler rows: band, frequency and the band's selector.
    const std::array<std::pair<platform::Label*, platform::Label*>, 3> rows = {
        std::pair{&Label26, &Label27}, {&Label28, &Label29}, {&Label30, &Label31}};
    const std::array<platform::CommandButton*, 3> selectors = {&Command7, &Command8, &Command9};
    for (int i = 0; i < 3; ++i)
        platform::lay_out({{rows[i].first, 120, 510 + i * 250, 700, L},
                           {rows[i].second, 850, 510 + i * 250, 1300, L},
                           {selectors[i], 2250, 500 + i * 250, 700, 240, "選択", "周波数の選択"}});
    Label18.setCaption(qs(hour_scale_text(false)));
    Line10.hide();
    Line12.hide();
    // Its frame may take the window's colour; this box keeps the button face.
    QPalette face = Check3.palette();
    face.setColor(QPalette::Window, platform::to_qcolor(kButtonFace));
    Check3.setPalette(face);
    Check3.setAutoFillBackground(true);

    // Right column: the bodies, the partner station, the orbit-plane and radar views, the pass list.
    const struct {
        platform::Frame& f;
        const char* text;
        int left;
        platform::Shape& swatch;
        platform::Label& az;
        platform::Label& el;
    } bodies[] = {{Frame4, "太陽の情報", 6210, Shape8, Label36, Label37},
                  {Frame5, "月の情報", 7335, Shape7, Label40, Label41},
                  {Frame8, "火星の情報", 8460, Shape11, Label65, Label66}};
    for (const auto& b : bodies)
        platform::lay_out({{&b.f, b.left, 45, 1080, 700, b.text},
                           {&b.swatch, 60, 300, 150, 150},
                           {&b.az, 260, 240, 780, L},
                           {&b.el, 260, 450, 780, L}});
    platform::lay_out({
        {&Frame7, 6210, 780, 3330, 620, "２局間の相手局情報"},
        {&Label50, 120, 280, 500, L, "方位"},
        {&Label48, 640, 280, 900, L},
        {&Label51, 1650, 280, 500, L, "仰角"},
        {&Label49, 2170, 280, 900, L},
        {&Label67, 6210, 1450, 3330, L},
        {&Picture1, 6210, 1800, 3105, 2865},
        {&Label2, 60, 60, 400, L, "MA"},
        {&Label1, 480, 60, 900, L},
        {&Label44, 60, 2300, 700, L, "ALON="},
        {&Label11, 760, 2300, 700, L},
        {&Label42, 1500, 2300, 700, L, "ALAT="},
        {&Label43, 2200, 2300, 700, L},
        {&Label46, 60, 2550, 700, L, "SQA ="},
        {&Label47, 760, 2550, 700, L},
        {&Picture4, 6210, 4680, 3330, 3330},
        {&Label19, 6210, 8050, 3330, L, kPassListHeading},
        {&List1, 6210, 8300, 3330, 1830, nullptr, "選択されている衛星のスケジュール"},
    });
    for (platform::PictureBox* icon : {&Picture6, &Picture7, &Picture8}) icon->hide();
    for (platform::Label* l : {&Label11, &Label42, &Label43, &Label44, &Label46, &Label47}) l->hide();
    QFont small = List1.font();
    small.setPointSizeF(small.pointSizeF() * 0.8);
    List1.setFont(small);
    Label19.setFont(small);
    lay_out_chart();
    // Labels that the views and the other windows' parts do not use stay out of sight.
    for (platform::Label* l : {&Label17, &Label20, &Label22, &Label24, &Label32, &Label34, &Label35, &Label38,
                               &Label39, &Label62, &Label63, &Label64})
        l->hide();
}

// The hour scale's numbers stand over the chart's three-hour lines, wherever the
// layout puts the chart and the scale; the scale lets the half-day bar under it show.
void MainWindow::lay_out_chart() {
    Picture3.Scale(0, 0, platform::px_to_twips(Picture3.QWidget::width()), kChartScaleHeight);
    for (platform::LineControl& line : Line13) {
        line.setParent(&Picture3);
        line.hide();
    }
    QFont f(QStringLiteral("IPAPGothic"));
    f.setPixelSize(std::max(6, Label18.QWidget::height() - 2));
    Label18.setFont(f);
    // The pass list's heading is as wide as its rows and scrolls sideways with them.
    pass_heading_view_.setParent(this);
    pass_heading_view_.setGeometry(Label19.geometry());
    Label19.setParent(&pass_heading_view_);
    Label19.setGeometry(0, 0, std::max(Label19.sizeHint().width(), pass_heading_view_.width()), pass_heading_view_.height());
    List1.setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    QObject::connect(List1.horizontalScrollBar(), &QScrollBar::valueChanged, &Label19, [this](int v) { Label19.move(-v, 0); });
    Label18.word_centre_x = [this](int i, int n) {
        const double x = kChartLeft + (kChartRight - kChartLeft) * i / std::max(1, n - 1);
        const QPointF on_chart(x / platform::kTwipsPerPixel, 0);
        return Label18.mapFrom(this, Picture3.mapTo(this, on_chart)).x();
    };
}

void MainWindow::connect_handlers() {
    Command3.Click = [this] { Command3_Click(); };
    Command5.Click = [this] { Command5_Click(); };
    const std::array<std::function<void()>, kSlots> select = {
        [this] { Label12_Click(); }, [this] { Label13_Click(); }, [this] { Label14_Click(); },
        [this] { Label15_Click(); }, [this] { Label16_Click(); }, [this] { Label60_Click(); },
        [this] { Label61_Click(); }};
    for (int k = 0; k < kSlots; ++k) slot_labels()[k]->Click = select[k];
    Command1.Click = [this] { Command1_Click(); };
    Command10.Click = [this] { Command10_Click(); };
    Command20.Click = [this] { Command20_Click(); };
    Command13.Click = [this] { Command13_Click(); };
    Command4.Click = [this] { Command4_Click(); };
    Command14.Click = [this] { Command14_Click(); };
    Label67.Click = [this] { Label67_Click(); };
    Label18.MouseMove = [this](double x, double) { Label18_MouseMove(x); };
    Picture3.MouseMove = [this](int, int, double x, double) { Picture3_MouseMove(x); };
    Picture3.MouseDown = [this](int, int, double x, double) { Picture3_MouseDown(x); };
    Label67.setToolTip(QString::fromUtf8(kRoundTripTip));
    connect_menus();
    Timer1.Timer_ = [this] { Timer1_Timer(); };
    Timer2.Timer_ = [this] { Timer2_Timer(); };
    Timer3.Timer_ = [this] { Timer3_Timer(); };
    Check1.Click = [this] { ini_write_sound("KOUKAON_CK1", Check1.value()); };
    Check2.Click = [this] {
        l_.view.music_start_request = static_cast<int16_t>(Check2.value());
        ini_write_sound("MUSIC_CK2", Check2.value());
    };
    Check3.Click = [this] { ini_write_sound("KOUKA5_CK3", Check3.value()); };
    connect_map_mouse();
}

void MainWindow::trace(const char* step) const { l_.seam.trace(step); }

}  // namespace torv
