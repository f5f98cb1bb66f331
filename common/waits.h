#pragma once
#include <functional>

class QObject;

// The two pauses of the transceiver windows and of scheduled operation.
namespace torv {

// Blocks the whole program (no window events, no timers) for the given seconds,
// rounded to whole milliseconds, halves to even. Returns the milliseconds.
double sleep_sec(float seconds);

// Waits at least the given seconds while window events keep being processed, so every
// timer and button can run inside the wait. Measured with a steady clock. Returns the
// time of day in seconds.
double wait_sec(float seconds);

// wait_sec that ends early, after the round in which done() has become true: a wait
// for a reply that need not last once the reply is in. Returns done().
bool wait_sec_until(float seconds, const std::function<bool()>& done);

// True while any wait_sec runs, nested ones included: the stop procedures of the
// transceiver windows do nothing while it is raised.
bool wait_busy();

// Runs fn from the event loop once no wait runs: right after the outermost wait has
// ended (at the next turn of the event loop when none runs now). Nothing is run when
// context is gone by then. For what must not happen inside a wait, such as closing a
// port a request still waits on.
void after_waits(QObject* context, std::function<void()> fn);

}  // namespace torv
