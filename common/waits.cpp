#include "common/waits.h"

#include <QCoreApplication>
#include <QTime>
#include <chrono>
#include <thread>

#include "common/number_text.h"

namespace torv {

namespace {
// Depth of running waits: a wait that ends inside another leaves the flag raised.
int wait_depth = 0;

double time_of_day_seconds() { return QTime::currentTime().msecsSinceStartOfDay() / 1000.0; }
}  // namespace

double sleep_sec(float seconds) {
    const int64_t ms = round_half_even(static_cast<double>(seconds) * 1000.0);
    if (ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    return static_cast<double>(ms);
}

double wait_sec(float seconds) {
    const int64_t ms = round_half_even(static_cast<double>(seconds) * 1000.0);
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    ++wait_depth;
    // At least one round: sleep 10 ms, then let every pending event run.
    do {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    } while (std::chrono::steady_clock::now() <= end);
    --wait_depth;
    return time_of_day_seconds();
}

bool wait_busy() { return wait_depth > 0; }

}  // namespace torv
