#include "platform/qt_msg_box.h"

#include <QApplication>
#include <QMessageBox>

namespace platform {

namespace {
int show_qt_box(const std::string& text_utf8, MsgButtons buttons, const std::string& title_utf8) {
    const QString title = QString::fromStdString(title_utf8);
    QMessageBox box;
    box.setWindowTitle(title.isEmpty() ? QCoreApplication::applicationName() : title);
    box.setText(QString::fromStdString(text_utf8));
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
}  // namespace

int msg_box(const QString& text, MsgButtons buttons, const QString& title) {
    return msg_box(text.toStdString(), buttons, title.toStdString());
}

void use_qt_msg_boxes() { set_msg_box_show(show_qt_box); }

}  // namespace platform
