#pragma once
#include <QAbstractButton>
#include <QLabel>
#include <initializer_list>

#include "platform/controls.h"

// The week windows' controls as a table: each with its caption, place in twips and tip.
namespace torv {

struct ControlSpot {
    QWidget* control;
    const char* caption;  // nullptr: a control without caption
    int left, top, width, height;
    const char* tip;  // nullptr: none
};

inline void lay_out(std::initializer_list<ControlSpot> spots) {
    for (const ControlSpot& s : spots) {
        if (s.caption) {
            if (auto* label = qobject_cast<QLabel*>(s.control)) label->setText(QString::fromUtf8(s.caption));
            if (auto* button = qobject_cast<QAbstractButton*>(s.control)) button->setText(QString::fromUtf8(s.caption));
        }
        platform::place(s.control, s.left, s.top, s.width, s.height);
        if (s.tip) s.control->setToolTip(QString::fromUtf8(s.tip));
    }
}

}  // namespace torv
