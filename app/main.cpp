#include <QApplication>

#include "app/app.h"
#include "platform/fonts.h"

int main(int argc, char** argv) {
    QApplication qt(argc, argv);
    QApplication::setApplicationName("torv");
    platform::use_japanese_font();
    torv::App app;
    app.start();
    return QApplication::exec();
}
