#include "orbit/week_table.h"

#include "common/number_text.h"
#include "orbit/sat_elements.h"
#include "orbit/squint.h"

namespace torv {

namespace {

constexpr double kPhaseUnits = 256.0;  // AO-40's phase: 256 units a revolution

WeekCell minute_cell(const WeekSubject& s, const SatPosition& p) {
    const Ao40Marks& m = s.ao40;
    const double squint = m.squint_usable ? squint_deg(m.alat, m.alon, p.true_anomaly) : -1;
    return visible_minute_cell(m, squint, lower_below_360(p.mean_anomaly));
}

// Whether the minute counts: the satellite at or above the horizon of the own station,
// and of the partner too for the two-station table.
bool minute_counts(const WeekSubject& s, const SatPosition& p) {
    if (!p.ok || p.view.el < 0) return false;
    if (!s.two_station) return true;
    return s.partner_set && view_of(p, s.partner).el >= 0;
}

}  // namespace

WeekCell visible_minute_cell(const Ao40Marks& m, double squint, double mean_anomaly) {
    WeekCell cell;
    cell.colour = WeekCellColour::Visible;
    if (m.is_ao40 && squint >= 0 && m.sqa_limit >= squint) cell.colour = WeekCellColour::SquintGood;
    if (m.is_ao40) {
        const double phase = mean_anomaly / 360.0 * kPhaseUnits;
        cell.transponder_on = m.ma_start <= phase && phase <= m.ma_end;
    }
    return cell;
}

Ao40Marks ao40_marks(const std::string& name, int16_t attitude_fetched, int16_t attitude_error,
                     const std::string& alat, const std::string& alon, const std::string& sqa_limit,
                     double ma_start, double ma_end) {
    Ao40Marks m;
    m.is_ao40 = name == kAo40Name;
    m.squint_usable = m.is_ao40 && attitude_fetched == 1 && attitude_error == 0;
    m.alat = val(alat);
    m.alon = val(alon);
    m.sqa_limit = val(sqa_limit);
    m.ma_start = ma_start;
    m.ma_end = ma_end;
    return m;
}

WeekSubject week_subject(const ElementTable& elements, const SatCorrectionTable& corrections,
                         const std::string& name, const OwnStation& station) {
    WeekSubject s;
    s.name = trim(name);
    const ElementLookupResult found = lookup_sat_elements(elements, s.name);
    s.usable = found.how != ElementLookup::Unusable;
    if (s.usable) {
        const SatElements& el = found.elements;
        s.orbit = make_sat_orbit(el, position_extra_rate(s.name, el, semi_major_axis(el.mean_motion), corrections));
    }
    s.own = make_station_frame(station.station_lon, station.station_lat, station.station_height);
    return s;
}

void add_partner(WeekSubject& subject, const PartnerStationTable& partners, int i) {
    subject.two_station = true;
    subject.partner_set = i >= 0 && i < kPartnerSlots && !partners.partner_name[i].empty() &&
                          partners.partner_lon[i] != kPartnerUnset && partners.partner_lat[i] != kPartnerUnset;
    if (subject.partner_set)
        subject.partner = make_station_frame(partners.partner_lon[i], partners.partner_lat[i], partners.partner_height[i]);
}

void compute_week_day(const WeekSubject& s, DateTime day_start_utc, WeekDayRow& row, WeekDayCells& cells) {
    row = WeekDayRow{};
    cells.fill(WeekCell{});
    if (!s.usable) return;
    for (int f = 1; f <= kDayMinutes; ++f) {
        const double mjd = datetime_to_mjd(add_minutes(day_start_utc, f - 1));
        const SatPosition p = propagate(s.orbit, s.own, mjd);
        if (!minute_counts(s, p)) continue;
        row.week_visible[f] = 1.0;
        row.week_az[f] = p.view.az;
        row.week_el[f] = p.view.el;
        row.week_mean_anomaly[f] = lower_below_360(p.mean_anomaly);
        cells[f] = minute_cell(s, p);
    }
}

}  // namespace torv
