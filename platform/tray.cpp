#include "platform/tray.h"

#include <QApplication>
#include <QStyle>
#include <QSystemTrayIcon>

namespace platform {

namespace {
BalloonRecorder* balloon_recorder = nullptr;
}  // namespace

BalloonRecorder::BalloonRecorder() : previous_(balloon_recorder) { balloon_recorder = this; }
BalloonRecorder::~BalloonRecorder() { balloon_recorder = previous_; }

Tray::Tray(QObject* parent) : QObject(parent) {}

Tray::~Tray() { remove(); }

bool Tray::add(const QIcon& icon, const QString& tip) {
    if (!QSystemTrayIcon::isSystemTrayAvailable()) return false;
    if (!icon_) icon_ = new QSystemTrayIcon(this);
    QIcon shown_icon = icon;
    if (shown_icon.isNull()) shown_icon = QApplication::windowIcon();
    if (shown_icon.isNull()) shown_icon = QApplication::style()->standardIcon(QStyle::SP_ComputerIcon);
    icon_->setIcon(shown_icon);
    icon_->setToolTip(tip);
    icon_->show();
    return true;
}

void Tray::show_balloon(const QString& title, const QString& text) {
    if (balloon_recorder) {
        balloon_recorder->balloons.push_back({title, text});
        return;
    }
    if (shown()) icon_->showMessage(title, text, QSystemTrayIcon::Information);
}

void Tray::remove() {
    if (!icon_) return;
    icon_->hide();
    delete icon_;
    icon_ = nullptr;
}

bool Tray::shown() const { return icon_ && icon_->isVisible(); }

}  // namespace platform
