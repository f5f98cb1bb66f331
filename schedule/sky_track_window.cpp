#include "schedule/sky_track_window.h"

#include <system_error>

#include "common/number_text.h"
#include "common/settings_store.h"
#include "mainwindow/map_window.h"
#include "orbit/geodesy.h"
#include "platform/color.h"
#include "platform/layout.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "schedule/sky_track.h"

namespace torv {

using platform::qs;

namespace {

constexpr platform::ColorValue kGridGray = 128 + 256 * 128 + 65536 * 128;
constexpr platform::ColorValue kBelowHorizonGray = 192 + 256 * 192 + 65536 * 192;

platform::ColorValue color_of(double c) { return round_half_even_as<platform::ColorValue>(c); }

}  // namespace

SkyTrackWindow::SkyTrackWindow(SkyTrackLinks links)
    : menu_f7_settei(*this, qs("設定")), menu_f7_kidou_disp(menu_f7_settei, qs("軌道表示"), platform::MenuItem::Menu),
      menu_f7_kidou_disp_all(menu_f7_kidou_disp, qs("全軌道表示")),
      menu_f7_kidou_disp_part(menu_f7_kidou_disp, qs("直近の軌道のみ表示")), Picture1(this), Label2(this),
      Label1(this), Label3(this), Label4(this), Label5(this), Label6(this), Label7(this), Label8(this), Label9(this),
      Label10(this), Frame1(this), Check2(&Frame1), Check1(&Frame1), Command1(this), Timer1(this), l_(links) {
    setCaption(qs(kSkyTrackWindowCaption));
    move_twips(0, 0, 11400, kSkyTrackWindowWholeHeight);
    platform::lay_out({
        {&Label2, 60, 60, 450, 255, "時刻"},
        {&Label1, 510, 60, 2300, 255, nullptr, "現在時刻を表示"},
        {&Label3, 2900, 60, 1000, 255, "人工衛星名"},
        {&Label4, 3900, 60, 1500, 255, nullptr, "選択されている人工衛星"},
        {&Label5, 5500, 60, 450, 255, "方位"},
        {&Label6, 5950, 60, 700, 255},
        {&Label7, 6700, 60, 450, 255, "仰角"},
        {&Label8, 7150, 60, 700, 255},
        {&Label9, 7900, 60, 500, 255, "ＳＱＡ"},
        {&Label10, 8400, 60, 600, 255},
        {&Picture1, 0, 420, 9000, 5460},
        {&Frame1, 9120, 420, 2160, 900, "軌道表示設定"},
        {&Check2, 120, 240, 1950, 255, "直近の軌道表示"},
        {&Check1, 120, 540, 1950, 255, "地平線下の軌道 ", "マークすると地平線下の軌道を表示"},
        {&Command1, 9120, 1440, 1000, 375, "閉じる"},
    });
    Picture1.Scale(0, 90, 360, -180);
    Picture1.MouseMove = [this](int, int, double x, double y) { Picture1_MouseMove(x, y); };
    menu_f7_kidou_disp_all.Click = [this] { menu_f7_kidou_disp_all_Click(); };
    menu_f7_kidou_disp_part.Click = [this] { menu_f7_kidou_disp_part_Click(); };
    Check2.Click = [this] { Check2_Click(); };
    Command1.Click = [this] { Command1_Click(); };
    Timer1.Timer_ = [this] { Timer1_Timer(); };
    Timer1.setInterval(1000);
}

void SkyTrackWindow::Form_Load() {
    kiseki_all_text = ini_read(Section{"KISEKI"}, Key{"FORM7_KISEKI_ALL"}, torv_ini());
    if (kiseki_all_text == "ERROR") {
        // An absent key means the whole day, and stays absent until the operator chooses.
        kiseki_all_text = "1";
        show_whole_day(true);
    } else if (kiseki_all_text != "1") {
        menu_f7_kidou_disp_part_Click();
    } else {
        menu_f7_kidou_disp_all_Click();
    }
    show_sky(l_.settings.kesiki_hiru);
    find_satellite_slot();
    draw_chart_grid();
    draw_track(track_slot, track_color);
    show_read_outs();
}

void SkyTrackWindow::Timer1_Timer() {
    Label1.setCaption(qs(general_date_text(add_days(clock_local_now(l_.time), l_.time.time_day_offset))));
    const SkyState sky = sky_state_of(l_.bodies.sun_el);
    const MainSettings& s = l_.settings;
    show_sky(sky == SkyState::Day ? s.kesiki_hiru : sky == SkyState::Dusk ? s.kesiki_yuugata : s.kesiki_yoru);
    Picture1.foreColor = sky == SkyState::Night ? platform::kRed : platform::kBlack;
    Picture1.Cls();
    find_satellite_slot();
    draw_track(track_slot, track_color);
    draw_chart_grid();
    show_read_outs();
}

void SkyTrackWindow::show_sky(const std::string& file) {
    const std::filesystem::path path = platform::program_file(file);
    std::error_code ec;
    const auto stamp = std::filesystem::last_write_time(path, ec);
    if (path == sky_file_ && stamp == sky_stamp_) return;
    sky_file_ = path;
    sky_stamp_ = stamp;
    // A missing picture leaves the plain background; the start-up has told of it.
    std::vector<std::string> told_at_start_up;
    load_map_bitmap_at(Picture1, path.string(), file, told_at_start_up);
}

void SkyTrackWindow::find_satellite_slot() {
    const auto shown = l_.groups.shown();
    track_slot = -1;
    for (int slot = 0; slot < static_cast<int>(shown.size()); ++slot)
        if (shown[static_cast<size_t>(slot)] == l_.groups.selected_sat) {
            track_slot = slot;
            track_color = l_.settings.slot_color(slot);
            break;
        }
    Label4.setBackColor(platform::kBlack);
    Label4.setForeColor(color_of(track_color));
    Label4.setCaption(qs(l_.groups.selected_sat));
}

void SkyTrackWindow::draw_chart_grid() {
    if (Check1.value() == 1) {
        move_twips(left(), top(), width(), kSkyTrackWindowWholeHeight);
    } else {
        Picture1.Box(0, 0, 360, -90, kBelowHorizonGray, true);
        move_twips(left(), top(), width(), kSkyTrackWindowUpperHeight);
    }
    Picture1.drawWidth = 1;
    for (int e : {-60, -30, 0, 30, 60}) {
        Picture1.Line(360, e, 0, e, kGridGray);
        Picture1.currentX = 0;
        Picture1.currentY = e + 7;
        Picture1.Print(QString::number(e));
    }
    for (int a : {60, 120, 180, 240, 300}) {
        Picture1.Line(a, 90, a, -90, kGridGray);
        for (int y : {-82, 90}) {
            Picture1.currentX = a - 2;
            Picture1.currentY = y;
            Picture1.Print(QString::number(a));
        }
    }
    const std::pair<int, const char*> compass[] = {{0, "北"}, {86, "東"}, {176, "南"}, {266, "西"}, {352, "北"}};
    for (const auto& [az, letter] : compass) {
        Picture1.currentX = az;
        Picture1.currentY = -2;
        Picture1.Print(qs(letter));
    }
}

void SkyTrackWindow::draw_disc(double az, double el, double radius, platform::ColorValue fill) {
    Picture1.fillStyle = platform::PictureBox::Solid;
    Picture1.fillColor = fill;
    Picture1.Circle(az, el, radius, platform::kWhite);
    Picture1.fillStyle = platform::PictureBox::Transparent;
}

void SkyTrackWindow::draw_track(int s, double c) {
    const MainSettings& set = l_.settings;
    const bool today = l_.time.time_day_offset == 0;
    if (today) {
        draw_disc(l_.bodies.sun_az, l_.bodies.sun_el, 7, color_of(set.sun_color));
        draw_disc(l_.bodies.moon_az, l_.bodies.moon_el, 7, color_of(set.moon_color));
    }
    // A satellite none of the seven slots shows has no minute table to draw from.
    if (s >= 0) {
        const TimelineRow& row = l_.chart.timeline.row(s);
        if (track_whole_day == 1) {
            track_start = 1;
            track_end = kTrackLastMinute;
        } else {
            const DateParts now = split_datetime(l_.time.display_time);
            const TrackRange r =
                find_nearest_pass(row.timeline_el, chart_minute_of(now.hour, now.minute, l_.chart.chart_shift == 1));
            track_start = r.start;
            track_end = r.end;
        }
        const bool ao40 = l_.groups.selected_sat == "AO-40";
        const double squint_limit = val(set.ao40_sqa_value);
        for (int m = track_start; m <= track_end; ++m) {
            const auto i = static_cast<size_t>(m);
            const double az = rad_to_deg(row.timeline_az[i]), el = rad_to_deg(row.timeline_el[i]);
            const double az2 = rad_to_deg(row.timeline_az[i + 1]), el2 = rad_to_deg(row.timeline_el[i + 1]);
            if (track_joins(az, az2)) {
                const bool squint = ao40 && ao40_squint_colored(row.timeline_squint[i], squint_limit);
                Picture1.Line(az, el, az2, el2, color_of(squint ? set.ao40_sqa_color : c));
            }
            if (el > 0) draw_time_mark(s, m);
        }
    }
    if (today) draw_disc(rad_to_deg(l_.orbit.selected_az), rad_to_deg(l_.orbit.selected_el), 2, platform::kRed);
}

void SkyTrackWindow::draw_time_mark(int s, int m) {
    const auto text = time_mark_text(m, l_.orbit.calc.calc_semi_major_axis, l_.chart.chart_shift == 1);
    if (!text) return;
    const TimelineRow& row = l_.chart.timeline.row(s);
    const double az = rad_to_deg(row.timeline_az[static_cast<size_t>(m)]);
    const double el = rad_to_deg(row.timeline_el[static_cast<size_t>(m)]);
    Picture1.Circle(az, el, 1, color_of(track_color));
    Picture1.currentX = az;
    Picture1.currentY = el;
    Picture1.Print(qs(*text));
}

void SkyTrackWindow::show_read_outs() {
    const bool ao40 = l_.groups.selected_sat == "AO-40";
    Label9.setVisible(ao40);
    Label10.setVisible(ao40);
    const platform::ColorValue fore = val(Label8.caption().toStdString()) >= 0 ? platform::kBlue : platform::kBlack;
    for (platform::Label* l : {&Label6, &Label8, &Label10}) l->setForeColor(fore);
}

void SkyTrackWindow::set_track_mode(bool whole) {
    platform::check_only(whole ? menu_f7_kidou_disp_all : menu_f7_kidou_disp_part,
                         {whole ? &menu_f7_kidou_disp_part : &menu_f7_kidou_disp_all});
    track_whole_day = whole ? 1 : 0;
}

void SkyTrackWindow::show_whole_day(bool whole) {
    set_track_mode(whole);
    Check2.setValue(whole ? 0 : 1);
}

void SkyTrackWindow::menu_f7_kidou_disp_all_Click() {
    show_whole_day(true);
    kiseki_all_text = "1";
    ini_write(Section{"KISEKI"}, Key{"FORM7_KISEKI_ALL"}, "1", torv_ini());
}

void SkyTrackWindow::menu_f7_kidou_disp_part_Click() {
    show_whole_day(false);
    kiseki_all_text = "0";
    ini_write(Section{"KISEKI"}, Key{"FORM7_KISEKI_ALL"}, "0", torv_ini());
}

void SkyTrackWindow::Check2_Click() { set_track_mode(Check2.value() == 0); }

void SkyTrackWindow::Picture1_MouseMove(double x, double y) {
    Picture1.setToolTip(qs(format_number(x, "0") + ", " + format_number(y, "0")));
}

void SkyTrackWindow::Command1_Click() { Unload(); }

}  // namespace torv
