#include "platform/controls.h"

#include <QApplication>
#include <algorithm>

#include <QDir>
#include <QFontInfo>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

#include "platform/form.h"
#include "platform/twips.h"

namespace platform {

namespace {
// Directly on a window with a menu bar, positions count from below the bar.
int below_menu(const QWidget* control) {
    const auto* form = qobject_cast<const Form*>(control->parentWidget());
    return form ? form->client_top_px() : 0;
}
}  // namespace

void place(QWidget* control, int left, int top, int width, int height) {
    control->setGeometry(twips_to_px(left), twips_to_px(top) + below_menu(control), twips_to_px(width),
                         twips_to_px(height));
}

QFont font_to_fit(const QFont& base, const std::function<bool(const QFontMetrics&)>& fits) {
    constexpr int kSmallest = 6;  // pixels
    QFont f = base;
    for (int px = QFontInfo(base).pixelSize() - 1; px >= kSmallest && !fits(QFontMetrics(f)); --px) f.setPixelSize(px);
    return f;
}

Label::Label(QWidget* parent) : QLabel(parent) {
    apply_colors();
    setMouseTracking(true);
}

void Label::setCaption(const QString& text) {
    if (text == QLabel::text()) return;
    setText(text);
    if (shrink_to_fit) {
        const int width = contentsRect().width();
        setFont(font_to_fit(QApplication::font(),
                            [&](const QFontMetrics& fm) { return fm.horizontalAdvance(text) <= width; }));
    }
    if (Change) Change();
}

void Label::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && Click) Click();
    QLabel::mouseReleaseEvent(event);
}

void Label::mouseMoveEvent(QMouseEvent* event) {
    const QPointF p = event->position();
    if (MouseMove) MouseMove(p.x() * kTwipsPerPixel, p.y() * kTwipsPerPixel);
    QLabel::mouseMoveEvent(event);
}

void Label::paintEvent(QPaintEvent* event) {
    if (!word_centre_x) {
        QLabel::paintEvent(event);
        return;
    }
    const QStringList words = text().split(' ', Qt::SkipEmptyParts);
    QPainter p(this);
    p.setFont(font());
    p.setPen(palette().color(QPalette::WindowText));
    const QFontMetricsF fm(font());
    const double baseline = (height() + fm.ascent() - fm.descent()) / 2;
    for (int i = 0; i < words.size(); ++i) {
        const double w = fm.horizontalAdvance(words[i]);
        const double left = std::clamp(word_centre_x(i, static_cast<int>(words.size())) - w / 2, 0.0, width() - w);
        p.drawText(QPointF(left, baseline), words[i]);
    }
}

void Label::setForeColor(ColorValue color) {
    fore_ = color;
    apply_colors();
}

void Label::setBackColor(ColorValue color) {
    back_ = color;
    apply_colors();
}

void Label::apply_colors() {
    QPalette p = palette();
    p.setColor(QPalette::WindowText, to_qcolor(fore_));
    if (back_ != -1) p.setColor(QPalette::Window, to_qcolor(back_));
    setAutoFillBackground(back_ != -1);
    setPalette(p);
}

TextBox::TextBox(QWidget* parent) : QLineEdit(parent) {
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (Change) Change();
    });
}

void TextBox::keyPressEvent(QKeyEvent* event) {
    if (KeyDown) KeyDown();
    QLineEdit::keyPressEvent(event);
}

CommandButton::CommandButton(QWidget* parent) : QPushButton(parent) {
    connect(this, &QPushButton::clicked, this, [this] {
        if (Click) Click();
    });
}

void CommandButton::setBackColor(ColorValue color) {
    QPalette p = palette();
    p.setColor(QPalette::Button, to_qcolor(color));
    setPalette(p);
    setAutoFillBackground(true);
}

QRect CommandButton::caption_room() const {
    QStyleOptionButton option;
    initStyleOption(&option);
    return style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
}

namespace {
bool fits_on_one_line(const QFontMetrics& fm, const QString& text, const QRect& room) {
    return fm.horizontalAdvance(text) <= room.width();
}
bool fits_wrapped(const QFontMetrics& fm, const QString& text, const QRect& room) {
    const QRect wrapped = fm.boundingRect(room, Qt::AlignCenter | Qt::TextWordWrap, text);
    return wrapped.width() <= room.width() && wrapped.height() <= room.height();
}
}  // namespace

