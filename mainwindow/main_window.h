#pragma once
#include <array>
#include <string>
#include <vector>

#include "common/live_values_window.h"
#include "common/progress_window.h"
#include "common/sat_info_tips.h"
#include "common/sat_records.h"
#include "common/schedule_state.h"
#include "common/station_table.h"
#include "mainwindow/body_maps.h"
#include "mainwindow/main_loop.h"
#include "mainwindow/main_settings.h"
#include "mainwindow/main_state.h"
#include "mainwindow/main_window_seam.h"
#include "mainwindow/music_play.h"
#include "mainwindow/pass_chart.h"
#include "mainwindow/pass_list.h"
#include "mainwindow/result_texts.h"
#include "mainwindow/sat_groups.h"
#include "orbit/bodies.h"
#include "orbit/element_settings.h"
#include "orbit/element_table.h"
#include "orbit/mean_motion.h"
#include "orbit/sat_display.h"
#include "orbit/sat_position.h"
#include "platform/controls.h"
#include "platform/form.h"
#include "platform/menu.h"
#include "platform/picture_box.h"
#include "platform/tray.h"

namespace torv {

// The shared state the main window reads and writes, owned by the application.
struct MainWindowLinks {
    ElementTable& elements;
    SatCorrectionTable& corrections;
    OwnStation& station;
    TimeState& time;
    OrbitState& orbit;
    DopplerState& doppler;
    BodyState& bodies;
    CurrentSatValues& current_sat;
    PartnerStationTable& partners;
    SatGroupTable& groups;
    MainSettings& settings;
    MainViewState& view;
    ChartFlags& chart;
    RigShared& rig;
    SatInfoTips& tips;
    ElementUpdateState& element_update;
    ScheduleState& schedule;
    platform::FormInstance<ProgressWindow>& progress_window;
    platform::FormInstance<LiveValuesWindow>& dde;
    platform::Tray& tray;
    // What the window asks of the rest of the program: the App.
    MainWindowSeam& seam;
};

// The main window "軌道計算v1.89": start-up, settings, groups and the seven satellites,
// the selected satellite's results, the time controls, the 24-hour chart's day and
// night band, the Sun, Moon and Mars driver of the 950 ms tick, the tray icon and the
// ways of ending. The satellite computation writes its results through SatDisplay.
class MainWindow : public platform::Form, public SatDisplay {
    Q_OBJECT
public:
    explicit MainWindow(MainWindowLinks links);
    ~MainWindow() override;

    // What only the map drawing keeps (the map windows write their switches into it).
    MapState& map_state() { return maps_; }

    // ---- menus (created first: controls are placed below the bar) ----
    // "ファイル(&F)": the settings and registration windows; menuh1 is a separator, menuend
    // "閉じる" ends the program without the settings save.
    platform::MenuItem menufile, manuqth, menu_tourokukyoku, menueisei, menukidou, menu_e_info, menu_schedule,
        menu_cw_mes_set, menuh1, menuend;
    // "表示(&D)": how the Sun, Moon, Mars, tracks, hour lines, blinking and AO-40's attitude are
    // shown, the start-up switches, the status sites, the radar read-outs, the visible-satellite
    // notice, and menu_dde "ＤＤＥ情報表示", which shows the DDE window.
    platform::MenuItem menuhyouji, menusun, menyusun_hyouji, menyusun_grafick, menyusun_borderless, menyusun_hihyouji,
        menumoon, menumoon_hyouji, menumoon_grafick, menyumoon_borderless, menumoon_hihyouji, menukasei,
        menukasei_hyouji, menukasei_grafick, menyukasei_borderless, menukasei_hihyouji, menu_kiseki,
        menu_kiseki_hyouji, menu_kiseki_hihyouji, menu_jikan, menu_jikan_hyouji, menu_jikan_hihyouji, menu_blink,
        menu_blink_hyouji, menu_blink_white, menu_blink_hihyouji, menu_alon, menu_alon_hyouji, menu_alon_hihyouji,
        menu_local_map, menu_local_map_hyouji, menu_local_map_hihyouji, MENU_TIME, MENU_TIME_CHECK,
        MENU_TIME_NOCHECK, menu_unyou, menu_unyou_oscar, menu_unyou_amsat, menu_unyou_oscar_asmat, menu_rada_info,
        menu_rada_info_on, menu_rada_info_off, menu_kasieisei, menu_kasieisei_tuuti, menu_kasieisei_hituuti,
        menu_dde;
    // "ヘルプ(&H)": the operating help, the home page, the version check, the version window;
    // menuh2 is a separator.
    platform::MenuItem menuhelp, menusousa, menuhp, menuh2, menu_ver_func, menu_ver_chk_on, menu_ver_chk_off, menuver;
    // "画面サイズ": the seven screen layouts; menu_gsize_24H "２４時間スケジュール" and
    // menu_gsize_24H_rada "２４時間スケジュール＋レーダ".
    platform::MenuItem menu_gamen_size, menu_gsiza_max, menu_gsiza_max_map, menu_gsiza_min_map, menu_gsize_min_rada,
        menu_gsize_24H, menu_gsize_24H_rada, menu_gsiza_min_map_rada;
    // "リグコントロール": menu_rigu_ft847, _ic910, _ts2000, _ft736 open the transceiver windows,
    // as Command12, Command19, Command21 and Command23 do.
    platform::MenuItem menu_rigu, menu_rigu_ft847, menu_rigu_ic910, menu_rigu_ts2000, menu_rigu_ft736;

