#pragma once
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <functional>

#include "platform/color.h"

namespace platform {

// Places a control inside its window; all values in twips.
void place(QWidget* control, int left, int top, int width, int height);

class Label : public QLabel {
    Q_OBJECT
public:
    explicit Label(QWidget* parent = nullptr);
    QString caption() const { return text(); }
    void setCaption(const QString& text);
    void setForeColor(ColorValue color);
    void setBackColor(ColorValue color);
    ColorValue foreColor() const { return fore_; }
    ColorValue backColor() const { return back_; }

    std::function<void()> Change;  // runs after setCaption changed the caption

private:
    void apply_colors();
    ColorValue fore_ = 0;
    ColorValue back_ = -1;  // -1: transparent, the window shows through
};

class TextBox : public QLineEdit {
    Q_OBJECT
public:
    explicit TextBox(QWidget* parent = nullptr);

    std::function<void()> Change;  // runs after the text changed, by program or by typing
};

class CommandButton : public QPushButton {
    Q_OBJECT
public:
    explicit CommandButton(QWidget* parent = nullptr);
    QString caption() const { return text(); }
    void setCaption(const QString& text) { setText(text); }
    void setBackColor(ColorValue color);

    std::function<void()> Click;
};

class Frame : public QGroupBox {
    Q_OBJECT
public:
    explicit Frame(QWidget* parent = nullptr) : QGroupBox(parent) {}
    QString caption() const { return title(); }
    void setCaption(const QString& text) { setTitle(text); }
};

class ProgressBar : public QProgressBar {
    Q_OBJECT
public:
    explicit ProgressBar(QWidget* parent = nullptr);
};

// A window timer: fires Timer every interval milliseconds while enabled. Changing the
// interval of an enabled timer starts the count anew; an interval of 0 stops it.
class Timer : public QObject {
    Q_OBJECT
public:
    explicit Timer(QObject* parent = nullptr);
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
