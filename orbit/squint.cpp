#include "orbit/squint.h"

#include <cmath>

#include "common/number_text.h"

namespace torv {

double squint_deg(double alat, double alon, double nu) {
    // Angle from the apogee direction, folded into 0..180.
    double w = nu <= 180.0 ? 180.0 - nu + alon : nu - 180.0 - alon;
    if (w >= 360.0)
        w -= 360.0;
    else if (w >= 180.0)
        w = 360.0 - w;
    else if (w < 0)
        w = -w;
    const double B = std::fabs(alat);
    if (w == 0) return B;
    return rad_to_deg(arc_cos(std::cos(deg_to_rad(B)) * std::cos(deg_to_rad(w))));
}

void squint_angle(OrbitState& orbit, std::string& alat, std::string& alon) {
    orbit.calc_squint = squint_deg(val(alat), val(alon), orbit.calc.calc_true_anomaly);
}

}  // namespace torv
