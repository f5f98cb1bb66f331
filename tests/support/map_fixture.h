#pragma once
#include <QImage>
#include <cmath>
#include <memory>
#include <string>

#include "app/program_state.h"
#include "common/live_values_window.h"
#include "mainwindow/body_maps.h"
#include "mainwindow/main_loop.h"
#include "mainwindow/map_geometry.h"
#include "mainwindow/map_state.h"
#include "platform/clock.h"
#include "platform/twips.h"

// Whether a pixel within reach pixels of the point (x, y) has the colour: lines land on
// one pixel or the next depending on how the scale rounds.
inline bool colour_near(platform::PictureBox& box, double x, double y, platform::ColorValue colour, int reach = 1) {
    const QPointF c = box.to_pixels(x, y);
    const QImage& img = box.image();
    for (int dy = -reach; dy <= reach; ++dy)
        for (int dx = -reach; dx <= reach; ++dx) {
            const QPoint p(static_cast<int>(std::floor(c.x())) + dx, static_cast<int>(std::floor(c.y())) + dy);
            if (img.rect().contains(p) && platform::from_qcolor(img.pixelColor(p)) == colour) return true;
        }
    return false;
}

// Whether text drawn in red (anti-aliased, so only reddish) lies in the rectangle of
// user units from (x1, y1) to (x2, y2).
inline bool reddish_text_in(platform::PictureBox& box, double x1, double y1, double x2, double y2) {
    const QRect r = QRectF(box.to_pixels(x1, y1), box.to_pixels(x2, y2)).normalized().toRect();
    const QImage& img = box.image();
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            if (!img.rect().contains(x, y)) continue;
            const QColor c = img.pixelColor(x, y);
            if (c.red() > 180 && c.green() < 90 && c.blue() < 90) return true;
        }
    return false;
}

// Body icons of one colour each (green; black would be transparent), 30 pixels square.
inline torv::BodyIcons green_icons() {
    torv::BodyIcons icons;
    for (torv::StdPicture& p : icons) {
        p = {torv::StdPicture::Bitmap, QImage(30, 30, QImage::Format_RGB32)};
        p.image.fill(QColor(0, 255, 0));
    }
    return icons;
}

// The program state with a station, a few element sets, a fixed clock and the six
// pictures of the redraw at their design sizes, for drawing tests that sample pixels.
struct MapFixture : torv::ProgramState {
    torv::OrbitContext octx = torv::orbit_context(*this);
    torv::MapState maps;
    // Main map one pixel per unit; the others as the windows lay them out.
    platform::PictureBox main_map, world_zoom, local_zoom, partner_zoom, orbit_view, sky_view;
    torv::MapContext ctx{octx, partners, settings, view, maps, {}, {}};

    static constexpr platform::ClockReading kClock{2018, 1, 21, 3, 0, 0};  // UTC; 12:00 at UTC+9

    MapFixture() {
        platform::clock_fix(kClock);
        station = {135.15, 34.5, 45, "JA3XXX"};
        groups.selected_sat = "ISS";
        torv::set_time_diff(time, 9);
        time.realtime_flag = 1;
        add_set("ISS", "1 25544U 98067A   18020.89808844  .00002078  00000-0  38550-4 0  9992",
                "2 25544  51.6424  32.9776 0003646  28.7227  39.5332 15.54190080 95614");
        add_set("SO-50", "1 27607U 02058C   18020.85805703 -.00000024  00000-0  17191-4 0  9994",
                "2 27607  64.5541 180.3486 0047321   5.0119 355.1447 14.75413283811223");
        add_set("FO-29", "1 24278U 96046B   18020.85842795 -.00000002  00000-0  31335-4 0  9999",
                "2 24278  98.5306 239.7962 0351150 133.0233 230.0898 13.53080693 58061");
        main_map.resize(720, 360);
        world_zoom.resize(903, 453);
        local_zoom.resize(396, 396);
        partner_zoom.resize(396, 396);
        orbit_view.resize(200, 200);
        sky_view.resize(platform::twips_to_px(3075), platform::twips_to_px(3090));
        for (platform::PictureBox* b : {&main_map, &world_zoom, &local_zoom, &partner_zoom, &orbit_view, &sky_view})
            b->setBackColor(0x404040);
        torv::set_world_map_scale(main_map);
        torv::set_world_map_scale(world_zoom);
        torv::set_local_zoom_scale(local_zoom, 135, 35);
        torv::set_local_zoom_scale(partner_zoom, 135, 35);
        settings.start_tizu = "1";
        view.local_zoom_px_width = view.local_zoom_px_height = 396;
        view.partner_zoom_px_width = view.partner_zoom_px_height = 396;
        maps.partner_zoom_lon = "135";
        ctx.surfaces = {&main_map, &world_zoom, &local_zoom, &partner_zoom, &orbit_view, &sky_view};
    }
    ~MapFixture() { platform::clock_release(); }

    void add_set(const std::string& name, const std::string& l1, const std::string& l2) {
        elements.add_set(name, l1, l2);
    }
    // The satellite at a UTC instant, as a chosen-instant caller computes it.
    torv::CalcResult at(std::string name, torv::DateTime utc) {
        const int16_t flag = time.realtime_flag;
        time.realtime_flag = 0;
        time.calc_time = utc;
        torv::sat_position_disp(octx, name);
        time.realtime_flag = flag;
        return orbit.calc;
    }
    torv::DateTime display_utc() const {
        return torv::make_datetime({kClock.year, kClock.month, kClock.day, kClock.hour, kClock.minute, kClock.second});
    }
};

// The labels and the item window the main loop writes, standing in for the main window's.
struct MainLoopLabels {
    std::array<platform::Label, 7> main_window_labels, local_zoom_window_labels;
    platform::Label label25, label33;
    std::array<platform::Label, 6> doppler_labels;
    torv::LiveValuesWindow items;

    torv::MainLoopControls controls() {
        torv::MainLoopControls c;
        for (int s = 0; s < 7; ++s) {
            c.main_window_slot_labels[s] = &main_window_labels[s];
            c.local_zoom_window_slot_labels[s] = &local_zoom_window_labels[s];
        }
        c.Label25 = &label25;
        c.Label33 = &label33;
        for (int r = 0; r < 3; ++r) {
            c.doppler_value_labels[r] = &doppler_labels[2 * r];
            c.doppler_band_labels[r] = &doppler_labels[2 * r + 1];
        }
        c.items = &items;
        return c;
    }
};
