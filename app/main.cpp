#include <QApplication>
#include <QFontDatabase>

#include "app/app.h"

int main(int argc, char** argv) {
    QApplication qt(argc, argv);
    QApplication::setApplicationName("torv");
    // The texts are Japanese: prefer a Japanese Gothic font when one is installed.
    for (const char* family : {"IPAGothic", "IPAPGothic", "Noto Sans CJK JP"}) {
        if (QFontDatabase::families().contains(family)) {
            QFont f(family);
            f.setPointSize(9);
            QApplication::setFont(f);
            break;
        }
    }
    torv::App app;
    app.start();
    return QApplication::exec();
}
