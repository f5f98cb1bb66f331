#include "platform/form.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <QMenuBar>

#include "platform/timer.h"
#include "platform/twips.h"

namespace platform {

Form::Form(QWidget* parent) : QWidget(parent, Qt::Window) {}

int Form::left() const { return px_to_twips(x()); }
int Form::top() const { return px_to_twips(y()); }
int Form::width() const { return px_to_twips(QWidget::width()); }
int Form::height() const { return px_to_twips(QWidget::height()); }

void Form::move_twips(int left, int top, int width, int height) {
    move(twips_to_px(left), twips_to_px(top));
    if (width >= 0 || height >= 0) {
        resize(width >= 0 ? twips_to_px(width) : QWidget::width(),
               height >= 0 ? twips_to_px(height) : QWidget::height());
    }
}

namespace {
// What that desktop drew round a window's client area, in twips: borders of 4 pixels,
// a title bar of 18 and a menu bar of 20.
constexpr int kFrameWidth = 120, kFrameHeight = 390, kMenuHeight = 300;
}  // namespace

void Form::set_outer_size(int width, int height) {
    const int around = kFrameHeight + (menu_bar_ ? kMenuHeight : 0);
    resize(twips_to_px(width - kFrameWidth), twips_to_px(height - around) + client_top_);
}

int Form::outer_width() const { return px_to_twips(QWidget::width()) + kFrameWidth; }

int Form::outer_height() const {
    return px_to_twips(QWidget::height() - client_top_) + kFrameHeight + (menu_bar_ ? kMenuHeight : 0);
}

void Form::keep_on_screen() {
    QScreen* screen = QGuiApplication::screenAt(frameGeometry().center());
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    // The frame (title bar and borders) is known once the window has been shown; before
    // that the window's own rectangle is kept on the screen. A window's position is its
    // frame's top-left corner.
    const QRect frame = frameGeometry();
    const int x = std::max(area.left(), std::min(frame.left(), area.right() + 1 - frame.width()));
    const int y = std::max(area.top(), std::min(frame.top(), area.bottom() + 1 - frame.height()));
    move(x, y);
}

QMenuBar* Form::menuBar() {
    if (!menu_bar_) {
        menu_bar_ = new QMenuBar(this);
        // An empty bar has no size yet: give it the height of one line of menu text.
        client_top_ = menu_bar_->fontMetrics().height() + 10;
        menu_bar_->setGeometry(0, 0, QWidget::width(), client_top_);
    }
    return menu_bar_;
}

void Form::resizeEvent(QResizeEvent* event) {
    if (menu_bar_) menu_bar_->setGeometry(0, 0, QWidget::width(), client_top_);
    QWidget::resizeEvent(event);
}

void Form::Show() {
    load();
    show();
    raise();
}

void Form::load() {
    if (loaded_) return;
    loaded_ = true;
    Form_Load();
}

bool Form::Unload() {
    bool cancel = false;
    Form_Unload(cancel);
    if (cancel) return false;
    hide();
    // An unloaded window is deleted only once the program's events come round again:
    // none of its ticks may run meanwhile.
    stop_timers();
    if (on_unloaded) on_unloaded();
    return true;
}

void Form::stop_timers() {
    for (Timer* t : findChildren<Timer*>()) t->setEnabled(false);
}

void Form::closeEvent(QCloseEvent* event) {
    // Closing the window by its title bar unloads it, as the close button of each window does.
    if (Unload()) event->accept();
    else event->ignore();
}

FormInstanceBase::FormInstanceBase(FormSet* set) : set_(set) {
    if (set_) set_->instances_.push_back(this);
}

FormInstanceBase::~FormInstanceBase() {
    if (!set_) return;
    std::erase(set_->instances_, this);
}

void FormSet::end() {
    ended_ = true;
    for (FormInstanceBase* instance : instances_)
        if (Form* f = instance->existing_form()) f->stop_timers();
}

}  // namespace platform
