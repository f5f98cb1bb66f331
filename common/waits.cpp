#include "common/waits.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTime>
#include <QTimer>
#include <chrono>
#include <thread>
#include <vector>

#include "common/number_text.h"

namespace torv {

namespace {
// Depth of running waits: a wait that ends inside another leaves the flag raised.
int wait_depth = 0;

double time_of_day_seconds() { return QTime::currentTime().msecsSinceStartOfDay() / 1000.0; }

struct Deferred {
    QPointer<QObject> context;
    std::function<void()> fn;
};
std::vector<Deferred> deferred;
bool deferred_posted = false;

void run_deferred() {
    deferred_posted = false;
    // A wait begun meanwhile posts them again when it ends.
    if (wait_depth > 0) return;
    std::vector<Deferred> due = std::move(deferred);
    deferred.clear();
    for (Deferred& d : due)
        if (d.context) d.fn();
}

void post_deferred() {
    if (deferred_posted || deferred.empty()) return;
    deferred_posted = true;
    QTimer::singleShot(0, QCoreApplication::instance(), run_deferred);
}
}  // namespace

double sleep_sec(float seconds) {
    const int64_t ms = round_half_even(static_cast<double>(seconds) * 1000.0);
    if (ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    return static_cast<double>(ms);
}

double wait_sec(float seconds) {
    wait_sec_until(seconds, [] { return false; });
    return time_of_day_seconds();
}

bool wait_sec_until(float seconds, const std::function<bool()>& done) {
    const int64_t ms = round_half_even(static_cast<double>(seconds) * 1000.0);
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    ++wait_depth;
    // At least one round: sleep 10 ms, then let every pending event run.
    bool finished = false;
    do {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        finished = done();
    } while (!finished && std::chrono::steady_clock::now() <= end);
    --wait_depth;
    if (wait_depth == 0) post_deferred();
    return finished;
}

bool wait_busy() { return wait_depth > 0; }

void after_waits(QObject* context, std::function<void()> fn) {
    deferred.push_back({context, std::move(fn)});
    if (wait_depth == 0) post_deferred();
}

}  // namespace torv
