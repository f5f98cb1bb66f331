#pragma once
#include <cstdint>
#include <string>

// One satellite's element set, found by name in the element table and turned into
// numbers. The table keeps every set's numbers from its lines, so a lookup parses nothing.
namespace torv {

class ElementTable;

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

// Index of the name line of the first set named name (exact, case-sensitive, after
// trimming blanks), looking only at the name positions 1, 4, 7, …; 0 when there is none
// or the name is empty.
int find_element_set(const ElementTable& table, const std::string& name);

// How a lookup went.
enum class ElementLookup { Found, Fallback, Unusable };

struct ElementLookupResult {
    SatElements elements;
    ElementLookup how = ElementLookup::Fallback;
};

// The parsed set of a (trimmed) name: the table's set, the fallback set when the name is
// not there (both parsed once, not at every lookup), or Unusable when the table's set has missing or blank element lines, a
// mean motion of 0 or less or an epoch that is no date (such a satellite is skipped, never computed).
ElementLookupResult lookup_sat_elements(const ElementTable& table, const std::string& name);

// The historic routine: trims name in place and parses its set into elements and rev_no.
// Returns the lookup's outcome.
ElementLookup load_sat_elements(const ElementTable& table, std::string& name, SatElements& sat_elements,
                                int32_t& sat_rev_no);

}  // namespace torv
