#pragma once
#include <QIcon>
#include <QObject>
#include <QString>
#include <vector>

class QSystemTrayIcon;

namespace platform {

// The program's one icon in the desktop's notification area, and the balloon notices
// shown on it. A desktop without such an area is tolerated: nothing is shown and the
// program runs on.
class Tray : public QObject {
    Q_OBJECT
public:
    explicit Tray(QObject* parent = nullptr);
    ~Tray() override;

    // Shows the icon with its tip text; a null icon takes the application's. False when
    // the desktop has no notification area. Adding again only updates icon and tip.
    bool add(const QIcon& icon, const QString& tip);
    // A balloon notice on the icon; nothing when the icon is not shown.
    void show_balloon(const QString& title, const QString& text);
    // Takes the icon away; nothing when it is not shown.
    void remove();

    bool shown() const;

private:
    QSystemTrayIcon* icon_ = nullptr;
};

// Records balloon notices instead of showing them (tests): while one exists,
// show_balloon only appends the title and the text, shown icon or not.
class BalloonRecorder {
public:
    BalloonRecorder();
    ~BalloonRecorder();
    BalloonRecorder(const BalloonRecorder&) = delete;
    BalloonRecorder& operator=(const BalloonRecorder&) = delete;

    struct Balloon {
        QString title, text;
    };
    std::vector<Balloon> balloons;

private:
    BalloonRecorder* previous_;
};

}  // namespace platform
