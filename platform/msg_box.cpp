#include "platform/msg_box.h"

#include <QApplication>
#include <QMessageBox>

namespace platform {

namespace {
MsgBoxRecorder*& active_recorder() {
    static MsgBoxRecorder* recorder = nullptr;
    return recorder;
}

int first_button(MsgButtons buttons) {
    switch (buttons) {
        case MsgButtons::Ok:
        case MsgButtons::OkCancel: return vbOK;
        case MsgButtons::YesNo:
        case MsgButtons::YesNoCancel: return vbYes;
    }
    return vbOK;
}
}  // namespace

MsgBoxRecorder::MsgBoxRecorder() : previous_(active_recorder()) { active_recorder() = this; }
MsgBoxRecorder::~MsgBoxRecorder() { active_recorder() = previous_; }
MsgBoxRecorder* MsgBoxRecorder::current() { return active_recorder(); }

int msg_box(const QString& text, MsgButtons buttons, const QString& title) {
    if (MsgBoxRecorder* r = active_recorder()) {
        r->texts.push_back(text.toStdString());
        if (r->on_show) r->on_show();
        if (r->answers.empty()) return first_button(buttons);
        int answer = r->answers.front();
        r->answers.pop_front();
        return answer;
    }
    QMessageBox box;
    box.setWindowTitle(title.isEmpty() ? QCoreApplication::applicationName() : title);
    box.setText(text);
    switch (buttons) {
        case MsgButtons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
        case MsgButtons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
        case MsgButtons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
        case MsgButtons::YesNoCancel:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            break;
    }
    switch (box.exec()) {
        case QMessageBox::Ok: return vbOK;
        case QMessageBox::Yes: return vbYes;
        case QMessageBox::No: return vbNo;
        default: return vbCancel;
    }
}

int msg_box(const std::string& text_utf8, MsgButtons buttons, const std::string& title) {
    return msg_box(QString::fromStdString(text_utf8), buttons, QString::fromStdString(title));
}

}  // namespace platform