    // ---- views ----
    platform::PictureBox Picture1;  // orbit-plane view
    platform::PictureBox Picture2;  // world map
    platform::PictureBox Picture3;  // 24-hour pass chart
    platform::PictureBox Picture4;  // radar (polar sky) view
    platform::PictureBox Picture5;  // hour scale above the chart
    platform::PictureBox Picture6, Picture7, Picture8;  // Sun, Moon and Mars icons (hidden)
    platform::LineControl Line10, Line12;  // picked time and real-time marker on the chart
    std::array<platform::LineControl, kOneHourLines> Line13;  // one-hour lines on the chart
    platform::ListBox List1;               // pass list
    // Shows the part of the list's heading (Label19, its child) over the list's visible
    // columns; made before the labels, so that it goes after them.
    QWidget pass_heading_view_;

    // ---- frames ----
    platform::Frame Frame1;  // satellite group switch
    platform::Frame Frame2;  // Doppler display
    platform::Frame Frame3;  // time controls
    platform::Frame Frame4, Frame5, Frame8;  // Sun, Moon, Mars panels
    platform::Frame Frame6;  // sound options
    platform::Frame Frame7;  // partner station

    // ---- labels ----
    // Those marked "hidden" are kept from the design but show nothing.
    platform::Label Label1;   // the selected satellite's phase, on the orbit-plane view
    platform::Label Label2;   // "MA", Label1's caption
    platform::Label Label3;   // the selected satellite's name (tool tip: its description)
    platform::Label Label4;   // its azimuth
    platform::Label Label5;   // its elevation
    platform::Label Label6;   // its slant range
    platform::Label Label7;   // "方位"
    platform::Label Label8;   // "仰角"
    platform::Label Label9;   // "距離"
    platform::Label Label10;  // "周回数"
    platform::Label Label11;  // AO-40's ALON, on the orbit-plane view

    platform::Label Label12, Label13, Label14, Label15, Label16, Label60, Label61;  // display slots 0..6

