#include "platform/picture_box.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "platform/twips.h"

namespace platform {

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    image_ = QImage(1, 1, QImage::Format_RGB32);
    fill_background();
}

PictureBox::~PictureBox() = default;

void PictureBox::Scale(double left, double top, double width, double height) {
    twips_ = false;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
}

void PictureBox::ScaleTwips() { twips_ = true; }

double PictureBox::px_per_unit_x() const {
    if (twips_) return 1.0 / kTwipsPerPixel;
    return width_ != 0 ? QWidget::width() / width_ : 1.0;
}
double PictureBox::px_per_unit_y() const {
    if (twips_) return 1.0 / kTwipsPerPixel;
    return height_ != 0 ? QWidget::height() / height_ : 1.0;
}

QPointF PictureBox::to_pixels(double x, double y) const {
    const double l = twips_ ? 0 : left_, t = twips_ ? 0 : top_;
    return {(x - l) * px_per_unit_x(), (y - t) * px_per_unit_y()};
}

QPointF PictureBox::from_pixels(QPointF px) const {
    const double l = twips_ ? 0 : left_, t = twips_ ? 0 : top_;
    return {l + px.x() / px_per_unit_x(), t + px.y() / px_per_unit_y()};
}

void PictureBox::setBackColor(ColorValue color) {
    back_ = color;
    fill_background();
    update();
}

void PictureBox::setFontSize(double points) {
    QFont f = font();
    f.setPointSizeF(points);
    setFont(f);
}

void PictureBox::setPicture(const QImage& picture) {
    picture_ = picture;
    fill_background();
    update();
}

void PictureBox::fill_background() {
    end_painting();
    image_.fill(to_qcolor(back_));
    if (!picture_.isNull()) {
        QPainter p(&image_);
        p.drawImage(QRect(0, 0, picture_.width(), picture_.height()), picture_);
    }
}

void PictureBox::Cls() {
    sync_image();
    fill_background();
    currentX = twips_ ? 0 : left_;
    currentY = twips_ ? 0 : top_;
    update();
}

QPen PictureBox::pen(ColorValue color) const {
    QPen p(to_qcolor(color));
    p.setWidth(drawWidth);
    return p;
}

void PictureBox::Line(double x1, double y1, double x2, double y2, ColorValue color) {
    QPainter& p = painter();
    p.setPen(pen(color));
    p.drawLine(to_pixels(x1, y1), to_pixels(x2, y2));
    currentX = x2;
    currentY = y2;
    update();
}

void PictureBox::Box(double x1, double y1, double x2, double y2, ColorValue color, bool filled) {
    QPainter& p = painter();
    const QRectF r = QRectF(to_pixels(x1, y1), to_pixels(x2, y2)).normalized();
    if (filled) {
        p.fillRect(r.adjusted(0, 0, 1, 1), to_qcolor(color));
    } else {
        p.setPen(pen(color));
        p.setBrush(Qt::NoBrush);
        p.drawRect(r);
    }
    currentX = x2;
    currentY = y2;
    update();
}

void PictureBox::Circle(double x, double y, double radius, ColorValue color, double aspect) {
    const QPointF c = to_pixels(x, y);
    double rx = std::abs(radius * px_per_unit_x()), ry = rx * aspect;
    if (aspect > 1.0) {  // the radius is then the vertical one
        ry = rx;
        rx = ry / aspect;
    }
    QPainter& p = painter();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(pen(color));
    p.setBrush(fillStyle == Solid ? QBrush(to_qcolor(fillColor)) : Qt::NoBrush);
    // On whole pixels, as an aliased circle lands anyway; this is also the raster
    // engine's fast path, which matters for the hundreds of dots of every map redraw.
    p.drawEllipse(QRect(qRound(c.x() - rx), qRound(c.y() - ry), std::max(1, qRound(2 * rx)), std::max(1, qRound(2 * ry))));
    currentX = x;
    currentY = y;
    update();
}

void PictureBox::Arc(double x, double y, double radius, ColorValue color, double start, double end, double aspect) {
    const QPointF c = to_pixels(x, y);
    const double rx = std::abs(radius * px_per_unit_x()), ry = rx * aspect;
    // Angles count counter-clockwise from east on screen; a span wraps through zero.
    const double a0 = std::abs(start), a1 = std::abs(end);
    double span = a1 - a0;
    if (span < 0) span += 2 * M_PI;
    QPainter& p = painter();
    p.setPen(pen(color));
    p.drawArc(QRectF(c.x() - rx, c.y() - ry, 2 * rx, 2 * ry), static_cast<int>(a0 * 180 / M_PI * 16),
              static_cast<int>(span * 180 / M_PI * 16));
    currentX = x;
    currentY = y;
    update();
}

