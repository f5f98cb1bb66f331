#pragma once
#include <cmath>
#include <span>

#include "orbit/geodesy.h"

// Arithmetic shared by the Sun, Moon and Mars routines: angles in degrees, and sums of
// periodic terms A x sin(B + C x T) (or cos), B in degrees, C in degrees per Julian year.
// The order of summation is part of the results' last bits, so every sum runs over its
// table in order.
namespace torv {

inline double sin_deg(double deg) { return std::sin(deg_to_rad(deg)); }
inline double cos_deg(double deg) { return std::cos(deg_to_rad(deg)); }

// Brings an angle into 0 <= angle < 360: raised by whole turns while below 0, then
// lowered while 360 or more; the whole turns are taken in one exact step, so the result
// is that of adding or subtracting 360 one turn at a time.
inline double reduce_360(double deg) {
    if (deg < 0) {
        deg = std::fmod(deg, 360.0);
        if (deg < 0) deg += 360;
    }
    return lower_below_360(deg);
}

// The arctangent of num / den in degrees, placed as the body routines place a right
// ascension: plus 180 when den < 0, plus 360 otherwise, so 90 <= result < 450. Written
// with atan2, so den = 0 gives the limit (90 or 270) instead of dividing by zero.
inline double quadrant_angle_deg(double num, double den) {
    double a = rad_to_deg(std::atan2(num, den));
    return a < 90.0 ? a + 360.0 : a;
}

struct PeriodicTerm {
    double A;  // amplitude
    double B;  // phase, degrees
    double C;  // rate, degrees per Julian year
};

// Each step is sum = term + sum, from start (0 for a plain sum).
inline double sine_sum(std::span<const PeriodicTerm> terms, double T, double start = 0) {
    double sum = start;
    for (const PeriodicTerm& t : terms) sum = t.A * sin_deg(t.B + t.C * T) + sum;
    return sum;
}

inline double cosine_sum(std::span<const PeriodicTerm> terms, double T, double start = 0) {
    double sum = start;
    for (const PeriodicTerm& t : terms) sum = t.A * cos_deg(t.B + t.C * T) + sum;
    return sum;
}

}  // namespace torv
