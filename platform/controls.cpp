#include "platform/controls.h"

#include "platform/twips.h"

namespace platform {

void place(QWidget* control, int left, int top, int width, int height) {
    control->setGeometry(twips_to_px(left), twips_to_px(top), twips_to_px(width), twips_to_px(height));
}

Label::Label(QWidget* parent) : QLabel(parent) { apply_colors(); }

void Label::setCaption(const QString& text) {
    if (text == QLabel::text()) return;
    setText(text);
    if (Change) Change();
}

void Label::setForeColor(ColorValue color) {
    fore_ = color;
    apply_colors();
}

void Label::setBackColor(ColorValue color) {
    back_ = color;
    apply_colors();
}

void Label::apply_colors() {
    QPalette p = palette();
    p.setColor(QPalette::WindowText, to_qcolor(fore_));
    if (back_ != -1) p.setColor(QPalette::Window, to_qcolor(back_));
    setAutoFillBackground(back_ != -1);
    setPalette(p);
}

TextBox::TextBox(QWidget* parent) : QLineEdit(parent) {
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (Change) Change();
    });
}

CommandButton::CommandButton(QWidget* parent) : QPushButton(parent) {
    connect(this, &QPushButton::clicked, this, [this] {
        if (Click) Click();
    });
}

void CommandButton::setBackColor(ColorValue color) {
    QPalette p = palette();
    p.setColor(QPalette::Button, to_qcolor(color));
    setPalette(p);
    setAutoFillBackground(true);
}

ProgressBar::ProgressBar(QWidget* parent) : QProgressBar(parent) {
    setRange(0, 100);
    setValue(0);
    setTextVisible(false);
}

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
