#pragma once
#include <filesystem>
#include <string>

#include "mainwindow/main_settings.h"
#include "mainwindow/main_state.h"
#include "mainwindow/sat_groups.h"
#include "orbit/bodies.h"
#include "orbit/sat_position.h"
#include "orbit/time_base.h"
#include "platform/controls.h"
#include "platform/form.h"
#include "platform/menu.h"
#include "platform/picture_box.h"

namespace torv {

// What the sky-track chart reads of the main window: the selection and the shown group,
// the colours and sky pictures, the time controls, the 24-hour chart's minute tables,
// the Sun and the Moon, the selected satellite's present position and orbit size.
struct SkyTrackLinks {
    const SatGroupTable& groups;
    const MainSettings& settings;
    const TimeState& time;
    const ChartFlags& chart;
    const BodyState& bodies;
    const OrbitState& orbit;
};

// "軌道": the selected satellite's track across the own station's sky, azimuth 0..360
// left to right and elevation +90..-90 top to bottom, for the chart's whole day or the
// nearest pass, with time marks, the Sun and the Moon and the present position, over a
// day, dusk or night sky; redrawn every second while the window is loaded.
class SkyTrackWindow : public platform::Form {
    Q_OBJECT
public:
    explicit SkyTrackWindow(SkyTrackLinks links);

    platform::MenuItem menu_f7_settei;           // "設定"
    platform::MenuItem menu_f7_kidou_disp;       // "軌道表示"
    platform::MenuItem menu_f7_kidou_disp_all;   // "全軌道表示": the chart's whole day
    platform::MenuItem menu_f7_kidou_disp_part;  // "直近の軌道のみ表示": the nearest pass only
    platform::PictureBox Picture1;               // the chart: azimuth 0..360, elevation +90..-90
    platform::Label Label2;                      // "時刻"
    platform::Label Label1;                      // the present time and date
    platform::Label Label3;                      // "人工衛星名"
    platform::Label Label4;                      // the selected satellite, in its track's colour
    platform::Label Label5;                      // "方位"
    platform::Label Label6;                      // its azimuth
    platform::Label Label7;                      // "仰角"
    platform::Label Label8;                      // its elevation
    platform::Label Label9;                      // "ＳＱＡ", shown for AO-40
    platform::Label Label10;                     // AO-40's squint angle
    platform::Frame Frame1;                      // "軌道表示設定"
    platform::CheckBox Check2;                   // "直近の軌道表示": the nearest pass only
    platform::CheckBox Check1;                   // "地平線下の軌道 ": the track below the horizon too
    platform::CommandButton Command1;            // "閉じる"
    platform::Timer Timer1;                      // redraws every second

    // The display slot showing the selected satellite (-1: none of the seven) and the
    // colour its track is drawn in (kept while no slot shows it).
    int track_slot = -1;
    double track_color = 0;
    int16_t track_whole_day = 1;
    int track_start = 1, track_end = 1439;
    std::string kiseki_all_text;

    void Timer1_Timer();
    void menu_f7_kidou_disp_all_Click();
    void menu_f7_kidou_disp_part_Click();
    void Check2_Click();
    void Picture1_MouseMove(double x, double y);
    void Command1_Click();

protected:
    void Form_Load() override;

private:
    void find_satellite_slot();
    void draw_chart_grid();
    void draw_track(int s, double c);
    void draw_time_mark(int s, int m);
    void draw_disc(double az, double el, double radius, platform::ColorValue fill);
    // The menu's check marks and the mode; with the check box too.
    void set_track_mode(bool whole);
    void show_whole_day(bool whole);
    void show_read_outs();
    void show_sky(const std::string& file);

    SkyTrackLinks l_;
    // The sky picture shown and the file state it was read in: read again only when
    // another file is called for or the file changed.
    std::filesystem::path sky_file_;
    std::filesystem::file_time_type sky_stamp_{};
};

inline const char* const kSkyTrackWindowCaption = "軌道";
inline constexpr int kSkyTrackWindowWholeHeight = 6630;  // twips: the whole chart
inline constexpr int kSkyTrackWindowUpperHeight = 3900;  // twips: the sky above the horizon

}  // namespace torv
