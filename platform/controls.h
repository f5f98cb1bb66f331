#pragma once
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSlider>
#include <QTreeWidget>
#include <functional>

#include "platform/qt_color.h"
#include "platform/timer.h"

namespace platform {

// Places a control inside its window; all values in twips.
void place(QWidget* control, int left, int top, int width, int height);

// The fonts here are wider than the ones the windows' places were made for: a caption
// that does not fit its control is drawn in the largest smaller size of the control's
// font that fits, down to 6 pixels, never cut. The size for a caption that fits holds.
QFont font_to_fit(const QFont& base, const std::function<bool(const QFontMetrics&)>& fits);

class Label : public QLabel {
    Q_OBJECT
public:
    explicit Label(QWidget* parent = nullptr);
    QString caption() const { return text(); }
    void setCaption(const QString& text);
    void setForeColor(ColorValue color);
    void setBackColor(ColorValue color);
    ColorValue foreColor() const { return fore_; }
    ColorValue backColor() const { return back_; }

    std::function<void()> Change;  // runs after setCaption changed the caption
    std::function<void()> Click;   // the operator pressed the left button on the label
    // The pointer moved over the label (no button needed), at x, y twips in the label.
    std::function<void(double x, double y)> MouseMove;
    // A caption that does not fit the label's width in the window font is shown in the
    // largest smaller size that fits (down to 6 pixels), never cut.
    bool shrink_to_fit = false;
    // When set, the caption's words (separated by blanks) are drawn one by one, word i
    // of n centred on the x (in the label's pixels) this gives, kept inside the label;
    // a scale whose numbers must stand over marks drawn elsewhere.
    std::function<double(int i, int n)> word_centre_x;

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void apply_colors();
    ColorValue fore_ = 0;
    ColorValue back_ = -1;  // -1: transparent, the window shows through
};

class TextBox : public QLineEdit {
    Q_OBJECT
public:
    explicit TextBox(QWidget* parent = nullptr);

    std::function<void()> Change;   // runs after the text changed, by program or by typing
    std::function<void()> KeyDown;  // a key was pressed in the box, before it acts on the text

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

class CommandButton : public QPushButton {
    Q_OBJECT
public:
    explicit CommandButton(QWidget* parent = nullptr);
    QString caption() const { return text(); }
    void setCaption(const QString& text) { setText(text); }
    void setBackColor(ColorValue color);

    std::function<void()> Click;

    // The font the caption is drawn in (see font_to_fit): it fits on one line or wrapped
    // at its blanks, or else wrapped between Japanese characters.
    QFont caption_font() const;

protected:
    // A caption too long for one line wraps as the desktop's buttons wrapped it.
    void paintEvent(QPaintEvent* event) override;

private:
    QRect caption_room() const;
};

class Frame : public QGroupBox {
    Q_OBJECT
public:
    explicit Frame(QWidget* parent = nullptr) : QGroupBox(parent) {}
    QString caption() const { return title(); }
    void setCaption(const QString& text) { setTitle(text); }
    void setBackColor(ColorValue color);
};

class ProgressBar : public QProgressBar {
    Q_OBJECT
public:
    explicit ProgressBar(QWidget* parent = nullptr);
};

// Value 0 unchecked, 1 checked; Click runs on every change, by the operator or by code.
class CheckBox : public QCheckBox {
    Q_OBJECT
public:
    explicit CheckBox(QWidget* parent = nullptr);
    int value() const { return isChecked() ? 1 : 0; }
    void setValue(int v) { setChecked(v != 0); }
    QString caption() const { return text(); }
    void setCaption(const QString& text) { setText(text); }
    std::function<void()> Click;

