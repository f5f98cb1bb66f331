#pragma once
#include <QCoreApplication>
#include <chrono>
#include <functional>
#include <thread>

// Lets window events run until the condition holds or the time is up. The default bound
// is generous: a loaded machine may hold this process back for seconds, and a wait that
// is met ends at once.
inline bool pump_until(const std::function<bool()>& done, int timeout_ms = 15000) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms);
    while (!done()) {
        if (std::chrono::steady_clock::now() > end) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}
