#pragma once
#include <QImage>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "common/paint_effects.h"
#include "common/sat_info_tips.h"
#include "common/station_table.h"
#include "mainwindow/main_settings.h"
#include "mainwindow/main_state.h"
#include "mainwindow/map_mouse.h"
#include "mainwindow/map_state.h"
#include "mainwindow/result_texts.h"
#include "common/datetime.h"
#include "platform/controls.h"
#include "platform/picture_box.h"

// What the three map windows (local zoom, partner zoom, enlarged world map) share: the
// state they write for the main window's redraw, and their bitmaps.
namespace torv {

// What the maps' clicks ask of the main window.
struct MapWindowActions {
    std::function<void()> open_local_zoom;      // from a world map's own-station marker
    std::function<void(int i)> select_partner;  // registered station i picked
    std::function<void(int i)> open_partner_map;
    std::function<void()> start_mars_countdown;
};

struct MapWindowLinks {
    MainViewState& view;
    MapState& maps;
    const MainSettings& settings;
    const SatInfoTips& tips;
    const PartnerStationTable& partners;
    const OwnStation& station;
    const BodyState& bodies;
    MapWindowActions actions;
};

// The read-outs' tables of the program's state.
ReadoutTables readout_tables(const MapWindowLinks& l);

// A bitmap laid over the whole picture, so that the picture's user scale falls on the
// map; a missing or unreadable file leaves the plain background and is added to missing
// (by the name given). load_map_bitmap reads the file of the program folder,
// load_map_bitmap_at the path given.
void load_map_bitmap(platform::PictureBox& box, const std::string& file, std::vector<std::string>& missing);
void load_map_bitmap_at(platform::PictureBox& box, const std::string& path, const std::string& name,
                        std::vector<std::string>& missing);

// The satellite icon "iss91.bmp" that the redraw paints over a map; empty, and added to
// missing, when it cannot be read.
StdPicture load_iss_picture(std::vector<std::string>& missing);

// Tells the operator in one message of the bitmaps in missing not told of before in
// this run (noted keeps the names told); the windows go on with plain pictures.
void note_missing_bitmaps(std::set<std::string>& noted, const std::vector<std::string>& missing);
// One bitmap loaded and, when it cannot be read, told of that way.
void load_map_bitmap(platform::PictureBox& box, const std::string& file, std::set<std::string>& noted);

// The selected satellite's name, azimuth, elevation and range, and the two clocks, as the
// satellite computation writes them into a map window's labels.
struct ResultLabels {
    platform::Label *name, *az, *el, *range, *local_time, *utc;
};
void show_selected_on(const ResultLabels& labels, const SelectedSatTexts& t, const std::string& range);
void show_time_on(const ResultLabels& labels, DateTime local, DateTime utc);

// The local time at a partner station: the shown local time plus the own offset to UTC
// (local_to_utc_text) and the partner's offset from it, in whole hours.
DateTime partner_local_time(DateTime shown, const std::string& local_to_utc_text, double partner_time_diff);

// The seven slot names (slot 1..7) into a zoom window's slot labels.
void show_slot_names(const std::array<platform::Label*, 7>& labels, const std::array<std::string, 7>& names);

// A slot label's tool tip: its caption, ":" and the slot's description.
void show_slot_tip(platform::Label& label, const SatInfoTips& tips, int entry);
// The tool tip of whichever of the seven slot labels (slot 1..7) the mouse enters or moves over.
void show_slot_tip_on_hover(const QObject* watched, const QEvent* event, const std::array<platform::Label*, 7>& labels,
                            const SatInfoTips& tips);

}  // namespace torv
