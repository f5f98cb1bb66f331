#pragma once
#include <cmath>

// Sine and cosine of one angle together, for the satellite computation's inner loops
// (Kepler's equation and the turn of the orbit plane run them for every instant of a
// week table or a chart row). glibc's sincos aims at the correctly rounded result and
// pays for it in range checks and slow paths; these are within a unit or two in the
// last place, far below what the computation's results carry (1e-12 of a degree), in
// polynomials short enough to overlap.
namespace torv {

struct SinCos {
    double sin = 0, cos = 1;
};

// The integer nearest to x (ties to even) for |x| below 2^51: adding and taking away
// 1.5 * 2^52 rounds in two additions, where nearbyint and round are library calls.
inline double nearest_integer(double x) {
    constexpr double kRoundingShift = 0x1.8p52;
    return (x + kRoundingShift) - kRoundingShift;
}

namespace trig_detail {
// pi/2 in three parts (Cody and Waite): the first two have 33 significant bits, so
// k times either is exact for any k below 2^20, and x - k * part1 is exact near a
// multiple of pi/2; the third part carries the rest to 2^-122.
constexpr double kHalfPi1 = 0x1.921fb544p+0;
constexpr double kHalfPi2 = 0x1.0b4611a6p-34;
constexpr double kHalfPi3 = 0x1.3198a2e037073p-69;
constexpr double kTwoOverPi = 0x1.45f306dc9c883p-1;
constexpr double kLargestReduced = 1e6;  // radians; k stays below 2^20

// c0 + c1 z + ... + c7 z^7 by Estrin's scheme: four independent pairs, then two, then
// one, so that the multiplications overlap instead of waiting on each other in turn.
inline double poly7(double z, const double (&c)[8]) {
    const double z2 = z * z;
    const double a0 = c[0] + c[1] * z, a1 = c[2] + c[3] * z, a2 = c[4] + c[5] * z, a3 = c[6] + c[7] * z;
    return (a0 + a1 * z2) + (a2 + a3 * z2) * (z2 * z2);
}

// Taylor series on |r| <= pi/4 + a rounding step: the first term left out is below
// 1e-19 for the sine and 2e-18 for the cosine.
constexpr double kSinTail[8] = {-1.0 / 6,          1.0 / 120,           -1.0 / 5040,           1.0 / 362880,
                                -1.0 / 39916800,   1.0 / 6227020800,    -1.0 / 1307674368000,  1.0 / 355687428096000};
constexpr double kCosTail[8] = {-1.0 / 2,          1.0 / 24,            -1.0 / 720,            1.0 / 40320,
                                -1.0 / 3628800,    1.0 / 479001600,     -1.0 / 87178291200,    1.0 / 20922789888000};
inline double sin_near_zero(double r) {
    const double r2 = r * r;
    return r + r * r2 * poly7(r2, kSinTail);
}
inline double cos_near_zero(double r) {
    const double r2 = r * r;
    return 1.0 + r2 * poly7(r2, kCosTail);
}
}  // namespace trig_detail

// sin(x) and cos(x). Angles beyond a million radians (never met in the computation),
// infinities and not-a-number go to the library.
inline SinCos sin_cos(double x) {
    using namespace trig_detail;
    if (!(std::fabs(x) <= kLargestReduced)) return {std::sin(x), std::cos(x)};
    const double k = nearest_integer(x * kTwoOverPi);  // the nearest multiple of pi/2
    const double r = ((x - k * kHalfPi1) - k * kHalfPi2) - k * kHalfPi3;
    const double s = sin_near_zero(r), c = cos_near_zero(r);
    switch (static_cast<long long>(k) & 3) {
        case 0: return {s, c};
        case 1: return {c, -s};
        case 2: return {-s, -c};
        default: return {-c, s};
    }
}

}  // namespace torv
