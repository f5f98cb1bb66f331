#pragma once
#include <QImage>
#include <array>
#include <functional>
#include <string>

#include "common/paint_effects.h"
#include "common/sat_info_tips.h"
#include "mainwindow/main_settings.h"
#include "mainwindow/main_state.h"
#include "mainwindow/map_state.h"
#include "mainwindow/result_texts.h"
#include "common/datetime.h"
#include "platform/controls.h"
#include "platform/picture_box.h"

// What the three map windows (local zoom, partner zoom, enlarged world map) share: the
// state they write for the main window's redraw, and their bitmaps.
namespace torv {

struct MapWindowLinks {
    MainViewState& view;
    MapState& maps;
    const MainSettings& settings;
    const SatInfoTips& tips;
};

// A bitmap of the program folder laid over the whole picture, so that the picture's user
// scale falls on the map; a missing or unreadable file leaves the plain background.
bool load_map_bitmap(platform::PictureBox& box, const std::string& file);

// The satellite icon "iss91.bmp" that the redraw paints over a map; empty when missing.
StdPicture load_iss_picture();

// The selected satellite's name, azimuth, elevation and range, and the two clocks, as the
// satellite computation writes them into a map window's labels.
struct ResultLabels {
    platform::Label *name, *az, *el, *range, *local_time, *utc;
};
void show_selected_on(const ResultLabels& labels, const SelectedSatTexts& t, const std::string& range);
void show_time_on(const ResultLabels& labels, DateTime local, DateTime utc);

// A slot label's tool tip: its caption, ":" and the slot's description.
void show_slot_tip(platform::Label& label, const SatInfoTips& tips, int entry);

}  // namespace torv
