#pragma once
#include <QString>
#include <QWidget>
#include <initializer_list>

// Window layouts as data: each window lists its controls in a table of places in twips,
// and the code only connects the handlers.
namespace platform {

// One control of a window's layout: its place in twips, counted from the top left of
// its frame (or of the window, below the window's menu bar), and the caption and tool
// tip it starts with (UTF-8; null leaves them as they are).
struct ControlPlace {
    QWidget* control;
    int left, top, width, height;
    const char* caption = nullptr;
    const char* tip = nullptr;
};

// Places each control of the table in turn.
void lay_out(std::initializer_list<ControlPlace> controls);

// Sets the caption of a label, button, check or option box or frame, or the text of a
// text box.
void set_caption(QWidget* control, const QString& text);

}  // namespace platform
