#include "platform/timer.h"

namespace platform {

Timer::Timer(QObject* parent) : QObject(parent) {
    connect(&timer_, &QTimer::timeout, this, [this] {
        if (Timer_) Timer_();
    });
}

void Timer::setInterval(int ms) {
    interval_ = ms;
    restart();
}

void Timer::setEnabled(bool on) {
    if (enabled_ == on) return;
    enabled_ = on;
    restart();
}

void Timer::restart() {
    timer_.stop();
    if (enabled_ && interval_ > 0) timer_.start(interval_);
}

}  // namespace platform