void PictureBox::PSet(double x, double y, ColorValue color) {
    QPainter& p = painter();
    const QPointF c = to_pixels(x, y);
    if (drawWidth <= 1) {
        p.setPen(to_qcolor(color));
        p.drawPoint(QPoint(static_cast<int>(std::floor(c.x())), static_cast<int>(std::floor(c.y()))));
    } else {
        p.setPen(Qt::NoPen);
        p.setBrush(to_qcolor(color));
        p.drawEllipse(c, drawWidth / 2.0, drawWidth / 2.0);
    }
    currentX = x;
    currentY = y;
    update();
}

void PictureBox::Print(const QString& text) {
    QPainter& p = painter();
    p.setFont(font());
    p.setPen(to_qcolor(foreColor));
    const QPointF at = to_pixels(currentX, currentY);
    const QFontMetricsF m(font());
    p.drawText(QPointF(at.x(), at.y() + m.ascent()), text);
    currentX = twips_ ? 0 : left_;
    currentY += textHeight(text);
    update();
}

void PictureBox::PaintPicture(const QImage& picture, double x, double y, double width, double height) {
    QPainter& p = painter();
    const QPointF at = to_pixels(x, y);
    QSizeF size = picture.size();
    if (width >= 0 && height >= 0) {
        const QPointF end = to_pixels(x + width, y + height);
        size = QSizeF(std::abs(end.x() - at.x()), std::abs(end.y() - at.y()));
    }
    p.drawImage(QRectF(at, size), picture);
    update();
}

double PictureBox::textWidth(const QString& text) const {
    return QFontMetricsF(font()).horizontalAdvance(text) / std::abs(px_per_unit_x());
}

double PictureBox::textHeight(const QString&) const {
    // Positive in the direction the text position moves: down the screen.
    return QFontMetricsF(font()).height() / px_per_unit_y();
}

ColorValue PictureBox::Point(double x, double y) {
    sync_image();
    const QPointF c = to_pixels(x, y);
    const QPoint px(static_cast<int>(std::floor(c.x())), static_cast<int>(std::floor(c.y())));
    end_painting();
    if (!image_.rect().contains(px)) return -1;
    return from_qcolor(image_.pixelColor(px));
}

void PictureBox::paintEvent(QPaintEvent*) {
    end_painting();
    QPainter p(this);
    p.drawImage(0, 0, image_);
    if (!border_) return;
    p.setPen(Qt::black);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void PictureBox::resizeEvent(QResizeEvent*) { sync_image(); }

void PictureBox::sync_image() {
    // A hidden box gets no resize event, so every drawing step checks the size itself.
    if (size().expandedTo(QSize(1, 1)) == image_.size()) return;
    end_painting();
    QImage old = image_;
    image_ = QImage(size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    fill_background();
    QPainter(&image_).drawImage(0, 0, old);
}

QPainter& PictureBox::painter() {
    sync_image();
    if (!painter_) painter_ = std::make_unique<QPainter>(&image_);
    return *painter_;
}

void PictureBox::end_painting() { painter_.reset(); }

void PictureBox::mouse(QMouseEvent* e, const std::function<void(int, int, double, double)>& handler) {
    if (!handler) return;
    int button = 0;
    const Qt::MouseButtons b = e->type() == QEvent::MouseMove ? e->buttons() : Qt::MouseButtons(e->button());
    if (b & Qt::LeftButton) button |= 1;
    if (b & Qt::RightButton) button |= 2;
    if (b & Qt::MiddleButton) button |= 4;
    int shift = 0;
    if (e->modifiers() & Qt::ShiftModifier) shift |= 1;
    if (e->modifiers() & Qt::ControlModifier) shift |= 2;
    if (e->modifiers() & Qt::AltModifier) shift |= 4;
    const QPointF u = from_pixels(e->position());
    handler(button, shift, u.x(), u.y());
}

void PictureBox::mousePressEvent(QMouseEvent* e) { mouse(e, MouseDown); }
void PictureBox::mouseMoveEvent(QMouseEvent* e) { mouse(e, MouseMove); }
void PictureBox::mouseReleaseEvent(QMouseEvent* e) { mouse(e, MouseUp); }

}  // namespace platform
