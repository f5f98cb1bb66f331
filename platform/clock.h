#pragma once

namespace platform {

// A reading of the clock to the second, in UTC: the true instant, whatever time zone
// the machine runs in. The station's local time is formed from it by the configured
// time difference (the time base does that), never by the machine's time zone.
struct ClockReading {
    int year = 2000, month = 1, day = 1;
    int hour = 0, minute = 0, second = 0;
};

// The system clock's instant in UTC, or the instant a test fixed.
ClockReading clock_utc_now();

// Tests stand the clock at an instant given in UTC; it stays there until released or
// fixed again. The fixed instant goes through the same conversion as the system
// clock's, so the machine's time zone cannot change what the program reads.
void clock_fix(const ClockReading& utc);
void clock_release();

}  // namespace platform