    platform::Label Label17;  // hidden
    platform::Label Label18;  // the hour scale above the 24-hour chart (in Picture5)
    platform::Label Label19;  // the pass list's heading
    platform::Label Label20;  // hidden
    platform::Label Label21;  // the date and time the views show
    platform::Label Label22;  // hidden
    platform::Label Label23;  // the selected satellite's orbit number
    platform::Label Label24;  // hidden
    platform::Label Label25;  // its range rate, km/s (Doppler frame)
    platform::Label Label26;  // Doppler row 1: the band ("146M" …)
    platform::Label Label27;  // Doppler row 1: the shift, kHz
    platform::Label Label28;  // Doppler row 2: the band
    platform::Label Label29;  // Doppler row 2: the shift
    platform::Label Label30;  // Doppler row 3: the band
    platform::Label Label31;  // Doppler row 3: the shift
    platform::Label Label32;  // hidden
    platform::Label Label33;  // the element sets' date, red when stale; a click opens the element update
    platform::Label Label34;  // hidden
    platform::Label Label35;  // hidden
    platform::Label Label36;  // the Sun's azimuth
    platform::Label Label37;  // the Sun's elevation
    platform::Label Label38;  // hidden
    platform::Label Label39;  // hidden
    platform::Label Label40;  // the Moon's azimuth
    platform::Label Label41;  // the Moon's elevation
    platform::Label Label42;  // "ALAT=", on the orbit-plane view for AO-40
    platform::Label Label43;  // AO-40's ALAT
    platform::Label Label44;  // "ALON="
    platform::Label Label45;  // the number of the music track playing
    platform::Label Label46;  // "SQA ="
    platform::Label Label47;  // AO-40's squint angle
    platform::Label Label48;  // the partner station's azimuth of the satellite
    platform::Label Label49;  // the partner station's elevation of the satellite
    platform::Label Label50;  // "方位"
    platform::Label Label51;  // "仰角"
    platform::Label Label52;  // when the clock was last corrected ("ＮＴＰ設定項目確認" when it failed)
    platform::Label Label53;  // "時間自動更新" or "時間自動更新失敗"
    platform::Label Label54;  // the selected satellite's uplink
    platform::Label Label55;  // its downlink
    platform::Label Label56;  // "送信周波数範囲"
    platform::Label Label57;  // the uplink passband
    platform::Label Label58;  // "受信周波数範囲"
    platform::Label Label59;  // the downlink passband
    platform::Label Label62;  // hidden
    platform::Label Label63;  // hidden
    platform::Label Label64;  // hidden
    platform::Label Label65;  // Mars's azimuth
    platform::Label Label66;  // Mars's elevation
    platform::Label Label67;  // the radio round trip to Mars counting down; a click stops it

    // ---- buttons and boxes ----
    platform::CommandButton Command1;   // "未来軌道": the selected satellite's future orbits
    platform::CommandButton Command2;   // "終了": saves the settings and ends the program
    platform::CommandButton Command3;   // "←": the previous group
    platform::CommandButton Command4;   // "現在": back to the present time
    platform::CommandButton Command5;   // "→": the next group
    platform::CommandButton Command6;   // "アンテナ追尾起動" starts the antenna-tracking program
    platform::CommandButton Command7;   // "選択": Doppler row 1's next band
    platform::CommandButton Command8;   // "選択": row 2's
    platform::CommandButton Command9;   // "選択": row 3's
    platform::CommandButton Command10;  // "+1 DAY"
    platform::CommandButton Command11;  // "週間予定一覧": the week table
    platform::CommandButton Command12;  // "FT847リモート"
    platform::CommandButton Command13;  // "加速処理": accelerated time
    platform::CommandButton Command14;  // "シフト→" / "シフト←": the chart's 12-hour shift
    platform::CommandButton Command15;  // "←": the previous music track
    platform::CommandButton Command16;  // "→": the next music track
    platform::CommandButton Command17;  // "運用情報 ": the satellites' status pages
    platform::CommandButton Command18;  // "一覧作成": the two-station week table
    platform::CommandButton Command19;  // "IC910リモート"
    platform::CommandButton Command20;  // " -1  DAY"
    platform::CommandButton Command21;  // "TS2000リモート"
    platform::CommandButton Command22;  // "ログ" starts the logging program
    platform::CommandButton Command23;  // "FT736リモート"
    platform::CommandButton Command24;  // "スケジュール登録開始": the schedule window
    platform::CheckBox Check1;          // "効果音": sounds at rise and set
    platform::CheckBox Check2;          // "音楽演奏": music while a satellite is in view
    platform::CheckBox Check3;          // "5分前通知": a sound five minutes before a rise
    platform::Shape Shape2, Shape3, Shape4, Shape5, Shape6, Shape9, Shape10;  // lamps of display slots 0..6
    platform::Shape Shape7, Shape8, Shape11;  // Moon, Sun and Mars colour swatches

    // ---- timers ----
    platform::Timer Timer1{this};  // 950 ms main tick
    platform::Timer Timer2{this};  // 24-hour chart (15 s, 3 s while accelerated)
    platform::Timer Timer3{this};  // 60 s visible-satellite scan

    // ---- start-up and settings ----
    void settings_load();
    void apply_back_color();
    void load_sat_groups();
    void load_sat_freq_range();
    void run_time_sync();
    void version_check() {}  // the version-check hook: contacts nothing, shows nothing

    // ---- groups and selection ----
    void Command3_Click();  // previous group
    void Command5_Click();  // next group
    void Label12_Click() { select_slot(1); }
    void Label13_Click() { select_slot(2); }
    void Label14_Click() { select_slot(3); }
    void Label15_Click() { select_slot(4); }
    void Label16_Click() { select_slot(5); }
    void Label60_Click() { select_slot(6); }
    void Label61_Click() { select_slot(7); }
    void sat_state_reset();

