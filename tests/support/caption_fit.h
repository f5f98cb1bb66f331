#pragma once
#include <QAbstractButton>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <algorithm>

#include "platform/controls.h"

// The caption of a button, check box, label or frame.
inline QString caption_of(const QWidget& control) {
    if (const auto* b = qobject_cast<const QAbstractButton*>(&control)) return b->text();
    if (const auto* l = qobject_cast<const QLabel*>(&control)) return l->text();
    if (const auto* f = qobject_cast<const QGroupBox*>(&control)) return f->title();
    return {};
}

// How many pixels a control's caption, in the font it is drawn in, runs past the room
// the control gives it; 0 when it fits. A button's caption fits on one line or wrapped,
// a check box's beside its box, a label's on its one line (a scale's words each inside
// the label and clear of the next; a wrapping label's lines in its height), a frame's
// title beside its corner. Blanks after a caption take no room that shows.
inline int caption_overflow(const QWidget& control) {
    const auto shown = [](QString text) {
        while (text.endsWith(u' ')) text.chop(1);
        return text;
    };
    QStyleOptionButton button;
    button.initFrom(&control);
    if (const auto* b = qobject_cast<const platform::CommandButton*>(&control)) {
        const QRect room = b->style()->subElementRect(QStyle::SE_PushButtonContents, &button, b);
        const QFontMetrics fm(b->caption_font());
        const QRect wrapped = fm.boundingRect(room, Qt::AlignCenter | Qt::TextWordWrap, b->caption());
        const bool wraps = wrapped.width() <= room.width() && wrapped.height() <= room.height();
        return wraps ? 0 : std::max(0, fm.horizontalAdvance(b->caption()) - room.width());
    }
    if (const auto* c = qobject_cast<const platform::CheckBox*>(&control)) {
        const QRect room = c->style()->subElementRect(QStyle::SE_CheckBoxContents, &button, c);
        return std::max(0, QFontMetrics(c->caption_font()).horizontalAdvance(shown(c->caption())) - room.width());
    }
    if (const auto* l = qobject_cast<const platform::Label*>(&control)) {
        const QFontMetrics fm(l->font());
        if (l->wordWrap()) {
            const QRect room = l->contentsRect();
            return std::max(0, fm.boundingRect(room, Qt::TextWordWrap, l->caption()).height() - room.height());
        }
        if (!l->word_centre_x)
            return std::max(0, fm.horizontalAdvance(shown(l->caption())) - l->contentsRect().width());
        // Each word centred on its place, kept inside the label.
        const QStringList words = l->caption().split(u' ', Qt::SkipEmptyParts);
        int overflow = 0, right = 0;
        for (int i = 0; i < words.size(); ++i) {
            const int w = fm.horizontalAdvance(words[i]);
            const double centre = l->word_centre_x(i, static_cast<int>(words.size()));
            const int left = static_cast<int>(std::clamp(centre - w / 2.0, 0.0, double(l->width() - w)));
            overflow = std::max({overflow, w - l->width(), right - left});
            right = left + w;
        }
        return overflow;
    }
    if (const auto* f = qobject_cast<const platform::Frame*>(&control)) {
        QStyleOptionGroupBox box;
        box.initFrom(f);
        box.text = f->caption();
        box.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        const QRect title = f->style()->subControlRect(QStyle::CC_GroupBox, &box, QStyle::SC_GroupBoxLabel, f);
        return std::max(0,
                        QFontMetrics(f->font()).horizontalAdvance(shown(f->caption())) - (f->width() - title.left()));
    }
    return 0;
}
