// The main window's start-up, its settings load, the tray icon and the ways of ending.
#include <QApplication>
#include <QCoreApplication>
#include <QImage>
#include <QImageReader>
#include <cmath>

#include "common/debug_log.h"
#include "common/number_text.h"
#include "common/settings_store.h"
#include "common/sound_music.h"
#include "mainwindow/main_window.h"
#include "mainwindow/settings_save.h"
#include "orbit/time_base.h"
#include "platform/clock.h"
#include "platform/msg_box.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "platform/text.h"

namespace torv {

using platform::qs;

namespace {

// Ticks the item of a four-way body menu and shows its panel for modes 1 to 3.
void body_menu(int16_t mode, platform::MenuItem& shown, platform::MenuItem& graphic, platform::MenuItem& borderless,
               platform::MenuItem& hidden, platform::Frame& panel) {
    platform::MenuItem* items[] = {&hidden, &shown, &graphic, &borderless};
    platform::MenuItem& chosen = mode >= 1 && mode <= 3 ? *items[mode] : hidden;
    for (platform::MenuItem* m : items) m->setChecked(m == &chosen);
    panel.setVisible(&chosen != &hidden);
}

// A bitmap of the program folder; a null image when it cannot be read.
QImage bitmap(const std::string& file) { return QImage(qs(platform::program_file(file))); }
}  // namespace

// ---- start-up -----------------------------------------------------------------------

void MainWindow::Form_Load() {
    ProgressWindow& progress = l_.progress_window();
    progress.Show();
    progress.ProgressBar_CNTUP();
    progress.Label1.setCaption(QString::fromUtf8("初期化の開始"));
    trace("progress_shown");

    l_.view.body_names = {"太陽", "月", "火星"};
    l_.orbit.bessel_a = 6377397.155;
    Frame7.hide();
    Line12.hide();
    l_.view.local_zoom_px_width = l_.view.local_zoom_px_height = 396;
    l_.view.partner_zoom_px_width = l_.view.partner_zoom_px_height = 396;
    l_.doppler.doppler_factor = 1.0;
    trace("initial_state");

    progress.ProgressBar_CNTUP();
    progress.Timer1.setEnabled(true);
    progress.Label1.setCaption(QString::fromUtf8("ＴＯＲＶ．ＩＮＩファイルの読み込み開始"));
    settings_load();
    progress.Timer1.setEnabled(false);

    enable_rig_buttons();
    // A desktop session gives no process a higher priority class than its own; the
    // timers keep their pace without it.
    trace("priority");

    DateTime when = clock_local_now(l_.time);
    sun_daylight_table(when, l_.chart.chart_shift, l_.time.time_diff, l_.station, l_.view.daylight_table);
    draw_sun_band();
    trace("daylight_band");

    Timer1.setEnabled(false);
    Timer2.setEnabled(false);
    trace("timers_off");
    l_.view.ao40_attitude_fetched = 0;
    l_.orbit.pi = 4 * std::atan(1.0);
    progress.ProgressBar_CNTUP();

    load_elements();

    l_.time.calc_time = clock_local_now(l_.time);
    l_.time.display_time = l_.time.calc_time;
    l_.time.calc_time = local_to_utc(l_.time, l_.time.calc_time);
    trace("clock_set");

    l_.chart.chart_refreshed = 0;
    l_.chart.chart_recompute = 1;
    l_.chart.pass_list_rebuild = 1;
    l_.view.doppler_band = {1, 2, 4};
    sat_state_reset();
    Command4.setBackColor(kYellow);
    l_.time.time_minute_offset_on = 0;
    l_.view.local_zoom_open = 0;
    l_.view.partner_zoom_open = 0;
    trace("display_state");

    if (l_.settings.local.local_map_show == 1) open_local_zoom();
    // The FT-847 window runs its timer from start-up on, hidden.
    l_.seam.ft847_load_hidden();
    trace("ft847_window_loaded");

    Timer1.setEnabled(true);
    Timer2.setEnabled(true);
    trace("timers_on");
    if (l_.settings.ver_on_off == "1") version_check();

    progress.Label1.setCaption(QString::fromUtf8("初期化の完了"));
    progress.ProgressBar_CNTUP();
    l_.progress_window.Unload();
    trace("progress_closed");

    apply_layout(l_.settings.gamen_no);
    trace("layout");
    delete_test_log();
    trace("debug_log_deleted");

    l_.view.scan_notices_off = 1;
    Timer3_Timer();
    l_.view.scan_notices_off = 0;
    trace("visible_scan");
    tray_icon_add();
    trace("tray_icon");
    l_.seam.sat_hosei_set();
    trace("sat_hosei_set");
}

void MainWindow::enable_rig_buttons() {
    const std::pair<platform::CommandButton*, const CatPortSetting*> rigs[] = {
        {&Command12, &l_.settings.ft847_cat},
        {&Command19, &l_.settings.ic910_cat},
        {&Command21, &l_.settings.ts2000_cat},
        {&Command23, &l_.settings.ft736_cat}};
    for (const auto& [b, cat] : rigs) b->setEnabled(val(cat->enable) != 0);
    trace("rig_buttons");
}

void MainWindow::load_elements() {
    ProgressWindow& progress = l_.progress_window();
    ElementLoadHooks hooks;
    hooks.progress_text = [&progress](const std::string& t) {
        progress.Label1.setCaption(qs(t));
        QCoreApplication::processEvents();
    };
    hooks.progress_advance = [&progress] { progress.ProgressBar_CNTUP(); };
    hooks.progress_timer = [&progress](bool on) { progress.Timer1.setEnabled(on); };
    l_.seam.element_load_hooks(hooks);
    ElementLoadReport report;
    load_element_table(l_.elements, l_.element_update.elm_auto_sw, l_.groups.selected_sat, platform::program_folder(),
                       hooks, report);
    std::string text;
    for (const std::string& n : report.notices) text += n + "\n";
    if (!text.empty()) platform::msg_box(text);
    trace("elements_loaded");
    std::vector<std::string> captions;
    for (platform::Label* l : slot_labels()) captions.push_back(l->caption().toStdString());
    for (const std::string& name : missing_shown_sats(l_.elements, captions))
        platform::msg_box(missing_elements_message(name));
    trace("shown_sats_check");
}

void MainWindow::open_local_zoom() {
    l_.view.local_zoom_open = 1;
    const LocalMapSetting& m = l_.settings.local;
    l_.seam.local_zoom_setup(val(m.local_map_lat) + 15, val(m.local_map_lon) - 15);
    l_.seam.local_zoom_show();
    trace("local_zoom_opened");
}

// ---- settings load ------------------------------------------------------------------

void MainWindow::settings_load() {
    SettingsProblems problems;
    MainSettings& s = l_.settings;
    s = read_main_settings(torv_ini(), l_.station, l_.time, problems);
    l_.current_sat.sat_info = s.sat_info;
    l_.current_sat.ao40_ma_start = s.ao40.start;
    l_.current_sat.ao40_ma_end = s.ao40.end;

    // Phase 2: the local map; the partner zoom map shows it until a partner is picked.
    maps_.partner_zoom_map_file = s.local.local_map_file;
    maps_.partner_zoom_lon = s.local.local_map_lon;
    l_.seam.local_zoom_setup(val(s.local.local_map_lat) + 15, val(s.local.local_map_lon) - 15);

    // Phase 3: display options (and the local map's start-up option).
    apply_option_menus();

    // Phase 4: colours.
    apply_back_color();
    Command13.setCaption(qs(s.kasoku_ritu) + QString::fromUtf8("分加速処理"));

    // Phase 5: element stamp, pictures, groups.
    l_.seam.element_settings_load();
    std::vector<std::string> failed_pictures;
    load_pictures(failed_pictures);
    load_sat_groups();

    // Phase 7: modes and options.
    // A status-page choice other than "1" to "3" leaves the three items as they are.
    platform::MenuItem* const pages[] = {&menu_unyou_oscar, &menu_unyou_amsat, &menu_unyou_oscar_asmat};
    for (int i = 0; i < 3; ++i)
        if (s.oscar_amsat_url == std::to_string(i + 1)) platform::check_only(*pages[i], {pages[0], pages[1], pages[2]});
    if (s.ver_on_off != "0") platform::check_only(menu_ver_chk_on, {&menu_ver_chk_off});
    else platform::check_only(menu_ver_chk_off, {&menu_ver_chk_on});
    const bool ntp_on = s.ntp_auto != "0";
    MENU_TIME_CHECK.setChecked(ntp_on);
    MENU_TIME_NOCHECK.setChecked(!ntp_on);
    for (platform::Label* l : {&Label52, &Label53}) {
        l->setEnabled(ntp_on);
        l->setVisible(ntp_on);
    }
    if (ntp_on) {
        l_.progress_window().Label1.setCaption(QString::fromUtf8("ＴＮＰサーバー接続中（時間設定中）"));
        run_time_sync();
    }
    const int line_width = round_half_even_as<int>(val(s.time_line_text));
    for (platform::LineControl* line : {&Line10, &Line12}) line->setBorderWidth(line_width);
    if (s.kasi_eisei_disp != "0") platform::check_only(menu_kasieisei_tuuti, {&menu_kasieisei_hituuti});
    else platform::check_only(menu_kasieisei_hituuti, {&menu_kasieisei_tuuti});
    if (s.reda_disp_info != "0") platform::check_only(menu_rada_info_on, {&menu_rada_info_off});
    else platform::check_only(menu_rada_info_off, {&menu_rada_info_on});

    // Phase 8: sound options (a box that changes runs its click handler).
    Check1.setValue(s.check1);
    Check3.setValue(s.check3);
    Check2.setValue(s.check2);

    load_sat_freq_range();
    load_play_list();
    load_station_list(l_.partners, torv_ini());
    tell_settings_problems(problems, failed_pictures);
    trace("settings_load");
}

void MainWindow::apply_option_menus() {
    const MainSettings& s = l_.settings;
    body_menu(s.sun_disp, menyusun_hyouji, menyusun_grafick, menyusun_borderless, menyusun_hihyouji, Frame4);
    body_menu(s.moon_disp, menumoon_hyouji, menumoon_grafick, menyumoon_borderless, menumoon_hihyouji, Frame5);
    body_menu(s.kasei_disp, menukasei_hyouji, menukasei_grafick, menyukasei_borderless, menukasei_hihyouji, Frame8);
    if (s.kiseki_disp == 1) platform::check_only(menu_kiseki_hyouji, {&menu_kiseki_hihyouji});
    else platform::check_only(menu_kiseki_hihyouji, {&menu_kiseki_hyouji});
    if (s.jikan_disp == 1) platform::check_only(menu_jikan_hyouji, {&menu_jikan_hihyouji});
    else platform::check_only(menu_jikan_hihyouji, {&menu_jikan_hyouji});
    if (s.eisei_blink == 1) platform::check_only(menu_blink_hyouji, {&menu_blink_white, &menu_blink_hihyouji});
    else if (s.eisei_blink == 0) platform::check_only(menu_blink_hihyouji, {&menu_blink_hyouji, &menu_blink_white});
    else platform::check_only(menu_blink_white, {&menu_blink_hyouji, &menu_blink_hihyouji});
    if (s.alat_alon_disp == 1) platform::check_only(menu_alon_hyouji, {&menu_alon_hihyouji});
    else platform::check_only(menu_alon_hihyouji, {&menu_alon_hyouji});
    if (s.local.local_map_show != 0) platform::check_only(menu_local_map_hyouji, {&menu_local_map_hihyouji});
    else platform::check_only(menu_local_map_hihyouji, {&menu_local_map_hyouji});
}

bool MainWindow::load_map_picture(platform::PictureBox& box, const std::string& file) {
    const QImage image = bitmap(file);
    // The views' user scales span the whole box, so the picture must cover it exactly
    // for map coordinates to fall on the right place.
    box.setPicture(image.isNull() ? image : image.scaled(box.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    return !image.isNull();
}

void MainWindow::load_pictures(std::vector<std::string>& failed) {
    const MainSettings& s = l_.settings;
    // A map that cannot be read leaves its view empty; the operator is told once.
    const std::pair<platform::PictureBox*, const std::string*> maps[] = {{&Picture2, &s.tizu}, {&Picture4, &s.reda}};
    for (const auto& [box, file] : maps)
        if (!load_map_picture(*box, *file)) failed.push_back(*file);
    // The sky-track chart shows its skies plain without them: told here, with the maps.
    for (const std::string* sky : {&s.kesiki_hiru, &s.kesiki_yuugata, &s.kesiki_yoru})
        if (QImageReader(qs(platform::program_file(*sky))).size().isEmpty()) failed.push_back(*sky);
    // The enlarged world map loads its own bitmap, and tells of it, when it exists.
    l_.seam.world_zoom_setup(s.word_map);
    // The body icons may be missing: their pictures stay empty, silently.
    const std::pair<platform::PictureBox*, const char*> icons[] = {
        {&Picture6, "sun1.bmp"}, {&Picture7, "moon1.bmp"}, {&Picture8, "kaseix.bmp"}};
    for (int i = 0; i < 3; ++i) {
        const QImage image = bitmap(icons[i].second);
        icons[i].first->setPicture(image);
        body_icons_[i] = image.isNull() ? StdPicture{} : StdPicture{StdPicture::Bitmap, image};
    }
}

void MainWindow::tell_settings_problems(const SettingsProblems& problems, const std::vector<std::string>& failed) {
    std::string text;
    if (!failed.empty()) {
        text += kUnreadablePicturesNote;
        for (const std::string& f : failed) text += "\n  " + f;
    }
    if (!problems.values.empty()) {
        if (!text.empty()) text += "\n";
        text += "torv.ini の設定値が正しくありません（既定値で続行します）：";
        for (const std::string& v : problems.values) text += "\n  " + v;
    }
    if (!text.empty()) platform::msg_box(text);
}

void MainWindow::ini_write_sound(const char* key, int value) {
    write_setting(find_main_setting("SOUND", key)->key, std::to_string(value), torv_ini());
}

void MainWindow::apply_back_color() {
    const auto c = round_half_even_as<platform::ColorValue>(l_.settings.backcolor);
    // The window and the frames colour their own area; the boxes also their face.
    auto paint = [c](QWidget* w, bool face = false) {
        QPalette p = w->palette();
        p.setColor(QPalette::Window, platform::to_qcolor(c));
        if (face) p.setColor(QPalette::Button, platform::to_qcolor(c));
        w->setPalette(p);
        w->setAutoFillBackground(true);
    };
    paint(this);
    for (QWidget* w : std::initializer_list<QWidget*>{&Check1, &Check2}) paint(w, true);
    for (platform::CommandButton* b : {&Command1, &Command2, &Command3, &Command4, &Command5, &Command6, &Command7,
                                       &Command8, &Command9, &Command10, &Command11, &Command12, &Command13,
                                       &Command14, &Command15, &Command16, &Command17, &Command18, &Command19,
                                       &Command20})
        b->setBackColor(c);
    for (QWidget* f : std::initializer_list<QWidget*>{&Frame1, &Frame2, &Frame3, &Frame4, &Frame5, &Frame6, &Frame7})
        paint(f);
    for (platform::Label* l :
         {&Label3,  &Label4,  &Label5,  &Label6,  &Label7,  &Label8,  &Label9,  &Label10, &Label12, &Label13,
          &Label14, &Label15, &Label16, &Label60, &Label61, &Label17, &Label19, &Label20, &Label22,
          &Label23, &Label24, &Label25, &Label26, &Label27, &Label28, &Label29, &Label30, &Label31, &Label32,
          &Label33, &Label34, &Label35, &Label36, &Label37, &Label38, &Label39, &Label40, &Label41, &Label48,
          &Label49, &Label50, &Label51})
        l->setBackColor(c);
}

// ---- tray and ending ------------------------------------------------------------------

void MainWindow::tray_icon_add() { l_.tray.add(windowIcon(), QString::fromUtf8(kTrayTip)); }

void MainWindow::tray_icon_remove() { l_.tray.remove(); }

void MainWindow::save_settings() {
    torv::save_settings(l_.settings, l_.groups, torv_ini(), [this] {
        // Closing the music device stops the track whether or not it plays.
        mci_close(l_.view.music_file);
    });
}

void MainWindow::Form_Unload(bool& /*cancel*/) {
    save_settings();
    tray_icon_remove();
    l_.seam.end_program();
}

void MainWindow::Command2_Click() {
    save_settings();
    tray_icon_remove();
    l_.seam.end_program();
}

void MainWindow::menuend_Click() {
    tray_icon_remove();
    l_.seam.end_program();
}

}  // namespace torv