    // ---- time controls ----
    void Command1_Click();   // future orbits
    void Command10_Click();  // +1 day
    void Command20_Click();  // -1 day
    void Command13_Click();  // acceleration
    void Command4_Click();   // now
    void Command14_Click();  // half-day shift of the chart
    void draw_sun_band();

    // ---- main loop ----
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    void redraw_all();
    void sun_moon_mars_disp();
    void blink_element_age_label();

    // ---- Sun, Moon and Mars on the maps; the round trip to Mars ----
    void draw_bodies();
    void plot_sun_moon_mars();  // on the sky view, after each satellite's marker
    const BodyIcons& body_icons() const { return body_icons_; }
    // A click on Mars on any map: counts the radio round trip down in Label67.
    void start_rtt_countdown();
    void update_rtt_countdown();
    void Label67_Click();  // cancels the count
    // The selected satellite's orbit seen face-on in Picture1.
    void draw_orbit_plane();
    // The computation context of the shared state, displaying through this window.
    OrbitContext orbit_context();

    // ---- 24-hour chart and pass list ----
    void update_pass_timeline(std::string& name) { pass_chart().update_pass_timeline(name); }
    void build_pass_list(const std::string& name) { pass_chart().build_pass_list(name); }
    void select_current_pass_row() { pass_chart().select_current_pass_row(); }
    void check_five_minute_warning() { pass_chart().check_five_minute_warning(); }
    void place_real_time_marker() { pass_chart().place_real_time_marker(); }
    PassChart& pass_chart();

    // ---- 24-hour chart: which day is under the pointer; a click picks the shown time ----
    void Label18_MouseMove(double x);
    void Picture3_MouseMove(double x);
    void Picture3_MouseDown(double x);
    void set_display_time();  // from chart_click_x
    float chart_click_x = 0;  // twips

    // ---- map windows and the maps' mouse ----
    // The partner zoom map on registered station i (0..5).
    void open_partner_map(int i) { l_.seam.open_partner_map(i); }
    // The local zoom map opened from a world map: its slot names and descriptions set
    // from the shown group first.
    void open_local_zoom_from_map();
    // Registered station i picked on a map: the partner frame shows the selected
    // satellite as seen from it, from now on at every redraw.
    void select_partner_station(int i);

    // ---- sky view, alerts and notices ----
    void plot_radar(double& colour);
    void check_aos_los(double& e);
    void play_aos_sound();
    void play_los_sound();
    void update_visibility_lamp(double& e);
    void store_visible_flag(double& e);
    void show_tray_balloon(const std::string& text);
    void restore_main_window();
    std::array<platform::Shape*, kSlots> lamps();

    // ---- tray and ending ----
    void tray_icon_add();
    void tray_icon_remove();
    void Command2_Click();  // "終了": save, remove the icon, end
    void menuend_Click();   // "閉じる": remove the icon, end without saving
    void save_settings();
    // Shows a bitmap of the program folder in a map view, stretched over it; false when
    // it cannot be read (the view is then empty).
    bool load_map_picture(platform::PictureBox& box, const std::string& file);

    // ---- screen layouts ("画面サイズ") ----
    // Applies layout "0".."6" and remembers it in gamen_no; any other code applies nothing.
    void apply_layout(const std::string& code);
    void menu_gsiza_max_Click() { apply_layout("0"); }
    void menu_gsiza_max_map_Click() { apply_layout("1"); }
    void menu_gsiza_min_map_Click() { apply_layout("2"); }
    void menu_gsize_min_rada_Click() { apply_layout("3"); }
    void menu_gsize_24H_Click() { apply_layout("4"); }
    void menu_gsize_24H_rada_Click() { apply_layout("5"); }
    void menu_gsiza_min_map_rada_Click() { apply_layout("6"); }

