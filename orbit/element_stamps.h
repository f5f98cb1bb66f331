#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "common/datetime.h"
#include "platform/clock.h"

// The element update's state: the update stamp ("yyyy/mm/dd hh:mm:ss" of the last element
// update), the bulletin tag beside it, the update mode, and the ten-day staleness rule.
namespace torv {

// [KIDOUKOUSIN] and the two flags the main window derives from it.
struct ElementUpdateState {
    std::string kidoukousin_yymmdd = "000000000000";  // "yyyy/mm/dd hh:mm:ss" of the last update
    std::string kidoukousin_orbit = "04008";          // the tag of the bulletin in use
    std::string elm_auto_sw = "0";  // "0" no automatic update, "1" at every start, "2" torv_solid.elm only
    int16_t elm_updated = 0;        // 1 once an update in this run replaced an element file
    int16_t elements_stale = 0;     // 1 when the stamp is ten days old or more
};

// The main window's settings load and the element-update window use different
// defaults for a missing stamp; both read as a date long past.
inline constexpr std::string_view kAbsentStampMain = "000000000000";
inline constexpr std::string_view kAbsentStampWindow = "0000000000";

// A clock reading in the stamp's form.
std::string stamp_text(const platform::ClockReading& now);

// The stamp read back as a date and time; nothing when it is not one (the all-zero
// defaults, anything not in the stamp's form).
std::optional<DateTime> parse_stamp(const std::string& yymmdd);

// Whether a stored stamp can be used: one of the all-zero texts kept for "never
// updated", or a stamp parse_stamp reads that lies at most two days after now (a change
// of the time difference within its -24 to 24 hours moves the local clock that far).
// A later one would keep the lists from being fetched and the label from ever turning
// stale.
bool usable_stamp(const std::string& yymmdd, const platform::ClockReading& now);

// The element-date label: the stamp, two blanks, "ORB" and the tag.
std::string element_date_caption(const ElementUpdateState& state);

// The element-date label's tool tip for a mode; empty for an unknown mode.
std::string element_date_tooltip(const std::string& elm_auto_sw);

// 1 when today's date lies ten days or more after the stamp's date (the time of day
// does not count), else 0. The stamp's year, month and day are read as numbers from
// characters 1-4, 6-7 and 9-10; text that is no number reads 0, so a missing stamp is
// stale.
int16_t elements_stale_flag(const std::string& yymmdd, const platform::ClockReading& today);

// Fixed-file mode: the tag becomes the 5 characters from column 19 of the selected
// satellite's element line 1 (epoch year and day), the stamp the present moment.
void take_stamp_from_line1(ElementUpdateState& state, const std::string& line1, const platform::ClockReading& now);

}  // namespace torv
