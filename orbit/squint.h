#pragma once
#include <string>

#include "orbit/sat_position.h"

// How far an attitude-stabilised satellite's antenna axis points away from the Earth,
// from its attitude (ALON, ALAT) and its true anomaly.
namespace torv {

// Squint in degrees, 0..180; alat and alon in degrees, true anomaly in degrees.
double squint_deg(double alat, double alon, double true_anomaly);

// The attitude texts (read by their leading number; empty reads 0) with the true anomaly
// of the last position computation; the result goes into calc_squint.
void squint_angle(OrbitState& orbit, std::string& alat, std::string& alon);

}  // namespace torv
