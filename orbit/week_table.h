#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "common/datetime.h"
#include "common/station_table.h"
#include "orbit/element_table.h"
#include "orbit/geodesy.h"
#include "orbit/mean_motion.h"
#include "orbit/sat_position.h"

// The week pass tables' computation: one local day of one satellite, minute by minute,
// over the own station (and, for the two-station table, a partner station as well).
// A plain function of its inputs: it writes no shared result, no live label and no
// published item, so computing the future never disturbs what the main window shows.
namespace torv {

constexpr int kWeekRows = 7;          // the days shown at once
constexpr int kDayMinutes = 1440;     // minute indexes 1..1440 of a day
constexpr int kMinuteSlots = kDayMinutes + 1;  // index 0 holds no minute

// One day of the minute tables. Index f (1..1440) holds the position at local midnight
// + (f - 1) minutes. Only minutes that count as visible are written; all others hold 0.
struct WeekDayRow {
    std::array<double, kMinuteSlots> week_visible{};       // 1.0 visible, else 0
    std::array<double, kMinuteSlots> week_az{};            // radians
    std::array<double, kMinuteSlots> week_el{};            // radians
    std::array<double, kMinuteSlots> week_mean_anomaly{};  // degrees, 0..360
};

// The rows of the graph (0..6) and the one row no day uses (7).
using WeekMinuteTables = std::array<WeekDayRow, kWeekRows + 1>;

// What one minute's cell of the week graph shows.
enum class WeekCellColour : uint8_t {
    Below,       // below the horizon (of either station)
    Visible,     // visible
    SquintGood,  // AO-40 visible with its antenna squint within the limit
};
struct WeekCell {
    WeekCellColour colour = WeekCellColour::Below;
    bool transponder_on = false;  // AO-40 visible in its transponder-on phase window
};
using WeekDayCells = std::array<WeekCell, kMinuteSlots>;

// AO-40's marks on the graph.
struct Ao40Marks {
    bool is_ao40 = false;        // the satellite is "AO-40": transponder-on marks
    bool squint_usable = false;  // its attitude was fetched without error: squint colours
    double alat = 0, alon = 0;   // attitude, degrees
    double sqa_limit = 30;       // squint limit, degrees
    double ma_start = -1, ma_end = -1;  // transponder-on window, phase 0..256
};

inline const char* const kAo40Name = "AO-40";

// The attitude and settings as the main window keeps them, for a satellite name.
Ao40Marks ao40_marks(const std::string& name, int16_t attitude_fetched, int16_t attitude_error,
                     const std::string& alat, const std::string& alon, const std::string& sqa_limit,
                     double ma_start, double ma_end);

// The cell of a visible minute: AO-40's squint colour when its squint (degrees; -1 when
// not computed) is within the limit, its transponder-on mark when its phase (from the
// mean anomaly in degrees, 0..360) lies in the window.
WeekCell visible_minute_cell(const Ao40Marks& marks, double squint, double mean_anomaly);

// What a week is computed for, fixed when the week starts.
struct WeekSubject {
    std::string name;         // the satellite, trimmed
    bool usable = false;      // false: its element set cannot be computed, nothing is visible
    SatOrbit orbit;           // the set made ready, with its mean-motion term
    StationFrame own;
    bool two_station = false;  // a minute counts only when the partner sees it too
    bool partner_set = false;  // the partner slot holds a station; without one nothing counts
    StationFrame partner;
    Ao40Marks ao40;
};

// The satellite as the position computation would take it: the table's set, the
// fallback set for an unknown name, nothing usable for a damaged set.
WeekSubject week_subject(const ElementTable& elements, const SatCorrectionTable& corrections,
                         const std::string& name, const OwnStation& station);

// Adds the partner station of slot i of the table; a slot without a name or with an
// unset position leaves the subject without partner (so no minute counts).
void add_partner(WeekSubject& subject, const PartnerStationTable& partners, int i);

// Computes the 1440 minutes of the day that starts at day_start_utc into row (cleared
// first) and the graph cells. A minute is visible when the satellite stands at or above
// the horizon (at both stations for the two-station table).
void compute_week_day(const WeekSubject& subject, DateTime day_start_utc, WeekDayRow& row, WeekDayCells& cells);

}  // namespace torv
