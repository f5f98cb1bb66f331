#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "common/datetime.h"

// The radio round trip to Mars counted down on the real clock: a click on Mars starts
// it, a warning comes 180 s before the signal would be back, and the count clears once
// that moment has passed. The map windows start it the same way the main map does.
namespace torv {

struct MarsEchoState {
    int16_t mars_echo_state = 0;        // 0 idle, 1 counting, 2 counting after the warning
    DateTime mars_echo_warn_time = 0;   // local clock time of the warning
    DateTime mars_echo_time = 0;        // local clock time the echo is back
};

constexpr double kRadioSpeedKmPerS = 300000;
constexpr double kMarsEchoWarningS = 180;

// Whole seconds of the round trip over a distance in km.
double round_trip_seconds(double distance_km);

// Starts (or restarts) the count at now for Mars at distance_km from the station.
void mars_echo_start(MarsEchoState& s, double distance_km, DateTime now);

// "残り" mm "分" ss "秒" of the time left until the echo; hours are not shown.
std::string mars_echo_caption(const MarsEchoState& s, DateTime now);

// What one tick does to the countdown label.
struct MarsEchoTick {
    std::optional<std::string> caption;  // the time left, while counting
    bool cleared = false;                // the echo is back: label off, black, empty
    bool warn = false;                   // red from now on, and the warning sound
};
MarsEchoTick mars_echo_tick(MarsEchoState& s, DateTime now);

}  // namespace torv
