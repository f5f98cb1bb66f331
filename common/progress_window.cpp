#include "common/progress_window.h"

#include "platform/layout.h"

namespace torv {

namespace {
constexpr int kStep = 8;
}

ProgressWindow::ProgressWindow() : ProgressBar1(this), Label1(this) {
    setCaption(QString::fromUtf8("初期化進行状況"));
    move_twips(3000, 3000, 5400, 1500);
    setFixedSize(QWidget::size());
    platform::lay_out({{&ProgressBar1, 240, 240, 4800, 300}, {&Label1, 240, 720, 4800, 360, "11111"}});
    Timer1.setInterval(1000);
    Timer1.Timer_ = [this] { ProgressBar_CNTUP(); };
}

void ProgressWindow::Form_Load() {
    Timer1.setEnabled(false);
    ProgressBar1.setValue(ProgressBar1.minimum());
}

void ProgressWindow::ProgressBar_CNTUP() {
    if (ProgressBar1.value() + kStep > ProgressBar1.maximum()) {
        ProgressBar1.setValue(ProgressBar1.maximum());
        Timer1.setEnabled(false);
    } else {
        ProgressBar1.setValue(ProgressBar1.value() + kStep);
    }
}

}  // namespace torv
