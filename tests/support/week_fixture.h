#pragma once
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "app/program_state.h"
#include "orbit/element_table.h"
#include "orbit/sat_position.h"
#include "orbit/time_base.h"
#include "orbit/week_passes.h"
#include "orbit/week_table.h"

// The program state with the default element sets (epoch January 2018), a station in
// Japan on UTC+9, and the shared satellite computation to check the week tables against.
struct WeekFixture : torv::ProgramState {
    torv::OrbitContext ctx = torv::orbit_context(*this);

    // AO-40 is long gone: a made-up set of its kind of orbit (high, eccentric), epoch 21 January 2018.
    static constexpr const char* kAo40Line1 = "1 26609U 00072B   18021.50000000  .00000000  00000-0  00000-0 0  9999";
    static constexpr const char* kAo40Line2 = "2 26609   6.0000 100.0000 7900000 200.0000  10.0000  1.25580000 12345";

    WeekFixture() {
        station = {135.5, 34.7, 50, "JA3XXX"};
        torv::ElementLoadReport report;
        torv::read_element_file(elements, std::string(TORV_DATA) + "/TORV.ELM", report);
        add_set("AO-40", kAo40Line1, kAo40Line2);
        torv::set_time_diff(time, 9);
    }
    void add_set(const std::string& name, const std::string& l1, const std::string& l2) {
        elements.add_set(name, l1, l2);
    }

    // Local midnight of a date and the same instant in UTC.
    static torv::DateTime day(int y, int m, int d) { return torv::date_serial(y, m, d); }
    torv::DateTime utc(torv::DateTime local) const { return torv::local_to_utc(time, local); }

    torv::WeekSubject subject(const std::string& name) const {
        return torv::week_subject(elements, corrections, name, station);
    }

    // The shared computation's elevation (degrees) at minute index f of the day that
    // starts at day_start_utc, from the own station; and from another station.
    double own_el(const std::string& name, torv::DateTime day_start_utc, int f) {
        at(name, day_start_utc, f);
        std::string n = name;
        torv::sat_position_disp(ctx, n);
        return orbit.calc.calc_el * 180.0 / torv::kPi;
    }
    double station_el(const std::string& name, torv::DateTime day_start_utc, int f, double lon, double lat, double h) {
        at(name, day_start_utc, f);
        std::string n = name;
        double az = 0, el = -999;
        torv::sat_view_from_station(ctx, n, lon, lat, h, 9, az, el);
        return el;
    }

private:
    void at(const std::string& name, torv::DateTime day_start_utc, int f) {
        groups.selected_sat = name;
        time.realtime_flag = 0;
        time.calc_time = torv::add_minutes(day_start_utc, f - 1);
    }
};

// Minute indexes (first, last) of each run of minutes for which visible(f) holds; a run
// still on at 1440 ends there.
inline std::vector<std::pair<int, int>> runs_of(const std::function<bool(int)>& visible) {
    std::vector<std::pair<int, int>> runs;
    for (int f = 1; f <= torv::kDayMinutes; ++f) {
        if (!visible(f)) continue;
        const int first = f;
        while (f < torv::kDayMinutes && visible(f + 1)) ++f;
        runs.emplace_back(first, f);
    }
    return runs;
}

// The fields of a pass line after its seven-character name: date, rise time, azimuth,
// phase, maximum time, azimuth, elevation, phase, set time, azimuth, phase, minutes.
inline std::vector<std::string> line_fields(const std::string& line) {
    std::istringstream in(line.substr(7));
    std::vector<std::string> fields;
    for (std::string f; in >> f;) fields.push_back(f);
    return fields;
}

// The minute index a printed time stands for: "hh:mm" is index hh x 60 + mm.
inline int index_of(const std::string& hhmm) { return std::stoi(hhmm.substr(0, 2)) * 60 + std::stoi(hhmm.substr(3, 2)); }

// The (rise, set) minute indexes of lines.
inline std::vector<std::pair<int, int>> line_runs(const std::vector<std::string>& lines) {
    std::vector<std::pair<int, int>> runs;
    for (const std::string& l : lines) {
        const std::vector<std::string> f = line_fields(l);
        runs.emplace_back(index_of(f.at(1)), index_of(f.at(8)));
    }
    return runs;
}
