#include "orbit/sat_elements.h"

#include <cmath>

#include "common/number_text.h"

namespace torv {

namespace {

// The field of count characters from column (counted from 1); what remains when the
// line is shorter.
std::string_view field(const std::string& line, size_t column, size_t count) {
    if (line.size() < column) return {};
    return std::string_view(line).substr(column - 1, count);
}

double full_year(double two_digits) { return two_digits >= 57 ? 1900 + two_digits : 2000 + two_digits; }

}  // namespace

SatElements parse_sat_elements(const std::string& line1, const std::string& line2) {
    SatElements el;
    el.epoch_year = full_year(val(field(line1, 19, 2)));
    el.epoch_day = val(field(line1, 21, 12));
    el.inclination = val(field(line2, 9, 8));
    el.node = val(field(line2, 18, 8));
    el.eccentricity = val("0." + std::string(field(line2, 27, 7)));
    el.perigee = val(field(line2, 35, 8));
    el.mean_anomaly = val(field(line2, 44, 8));
    el.mean_motion = val(field(line2, 53, 11));
    el.motion_derivative = val(field(line1, 34, 10));
    // A damaged revolution field can read far beyond a 32-bit count: the nearest it holds.
    el.rev_no = round_half_even_as<int32_t>(val(field(line2, 64, 5)));
    // The epoch is a day of its year; a field read as anything else (an exponent, a
    // damaged column) is no date the computation or the display could start from.
    const bool epoch_is_a_date = el.epoch_day >= 0 && el.epoch_day < 367;
    el.usable = !trim_ws(line1).empty() && !trim_ws(line2).empty() && std::isfinite(el.mean_motion) &&
                el.mean_motion > 0 && epoch_is_a_date;
    return el;
}

}  // namespace torv
