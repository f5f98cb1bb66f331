#pragma once

namespace platform {

// A reading of the PC clock in local time, to the second.
struct ClockReading {
    int year = 2000, month = 1, day = 1;
    int hour = 0, minute = 0, second = 0;
};

// The local time of the PC, or the reading a test fixed.
ClockReading clock_now();

// Tests stand the clock at a reading; it stays there until released or fixed again.
void clock_fix(const ClockReading& reading);
void clock_release();

}  // namespace platform
