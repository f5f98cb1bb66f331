#include "platform/layout.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLineEdit>

#include "platform/controls.h"

namespace platform {

void set_caption(QWidget* control, const QString& text) {
    if (auto* label = qobject_cast<Label*>(control)) label->setCaption(text);
    else if (auto* other_label = qobject_cast<QLabel*>(control)) other_label->setText(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(control)) button->setText(text);
    else if (auto* frame = qobject_cast<QGroupBox*>(control)) frame->setTitle(text);
    else if (auto* box = qobject_cast<QLineEdit*>(control)) box->setText(text);
}

void lay_out(std::initializer_list<ControlPlace> controls) {
    for (const ControlPlace& c : controls) {
        if (c.caption) set_caption(c.control, QString::fromUtf8(c.caption));
        if (c.tip) c.control->setToolTip(QString::fromUtf8(c.tip));
        place(c.control, c.left, c.top, c.width, c.height);
    }
}

}  // namespace platform