QFont CommandButton::caption_font() const {
    const QRect room = caption_room();
    const auto on_one_line_or_at_blanks = [&](const QFontMetrics& fm) {
        return fits_on_one_line(fm, text(), room) || (text().contains(u' ') && fits_wrapped(fm, text(), room));
    };
    const QFont f = font_to_fit(font(), on_one_line_or_at_blanks);
    if (on_one_line_or_at_blanks(QFontMetrics(f))) return f;
    // Too long for one line even in the smallest size: Japanese text wraps between its
    // characters.
    return font_to_fit(font(), [&](const QFontMetrics& fm) { return fits_wrapped(fm, text(), room); });
}

void CommandButton::paintEvent(QPaintEvent*) {
    QStyleOptionButton option;
    initStyleOption(&option);
    const QRect room = caption_room();
    QStylePainter p(this);
    p.setFont(caption_font());
    if (fits_on_one_line(p.fontMetrics(), text(), room)) {
        p.drawControl(QStyle::CE_PushButton, option);
        return;
    }
    option.text.clear();
    p.drawControl(QStyle::CE_PushButton, option);
    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    p.drawText(room, Qt::AlignCenter | Qt::TextWordWrap, text());
}

void Frame::setBackColor(ColorValue color) {
    QPalette p = palette();
    p.setColor(QPalette::Window, to_qcolor(color));
    setPalette(p);
    setAutoFillBackground(true);
}

ProgressBar::ProgressBar(QWidget* parent) : QProgressBar(parent) {
    setRange(0, 100);
    setValue(0);
    setTextVisible(false);
}

CheckBox::CheckBox(QWidget* parent) : QCheckBox(parent) {
    connect(this, &QCheckBox::toggled, this, [this] {
        if (Click) Click();
    });
}

QFont CheckBox::caption_font() const {
    QStyleOptionButton option;
    initStyleOption(&option);
    const int room = style()->subElementRect(QStyle::SE_CheckBoxContents, &option, this).width();
    // Blanks after the caption take no room that shows.
    QString shown = text();
    while (shown.endsWith(u' ')) shown.chop(1);
    return font_to_fit(font(), [&](const QFontMetrics& fm) { return fm.horizontalAdvance(shown) <= room; });
}

void CheckBox::paintEvent(QPaintEvent*) {
    QStyleOptionButton option;
    initStyleOption(&option);
    QStylePainter p(this);
    p.setFont(caption_font());
    p.drawControl(QStyle::CE_CheckBox, option);
}

OptionButton::OptionButton(QWidget* parent) : QRadioButton(parent) {
    connect(this, &QRadioButton::toggled, this, [this](bool on) {
        if (on && Click) Click();
    });
}

ComboBox::ComboBox(QWidget* parent) : QComboBox(parent) {
    connect(this, &QComboBox::currentIndexChanged, this, [this] {
        if (Click) Click();
    });
}

void ComboBox::setEditable(bool on) {
    QComboBox::setEditable(on);
    if (!on) return;
    // Typed text is the box's text only: the list keeps the entries it was given.
    setInsertPolicy(QComboBox::NoInsert);
    // Typing only: picking an entry also changes the edit text, but is no change.
    connect(lineEdit(), &QLineEdit::textEdited, this, [this] {
        if (Change) Change();
    });
}

void ComboBox::setText(const QString& text) {
    if (text == currentText()) return;
    if (isEditable()) setEditText(text);
    else setCurrentIndex(findText(text));
    if (Change) Change();
}

ListBox::ListBox(QWidget* parent) : QListWidget(parent) {
    connect(this, &QListWidget::currentRowChanged, this, [this] {
        if (Click) Click();
    });
    connect(this, &QListWidget::itemDoubleClicked, this, [this] {
        if (DblClick) DblClick();
    });
}

void ListBox::setBackColor(ColorValue color) {
    back_ = color;
    QPalette p = palette();
    p.setColor(QPalette::Base, to_qcolor(color));
    setPalette(p);
}

ListView::ListView(QWidget* parent) : QTreeWidget(parent) {
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QTreeWidget::itemClicked, this, [this] {
        if (Click) Click();
    });
}

