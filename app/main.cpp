#include <QApplication>

#include "app/app.h"
#include "platform/fonts.h"
#include "platform/qt_msg_box.h"

int main(int argc, char** argv) {
    QApplication qt(argc, argv);
    QApplication::setApplicationName("torv");
    platform::use_japanese_font();
    platform::use_qt_msg_boxes();
    torv::App app;
    app.start();
    return QApplication::exec();
}
