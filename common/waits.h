#pragma once

// The two pauses of the transceiver windows and of scheduled operation.
namespace torv {

// Blocks the whole program (no window events, no timers) for the given seconds,
// rounded to whole milliseconds, halves to even. Returns the milliseconds.
double sleep_sec(float seconds);

// Waits at least the given seconds while window events keep being processed, so every
// timer and button can run inside the wait. Measured with a steady clock. Returns the
// time of day in seconds.
double wait_sec(float seconds);

// True while any wait_sec runs, nested ones included: the stop procedures of the
// transceiver windows do nothing while it is raised.
bool wait_busy();

}  // namespace torv