void ListView::setColumns(const QStringList& headers) {
    setColumnCount(static_cast<int>(headers.size()));
    setHeaderLabels(headers);
}

int ListView::AddItem(const QString& text, const QStringList& sub_items) {
    auto* item = new QTreeWidgetItem(this);
    item->setText(0, text);
    for (int c = 0; c < sub_items.size(); ++c) item->setText(c + 1, sub_items[c]);
    for (int c = 0; c < columnCount(); ++c) item->setData(c, Qt::ForegroundRole, to_qcolor(kBlack));
    return indexOfTopLevelItem(item);
}

void ListView::RemoveItem(int i) { delete takeTopLevelItem(i); }

QString ListView::cell(int i, int column) const {
    const QTreeWidgetItem* item = topLevelItem(i);
    return item ? item->text(column) : QString();
}

void ListView::setCellForeColor(int i, int column, ColorValue color) {
    if (QTreeWidgetItem* item = topLevelItem(i)) item->setData(column, Qt::ForegroundRole, to_qcolor(color));
}

ColorValue ListView::cellForeColor(int i, int column) const {
    const QTreeWidgetItem* item = topLevelItem(i);
    return item ? from_qcolor(item->data(column, Qt::ForegroundRole).value<QColor>()) : kBlack;
}

void ListView::setItemForeColor(int i, ColorValue color) {
    for (int c = 0; c < columnCount(); ++c) setCellForeColor(i, c, color);
}

int ListView::selectedItem() const {
    const QList<QTreeWidgetItem*> chosen = selectedItems();
    return chosen.isEmpty() ? -1 : indexOfTopLevelItem(chosen.front());
}

void ListView::setSelectedItem(int i) {
    clearSelection();
    if (QTreeWidgetItem* item = topLevelItem(i)) {
        item->setSelected(true);
        setCurrentItem(item);
    }
}

FileListBox::FileListBox(QWidget* parent) : ListBox(parent) {}

void FileListBox::setPattern(const QString& pattern) {
    pattern_ = pattern;
    if (!path_.isEmpty()) setPath(path_);
}

void FileListBox::setPath(const QString& folder) {
    path_ = folder;
    Clear();
    QDir dir(folder);
    dir.setNameFilters({pattern_});
    dir.setFilter(QDir::Files);
    dir.setSorting(QDir::Name | QDir::IgnoreCase);
    for (const QString& name : dir.entryList()) AddItem(name);
}

QString FileListBox::fileName() const { return currentItem() ? currentItem()->text() : QString(); }

Slider::Slider(QWidget* parent, Qt::Orientation o) : QSlider(o, parent) {
    connect(this, &QSlider::valueChanged, this, [this] {
        if (Change) Change();
    });
}

HScrollBar::HScrollBar(QWidget* parent) : QScrollBar(Qt::Horizontal, parent) {
    connect(this, &QScrollBar::valueChanged, this, [this] {
        if (Change) Change();
    });
}

void Shape::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(border_visible_ ? QPen(to_qcolor(border_)) : QPen(Qt::NoPen));
    p.setBrush(filled_ ? QBrush(to_qcolor(fill_)) : Qt::NoBrush);
    QRect r = border_visible_ ? rect().adjusted(0, 0, -1, -1) : rect();
    if (kind == Square || kind == Circle || kind == RoundedSquare) {
        const int side = std::min(r.width(), r.height());
        r = QRect(r.center().x() - side / 2, r.center().y() - side / 2, side, side);
    }
    switch (kind) {
        case Oval:
        case Circle: p.drawEllipse(r); break;
        case RoundedRectangle:
        case RoundedSquare: p.drawRoundedRect(r, 4, 4); break;
        default: p.drawRect(r); break;
    }
}

LineControl::LineControl(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_TransparentForMouseEvents); }

void LineControl::setPoints(int x1, int y1, int x2, int y2) {
    const int dy = below_menu(this);
    const QPoint a(twips_to_px(x1), twips_to_px(y1) + dy), b(twips_to_px(x2), twips_to_px(y2) + dy);
    const QRect box(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                    QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y())));
    setGeometry(box);
    a_ = a - box.topLeft();
    b_ = b - box.topLeft();
    update();
}

void LineControl::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(QPen(to_qcolor(color_), width_));
    p.drawLine(a_, b_);
}

}  // namespace platform
