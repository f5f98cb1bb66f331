// The main window's menus and command buttons: the display options, the Doppler band
// selectors, the clock correction, the windows and programs opened from here, the help.
#include <algorithm>
#include <filesystem>

#include "common/number_text.h"
#include "common/settings_store.h"
#include "common/web_pages.h"
#include "mainwindow/main_window.h"
#include "platform/browser.h"
#include "platform/msg_box.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "platform/text.h"

namespace torv {

using platform::qs;

namespace {

// The two operating-status pages of the "運用情報" button: the satellites' status as
// operators report it, and the list of satellites open for two-way contacts.
const char* const kStatusPage1 = "https://www.amsat.org/status/";
const char* const kStatusPage2 = "https://www.amsat.org/two-way-satellites/";

const char* const kLogProgram = "Vantle.exe";
const char* const kLogProgramMissing =
    "ＶＡＮＴＬＥがインストールされていません。 ＶＡＮＴＬＥをダウンロードし同じホルダーにインストールしてください｡ ";
const char* const kRotatorProgram = "DORREK.exe";
const char* const kRotatorProgramMissing =
    "ＤＯＲＲＥＫがインストールされていません。 ＤＯＲＲＥＫをダウンロードし同じホルダーにインストールしてください｡ ";

const SettingKey& main_key(const char* section, const char* key) { return find_main_setting(section, key)->key; }

}  // namespace

void MainWindow::connect_menus() {
    connect_option_menus();
    const std::pair<platform::CommandButton*, int> selectors[] = {{&Command7, 0}, {&Command8, 1}, {&Command9, 2}};
    for (const auto& [button, row] : selectors) button->Click = [this, row] { step_doppler_band(row); };
    MENU_TIME_CHECK.Click = [this] { MENU_TIME_CHECK_Click(); };
    MENU_TIME_NOCHECK.Click = [this] { MENU_TIME_NOCHECK_Click(); };
    Command15.Click = [this] { Command15_Click(); };
    Command16.Click = [this] { Command16_Click(); };

    // Windows and programs.
    Command12.Click = menu_rigu_ft847.Click = [this] { Command12_Click(); };
    Command19.Click = menu_rigu_ic910.Click = [this] { Command19_Click(); };
    Command21.Click = menu_rigu_ts2000.Click = [this] { Command21_Click(); };
    Command23.Click = menu_rigu_ft736.Click = [this] { Command23_Click(); };
    Command24.Click = menu_schedule.Click = [this] { Command24_Click(); };
    Command11.Click = [this] { Command11_Click(); };
    Command18.Click = [this] { Command18_Click(); };
    Picture4.MouseUp = [this](int button, int, double, double) {
        if (button == 1) Picture4_Click();
    };
    Label33.Click = [this] { Label33_Click(); };
    List1.DblClick = [this] { List1_DblClick(); };
    Command17.Click = [this] { Command17_Click(); };
    Command22.Click = [this] { Command22_Click(); };
    Command6.Click = [this] { Command6_Click(); };
    manuqth.Click = [this] { l_.seam.station_dialog_show(); };
    menu_tourokukyoku.Click = [this] { l_.seam.partner_station_dialog_show(); };
    menueisei.Click = [this] { l_.seam.group_settings_dialog_show(); };
    menukidou.Click = [this] { l_.seam.element_update_window_show(); };
    menu_e_info.Click = [this] { l_.seam.sat_info_editor_show(); };
    menu_cw_mes_set.Click = [this] { l_.seam.cw_message_editor_show(); };
    menuver.Click = [this] { l_.seam.version_window_show(); };
    menu_dde.Click = [this] { l_.dde().Show(); };
    menusousa.Click = [this] { menusousa_Click(); };
    menuhp.Click = [this] { menuhp_Click(); };

    // Screen layouts.
    menu_gsiza_max.Click = [this] { menu_gsiza_max_Click(); };
    menu_gsiza_max_map.Click = [this] { menu_gsiza_max_map_Click(); };
    menu_gsiza_min_map.Click = [this] { menu_gsiza_min_map_Click(); };
    menu_gsize_min_rada.Click = [this] { menu_gsize_min_rada_Click(); };
    menu_gsize_24H.Click = [this] { menu_gsize_24H_Click(); };
    menu_gsize_24H_rada.Click = [this] { menu_gsize_24H_rada_Click(); };
    menu_gsiza_min_map_rada.Click = [this] { menu_gsiza_min_map_rada_Click(); };

    Command2.Click = [this] { Command2_Click(); };
    menuend.Click = [this] { menuend_Click(); };
}

// ---- display options ------------------------------------------------------------------

void MainWindow::connect_option_menus() {
    MainSettings& s = l_.settings;
    // Values the views read at their next redraw and the shutdown save writes: the
    // chosen value, then the ticks and panels follow from the values.
    const struct {
        platform::MenuItem* item;
        int16_t* variable;
        int16_t value;
    } numbers[] = {
        {&menyusun_hyouji, &s.sun_disp, 1},          {&menyusun_grafick, &s.sun_disp, 2},
        {&menyusun_borderless, &s.sun_disp, 3},      {&menyusun_hihyouji, &s.sun_disp, 0},
        {&menumoon_hyouji, &s.moon_disp, 1},         {&menumoon_grafick, &s.moon_disp, 2},
        {&menyumoon_borderless, &s.moon_disp, 3},    {&menumoon_hihyouji, &s.moon_disp, 0},
        {&menukasei_hyouji, &s.kasei_disp, 1},       {&menukasei_grafick, &s.kasei_disp, 2},
        {&menyukasei_borderless, &s.kasei_disp, 3},  {&menukasei_hihyouji, &s.kasei_disp, 0},
        {&menu_kiseki_hyouji, &s.kiseki_disp, 1},    {&menu_kiseki_hihyouji, &s.kiseki_disp, 0},
        {&menu_jikan_hyouji, &s.jikan_disp, 1},      {&menu_jikan_hihyouji, &s.jikan_disp, 0},
        {&menu_blink_hyouji, &s.eisei_blink, 1},     {&menu_blink_white, &s.eisei_blink, 2},
        {&menu_blink_hihyouji, &s.eisei_blink, 0},   {&menu_alon_hyouji, &s.alat_alon_disp, 1},
        {&menu_alon_hihyouji, &s.alat_alon_disp, 0}, {&menu_local_map_hyouji, &s.local.local_map_show, 1},
        {&menu_local_map_hihyouji, &s.local.local_map_show, 0}};
    for (const auto& o : numbers)
        o.item->Click = [this, o] {
            *o.variable = o.value;
            apply_option_menus();
        };

    // Options held as text. The status-page choice and the version notice are written
    // by the shutdown save; the radar texts and the visibility notices at once.
    using Group = std::vector<platform::MenuItem*>;
    const Group unyou{&menu_unyou_oscar, &menu_unyou_amsat, &menu_unyou_oscar_asmat};
    const Group rada{&menu_rada_info_on, &menu_rada_info_off};
    const Group kasi{&menu_kasieisei_tuuti, &menu_kasieisei_hituuti};
    const Group ver{&menu_ver_chk_on, &menu_ver_chk_off};
    const struct {
        platform::MenuItem* item;
        Group group;
        std::string* variable;
        const char* value;
        const SettingKey* written_now;
        void (MainWindow::*then)();
    } texts[] = {
        {&menu_unyou_oscar, unyou, &s.oscar_amsat_url, "1", nullptr, nullptr},
        {&menu_unyou_amsat, unyou, &s.oscar_amsat_url, "2", nullptr, nullptr},
        {&menu_unyou_oscar_asmat, unyou, &s.oscar_amsat_url, "3", nullptr, nullptr},
        {&menu_rada_info_on, rada, &s.reda_disp_info, "1", &main_key("REDA_DISP_INFO", "DISP"), nullptr},
        {&menu_rada_info_off, rada, &s.reda_disp_info, "0", &main_key("REDA_DISP_INFO", "DISP"), nullptr},
        // The visible-satellite scan reads the tick of "通知" itself.
        {&menu_kasieisei_tuuti, kasi, &s.kasi_eisei_disp, "1", &main_key("KASI_EISEI", "DISP"), nullptr},
        {&menu_kasieisei_hituuti, kasi, &s.kasi_eisei_disp, "0", &main_key("KASI_EISEI", "DISP"), nullptr},
        // Choosing the notice runs the version check at once too.
        {&menu_ver_chk_on, ver, &s.ver_on_off, "1", nullptr, &MainWindow::version_check},
        {&menu_ver_chk_off, ver, &s.ver_on_off, "0", nullptr, nullptr}};
    for (const auto& o : texts)
        o.item->Click = [this, o] {
            for (platform::MenuItem* m : o.group) m->setChecked(m == o.item);
            *o.variable = o.value;
            if (o.written_now) write_setting(*o.written_now, o.value, torv_ini());
            if (o.then) (this->*o.then)();
        };
}

void MainWindow::step_doppler_band(int row) {
    int16_t& band = l_.view.doppler_band[row];
    band = band >= 5 ? 1 : static_cast<int16_t>(band + 1);
}

// ---- clock correction -------------------------------------------------------------------

void MainWindow::MENU_TIME_CHECK_Click() {
    l_.settings.ntp_auto = "1";
    platform::check_only(MENU_TIME_CHECK, {&MENU_TIME_NOCHECK});
    for (platform::Label* l : {&Label52, &Label53}) {
        l->setEnabled(true);
        l->setVisible(true);
    }
    run_time_sync();
}

void MainWindow::MENU_TIME_NOCHECK_Click() {
    l_.settings.ntp_auto = "0";
    platform::check_only(MENU_TIME_NOCHECK, {&MENU_TIME_CHECK});
}

void MainWindow::run_time_sync() {
    const platform::ClockReading c = clock_local_reading(l_.time);
    // Started hidden and not waited for; what it then does to the clock is its own affair.
    if (platform::start_program(qs(l_.settings.ntp.ntp_program), {}, platform::WindowMode::Hidden)) {
        Label52.setCaption(QString::asprintf("%04d/%02d/%02d %02d:%02d:%02d", c.year, c.month, c.day, c.hour,
                                             c.minute, c.second));
        Label53.setCaption(QString::fromUtf8("時間自動更新"));
        return;
    }
    // The program could not be started: its setting goes back to the default (the
    // program named in memory is tried again on the next request of this run).
    const SettingKey& ntp_elm = main_key("NTP_TIME", "NTP_ELM");
    l_.settings.ntp_elm = ntp_elm.def;
    write_setting(ntp_elm, l_.settings.ntp_elm, torv_ini());
    Label52.setCaption(QString::fromUtf8("ＮＴＰ設定項目確認"));
    Label53.setCaption(QString::fromUtf8("時間自動更新失敗"));
}

// ---- windows --------------------------------------------------------------------------------

void MainWindow::Command12_Click() { l_.seam.ft847_show(); }
void MainWindow::Command19_Click() { l_.seam.ic910_show(); }
void MainWindow::Command21_Click() { l_.seam.ts2000_show(); }
void MainWindow::Command23_Click() { l_.seam.ft736_show(); }
void MainWindow::Command24_Click() {
    // While the schedule window is open the pass list registers passes.
    List1.setBackColor(kPassListRegistering);
    List1.setToolTip(QString::fromUtf8(kPassListRegisteringTip));
    Command24.setBackColor(platform::kYellow);
    l_.seam.schedule_window_show();
}
void MainWindow::Command11_Click() { l_.seam.week_table_window_show(); }
void MainWindow::Command18_Click() { l_.seam.partner_week_table_window_show(); }

void MainWindow::Picture4_Click() { l_.seam.sky_track_window_show(); }

void MainWindow::Label33_Click() {
    // In fixed-file mode the element sets come from torv_solid.elm alone: nothing to update.
    if (l_.element_update.elm_auto_sw != "2") l_.seam.element_update_window_show();
}

void MainWindow::List1_DblClick() {
    ScheduleState& s = l_.schedule;
    if (s.sched_running == 1 || s.sched_window_open == 0) return;
    const int row = List1.listIndex();
    if (row < 0) return;
    SchedulePass p;
    p.pass = pick_pass(List1.list(row).toStdString());
    s.sched_pass_minutes = p.pass.minutes;
    s.sched_pass_az = p.pass.max_az;
    s.sched_pass_max_el = p.pass.max_el;
    p.max_el_text = str_num(single_precision(p.pass.max_el));
    const int16_t g = l_.groups.group_current;
    p.group = g;
    p.satellite = Label3.caption().toStdString();
    if (g >= 0 && g < kGroups) {
        const auto& names = l_.groups.group_sat_names[g];
        const auto it = std::find(names.begin(), names.end(), p.satellite);
        if (it != names.end()) s.sched_entry_slot = static_cast<int16_t>(it - names.begin());
    }
    s.sched_from_pass_list = 1;
    l_.seam.schedule_window_take_pass(p);
}

// ---- pages and programs ------------------------------------------------------------------

void MainWindow::Command17_Click() {
    ProgressWindow& p = l_.progress_window();
    p.setCaption(QString::fromUtf8("運用情報取得"));
    p.Show();
    p.ProgressBar1.setValue(p.ProgressBar1.minimum());
    p.ProgressBar_CNTUP();
    p.Timer1.setInterval(3000);
    p.Timer1.setEnabled(true);
    const auto open_page = [&p](const char* url) {
        p.Label1.setCaption(QString::fromUtf8("インターネット接続中　") + QString::fromUtf8(url));
        open_web_page(url);
    };
    const std::string& which = l_.settings.oscar_amsat_url;
    if (which == "1" || which == "3") open_page(kStatusPage1);
    if (which == "3") p.ProgressBar1.setValue(p.ProgressBar1.maximum() / 2);
    if (which == "2" || which == "3") open_page(kStatusPage2);
    p.ProgressBar1.setValue(p.ProgressBar1.maximum());
    p.Timer1.setInterval(1000);
    p.Timer1.setEnabled(false);
    l_.progress_window.Unload();
}

void MainWindow::start_companion(const char* program, const char* missing_message) {
    if (!platform::start_program(QString::fromUtf8(program))) platform::msg_box(std::string(missing_message));
}

void MainWindow::Command22_Click() { start_companion(kLogProgram, kLogProgramMissing); }

void MainWindow::Command6_Click() { start_companion(kRotatorProgram, kRotatorProgramMissing); }

void MainWindow::open_help_page() {
    const std::string page = platform::program_file(kHelpFile);
    if (!std::filesystem::is_regular_file(page)) {
        platform::msg_box("操作説明のファイルがありません。\n" + page);
        return;
    }
    if (!platform::open_local_file(qs(page)))
        platform::msg_box("操作説明を表示できません。ファイルを開くプログラムが見つかりません。\n" + page);
}

void MainWindow::menusousa_Click() { open_help_page(); }

// The program has no web site: its own page is the operating help beside it.
void MainWindow::menuhp_Click() { open_help_page(); }

}  // namespace torv
