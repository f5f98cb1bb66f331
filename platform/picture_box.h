#pragma once
#include <QImage>
#include <QWidget>
#include <functional>
#include <memory>

#include "platform/qt_color.h"

namespace platform {

// A drawing surface that keeps what was drawn (a persistent image) and redraws it on
// screen. Coordinates are in the box's user scale: by default twips with the origin
// top-left and y downward; Scale(...) sets left, top, width and height, a negative
// height making y grow upward. The drawing state (fore colour, fill colour and style,
// draw width, font size, text position) is carried from one call to the next, as
// the map routines rely on. Text is always drawn upright.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    enum FillStyle { Solid = 0, Transparent = 1 };

    explicit PictureBox(QWidget* parent = nullptr);
    ~PictureBox() override;

    // --- scale ---
    void Scale(double left, double top, double width, double height);
    void ScaleTwips();  // back to twips, origin top-left
    double scaleLeft() const { return left_; }
    double scaleTop() const { return top_; }
    double scaleWidth() const { return width_; }
    double scaleHeight() const { return height_; }
    QPointF to_pixels(double x, double y) const;
    QPointF from_pixels(QPointF px) const;

    // --- drawing state ---
    ColorValue foreColor = 0;
    ColorValue fillColor = 0;
    FillStyle fillStyle = Transparent;
    int drawWidth = 1;
    double currentX = 0, currentY = 0;
    void setBackColor(ColorValue color);
    ColorValue backColor() const { return back_; }
    // A single dark line round the box's edge, drawn over the picture.
    void setBorder(bool on) { border_ = on; update(); }
    bool border() const { return border_; }
    void setFontSize(double points);
    double fontSize() const { return font().pointSizeF(); }

    // --- background picture ---
    void setPicture(const QImage& picture);  // drawn at its own size from the top-left; Cls keeps it
    const QImage& picture() const { return picture_; }

    // --- drawing ---
    // Erases what was drawn, keeping the background picture; the text position goes
    // back to the top-left corner of the scale.
    void Cls();
    void Line(double x1, double y1, double x2, double y2, ColorValue color);
    // An outline box, or a box filled with color.
    void Box(double x1, double y1, double x2, double y2, ColorValue color, bool filled);
    // Radius in units of the horizontal scale; aspect = vertical / horizontal radius.
    // A circle is round on screen whatever the scale. start/end in radians draw an arc.
    void Circle(double x, double y, double radius, ColorValue color, double aspect = 1.0);
    void Arc(double x, double y, double radius, ColorValue color, double start, double end, double aspect = 1.0);
    void PSet(double x, double y, ColorValue color);
    // Prints text with its top-left corner at the text position in foreColor; the
    // position then moves to the start of the next line.
    void Print(const QString& text);
    void PaintPicture(const QImage& image, double x, double y, double width = -1, double height = -1);
    double textWidth(const QString& text) const;
    double textHeight(const QString& text) const;

    // The colour at a point, as the pixel tests read it.
    ColorValue Point(double x, double y);

    // The drawn image in pixels (what the screen shows).
    const QImage& image() {
        sync_image();
        end_painting();
        return image_;
    }
    // For painters that draw directly (transparent blits); call update() afterwards.
    QImage& image_for_painting() {
        sync_image();
        end_painting();
        return image_;
    }
    void Refresh() { update(); }

    // Mouse events in user units: button (1 left, 2 right, 4 middle), shift state, x, y.
    std::function<void(int, int, double, double)> MouseDown, MouseMove, MouseUp;

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;

private:
    double px_per_unit_x() const;
    double px_per_unit_y() const;
    void fill_background();
    void sync_image();
    QPainter& painter();
    void end_painting();
    QPen pen(ColorValue color) const;
    void mouse(QMouseEvent* e, const std::function<void(int, int, double, double)>& handler);

    QImage image_;
    // Open on image_ from the first drawing step until the image is shown, read or
    // replaced: opening a painter for every line and dot of a map redraw cost more than
    // the drawing. Each step sets the pen, brush and font it draws with.
    std::unique_ptr<QPainter> painter_;
    QImage picture_;
    ColorValue back_ = 16777215;
    bool twips_ = true, border_ = false;
    double left_ = 0, top_ = 0, width_ = 0, height_ = 0;
};

}  // namespace platform
