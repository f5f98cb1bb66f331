#pragma once
#include <QObject>
#include <QTimer>
#include <functional>

namespace platform {

// A window timer: fires Timer every interval milliseconds while enabled. Changing the
// interval of an enabled timer starts the count anew; an interval of 0 stops it. Its
// parent is its window (or a control in it), which stops it when the window unloads.
class Timer : public QObject {
    Q_OBJECT
public:
    explicit Timer(QObject* parent);
    int interval() const { return interval_; }
    void setInterval(int ms);
    bool enabled() const { return enabled_; }
    void setEnabled(bool on);

    std::function<void()> Timer_;  // the tick handler

private:
    void restart();
    QTimer timer_;
    int interval_ = 0;
    bool enabled_ = true;
};

}  // namespace platform