    // The font the caption is drawn in beside the box (see font_to_fit).
    QFont caption_font() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// Option buttons with one parent frame or window form one exclusive set.
class OptionButton : public QRadioButton {
    Q_OBJECT
public:
    explicit OptionButton(QWidget* parent = nullptr);
    bool value() const { return isChecked(); }
    void setValue(bool v) { setChecked(v); }
    QString caption() const { return text(); }
    void setCaption(const QString& text) { setText(text); }
    std::function<void()> Click;  // when it becomes the chosen one
};

// A list of texts; listIndex -1 means nothing chosen. An editable box (setEditable)
// also takes typed text: Change runs when its text is typed or set by setText, never
// when an entry is picked from the list (that runs Click).
class ComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit ComboBox(QWidget* parent = nullptr);
    void setEditable(bool on);
    void setText(const QString& text);
    void AddItem(const QString& text) { addItem(text); }
    void Clear() { clear(); }
    int listCount() const { return count(); }
    QString list(int i) const { return itemText(i); }
    int listIndex() const { return currentIndex(); }
    void setListIndex(int i) { setCurrentIndex(i); }
    QString text() const { return currentText(); }
    std::function<void()> Click;
    std::function<void()> Change;
};

class ListBox : public QListWidget {
    Q_OBJECT
public:
    explicit ListBox(QWidget* parent = nullptr);
    void setBackColor(ColorValue color);
    ColorValue backColor() const { return back_; }
    void AddItem(const QString& text) { addItem(text); }
    void Clear() { clear(); }
    int listCount() const { return count(); }
    QString list(int i) const { return item(i) ? item(i)->text() : QString(); }
    int listIndex() const { return currentRow(); }
    void setListIndex(int i) { setCurrentRow(i); }
    void RemoveItem(int i) { delete takeItem(i); }
    std::function<void()> Click;     // the chosen row changed
    std::function<void()> DblClick;  // the operator double-clicked a row (after it became the chosen one)

private:
    ColorValue back_ = kWhite;
};

// A list of items in columns under a header (report view): each item has its text in
// column 0 and sub-items in the columns after it, each cell with its own text colour.
// Items count from 0; selectedItem -1 means none.
class ListView : public QTreeWidget {
    Q_OBJECT
public:
    explicit ListView(QWidget* parent = nullptr);
    void setColumns(const QStringList& headers);
    // Appends an item: its text and sub-items 1.. ; returns its index.
    int AddItem(const QString& text, const QStringList& sub_items = {});
    void RemoveItem(int i);
    int listCount() const { return topLevelItemCount(); }
    QString cell(int i, int column) const;
    void setCellForeColor(int i, int column, ColorValue color);
    ColorValue cellForeColor(int i, int column) const;
    // The item's text and every sub-item in one colour.
    void setItemForeColor(int i, ColorValue color);
    int selectedItem() const;
    void setSelectedItem(int i);
    std::function<void()> Click;  // the operator clicked an item
};

// The files of one folder whose names match a pattern such as "*.BMP" (letter case
// ignored, as the desktop the settings come from ignores it), sorted by name.
class FileListBox : public ListBox {
    Q_OBJECT
public:
    explicit FileListBox(QWidget* parent = nullptr);
    void setPattern(const QString& pattern);
    void setPath(const QString& folder);  // lists the folder's matching files anew
    QString path() const { return path_; }
    QString fileName() const;  // the chosen file's name without folder; empty when none

private:
    QString path_, pattern_ = QStringLiteral("*.*");
};

// A slider or scroll bar: min, max, value; Change runs when the value changes.
class Slider : public QSlider {
    Q_OBJECT
public:
    explicit Slider(QWidget* parent = nullptr, Qt::Orientation o = Qt::Horizontal);
    std::function<void()> Change;
};

class HScrollBar : public QScrollBar {
    Q_OBJECT
public:
    explicit HScrollBar(QWidget* parent = nullptr);
    std::function<void()> Change;
};

// A coloured rectangle, square, oval, circle, rounded rectangle or rounded square
// (lamps, markers and the backgrounds of control groups). A square or circle takes the
// largest size that fits, centred.
class Shape : public QWidget {
    Q_OBJECT
public:
    enum Kind { Rectangle = 0, Square = 1, Oval = 2, Circle = 3, RoundedRectangle = 4, RoundedSquare = 5 };
    explicit Shape(QWidget* parent = nullptr) : QWidget(parent) {}
    Kind kind = Rectangle;
    void setKind(Kind k) { kind = k; update(); }
    void setFillColor(ColorValue c) { fill_ = c; update(); }
    void setBorderColor(ColorValue c) { border_ = c; update(); }
    // Without a border only the fill is drawn.
    void setBorderVisible(bool on) { border_visible_ = on; update(); }
    bool borderVisible() const { return border_visible_; }
    void setFilled(bool on) { filled_ = on; update(); }
    ColorValue fillColor() const { return fill_; }
    bool filled() const { return filled_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    ColorValue fill_ = 16777215, border_ = 0;
    bool filled_ = true, border_visible_ = true;
};

// A straight line between two points of its window, in twips.
class LineControl : public QWidget {
    Q_OBJECT
public:
    explicit LineControl(QWidget* parent = nullptr);
    void setPoints(int x1, int y1, int x2, int y2);
    void setBorderColor(ColorValue c) { color_ = c; update(); }
    void setBorderWidth(int pixels) { width_ = pixels; update(); }
    int borderWidth() const { return width_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QPoint a_, b_;  // in this widget's pixels
    ColorValue color_ = 0;
    int width_ = 1;
};

}  // namespace platform