    // ---- menus and commands ----
    void MENU_TIME_CHECK_Click();    // "起動時時間校正 する": on at start-up, and run the program now
    void MENU_TIME_NOCHECK_Click();  // "起動時時間校正 しない"
    // The windows of the transceivers: public, the schedule brings them up through these.
    void Command12_Click();  // "FT847リモート"
    void Command19_Click();  // "IC910リモート"
    void Command21_Click();  // "TS2000リモート"
    void Command23_Click();  // "FT736リモート"
    void Command24_Click();  // "スケジュール登録開始": the schedule window
    void Command11_Click();  // "週間予定一覧": the week pass table
    void Command18_Click();  // "一覧作成": the two-station week table
    void Picture4_Click();   // the radar view: the sky-track chart
    void Label33_Click();    // the element-update date: the element-update window, unless in fixed-file mode
    void List1_DblClick();   // a pass into the schedule, while its window is open and not running
    void Command17_Click();  // "運用情報": the operating-status pages chosen in "運用情報の設定"
    void Command22_Click();  // "ログ": the logging program
    void Command6_Click();   // "アンテナ追尾起動": the antenna-rotator program
    void menusousa_Click();  // "操作説明": the operating help
    void menuhp_Click();     // the program's own page

    // ---- music ----
    void load_play_list();
    void check_music();       // the decision at the end of every 950 ms tick
    void music_labels_update();
    void Command15_Click();   // "←": the previous track
    void Command16_Click();   // "→": the next track
    const PlayList& play_list() const { return music_; }

    // ---- SatDisplay ----
    void show_time_labels(DateTime local, DateTime utc) override;
    void show_motion_term(double dL, double inclination_deg, double t) override;
    void clear_drawing_surface() override {}  // the window draws on its picture boxes only
    void show_selected(const SelectedSatResult& result) override;
    void show_station_view(double az_deg, double el_deg) override;
    void notice(const std::string& text) override;

    const MainWindowLinks& links() const { return l_; }
    std::array<platform::Label*, kSlots> slot_labels();

protected:
    void Form_Load() override;
    void Form_Unload(bool& cancel) override;

private:
    void trace(const char* step) const;
    void create_menus();
    void lay_out();
    void connect_handlers();
    void apply_option_menus();
    void connect_menus();
    void connect_option_menus();
    void step_doppler_band(int row);
    void fetch_ao40_attitude();  // once per run
    void start_companion(const char* program, const char* missing_message);
    void open_help_page();
    bool any_slot_up() const;
    void step_track(int step);
    void load_pictures(std::vector<std::string>& failed);
    void show_group_labels();
    void select_slot(int k);
    void change_group(int step);
    void full_chart_refresh() { l_.chart.request_full_refresh(); }
    void set_time_button_colors(platform::CommandButton* yellow, std::initializer_list<platform::CommandButton*> back);
    void load_elements();
    void enable_rig_buttons();
    void open_local_zoom();
    void connect_map_mouse();
    void ini_write_sound(const char* key, int value);
    void tell_settings_problems(const SettingsProblems& problems, const std::vector<std::string>& failed_pictures);

    // The redraw cycle over this window's pictures and labels, made on first use.
    MainLoop& main_loop();
    void lay_out_chart();
    void set_lamp(int slot, bool lit);

    MainWindowLinks l_;
    MapState maps_;
    std::unique_ptr<OrbitContext> loop_orbit_;
    std::unique_ptr<MainLoop> main_loop_;
    std::unique_ptr<PassChart> pass_chart_;
    BodyIcons body_icons_;
    PlayList music_;
    MusicMedia music_media_ = system_music();
};

// Texts the window shows.
inline const char* const kMainWindowCaption = "軌道計算v1.89";
inline const char* const kTodayReachedMessage = "現在日付まで戻っています。";
inline const char* const kTrayTip = "Torv";
inline const char* const kTrayBalloonTitle = "ＴＯＲＶ可視範囲衛星情報";

// A visibility lamp around a slot's name, on the main window and the zoom windows alike:
// lit, a red fill behind the name, or dark, its outline only.
void light_lamp(platform::Shape& lamp, bool lit);
inline const char* const kRoundTripTip = "電波の往復に要する時間の残り時間。クリックするとリセットされます。";

// The pass list's look while the schedule window takes passes, and otherwise.
inline constexpr platform::ColorValue kPassListRegistering = 12648447;
inline const char* const kPassListRegisteringTip = "ダブルクリックするとスケジュールに登録します。";
inline constexpr platform::ColorValue kPassListPlain = 12648384;
inline const char* const kPassListPlainTip = "選択されている衛星のスケジュール";
// The operating help in the program folder, opened with the desktop's handler.
inline const char* const kHelpFile = "torv_help.html";

// The hour scale of the chart, from 00:00 and from 12:00.
std::string hour_scale_text(bool from_noon);

}  // namespace torv
