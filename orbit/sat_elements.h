#pragma once
#include <cstdint>
#include <string>

// One satellite's element set turned into numbers. The element table (element_table.h)
// finds a set by name and keeps every set's numbers from its lines, so a lookup parses
// nothing.
namespace torv {

// The parsed set. Angles in degrees, mean motion in revolutions per day.
struct SatElements {
    double epoch_year = 0;         // four-digit year of the epoch
    double epoch_day = 0;          // day of the year with fraction, 1.0 = 1 January 00:00 UTC
    double inclination = 0;
    double node = 0;               // right ascension of the ascending node
    double eccentricity = 0;
    double perigee = 0;            // argument of perigee
    double mean_anomaly = 0;       // at epoch
    double mean_motion = 0;
    double motion_derivative = 0;  // first derivative of the mean motion / 2, rev/day^2
    int32_t rev_no = 0;            // revolution number at epoch

    // A set the propagation can use: two element lines were present, the mean motion
    // is a positive number and the epoch day is a day of the year (0 to 366.99…).
    bool usable = false;
};

// The element set used for a name the table does not hold (and for an empty name).
inline const char* const kFallbackName = "DUMMY";
inline const char* const kFallbackLine1 =
    "1 24278U 96046B   05026.80879303  .00000002  00000-0  37400-4 0 08932";
inline const char* const kFallbackLine2 =
    "2 24278 098.5680 095.3409 0350746 182.5037 177.4357 13.52907999417079";

// Parses the two element lines by their fixed columns. A two-digit epoch year of 57 to
// 99 is 1957 to 1999, 00 to 56 is 2000 to 2056. Blank or non-numeric fields read 0.
SatElements parse_sat_elements(const std::string& line1, const std::string& line2);

// How a lookup went.
enum class ElementLookup { Found, Fallback, Unusable };

}  // namespace torv
