#pragma once
#include <cmath>
#include <span>

// The Sun, Moon and Mars theories are sums of periodic terms A x sin(B + C x T) (or cos),
// B in degrees, C in degrees per Julian year. The order of summation is part of the
// results' last bits, so every sum runs over its table in order, starting from 0.
namespace torv {

// 4 x arctan(1), the value every body routine uses.
inline const double kBodyPi = 4.0 * std::atan(1.0);

// Degrees to radians and back, multiplying by pi first.
inline double body_rad(double deg) { return (deg * kBodyPi) / 180.0; }
inline double body_deg(double rad) { return (rad * 180.0) / kBodyPi; }

inline double sin_deg(double deg) { return std::sin(body_rad(deg)); }
inline double cos_deg(double deg) { return std::cos(body_rad(deg)); }

struct PeriodicTerm {
    double A;  // amplitude
    double B;  // phase, degrees
    double C;  // rate, degrees per Julian year
};

// Each step is sum = term + sum, from start (0 for a plain sum).
inline double sine_sum(std::span<const PeriodicTerm> terms, double T, double start = 0) {
    double sum = start;
    for (const PeriodicTerm& t : terms) sum = t.A * std::sin(body_rad(t.B + t.C * T)) + sum;
    return sum;
}

inline double cosine_sum(std::span<const PeriodicTerm> terms, double T, double start = 0) {
    double sum = start;
    for (const PeriodicTerm& t : terms) sum = t.A * std::cos(body_rad(t.B + t.C * T)) + sum;
    return sum;
}

// Brings an angle into 0 <= angle < 360: raised while below 0, then lowered while 360 or more.
inline double reduce_360(double deg) {
    while (deg < 0) deg += 360;
    while (deg >= 360) deg -= 360;
    return deg;
}

}  // namespace torv
