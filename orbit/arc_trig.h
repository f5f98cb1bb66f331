#pragma once
#include <algorithm>
#include <cmath>

#include "orbit/periodic_terms.h"

// Inverse sine and cosine in the arctangent form the body routines and the antenna
// squint use, in radians. The argument is clamped to [-1, 1] first, so a value that
// rounding has pushed just past 1 (a body in the zenith, an antenna on the axis) gives
// the limit, never an error or a NaN.
namespace torv {

inline double arc_sin(double x) {
    x = std::clamp(x, -1.0, 1.0);
    return std::atan2(x, std::sqrt(1.0 - x * x));
}

inline double arc_cos(double x) { return kBodyPi / 2.0 - arc_sin(x); }

// The arctangent of num / den in degrees, placed as the body routines place a right
// ascension: plus 180 when den < 0, plus 360 otherwise, so 90 <= result < 450. Written
// with atan2, so den = 0 gives the limit (90 or 270) instead of dividing by zero.
inline double quadrant_angle_deg(double num, double den) {
    double a = body_deg(std::atan2(num, den));
    return a < 90.0 ? a + 360.0 : a;
}

}  // namespace torv
