#include "platform/image_blit.h"

namespace platform {

void blit_color_key(QImage& dest, QPoint dest_pos, const QImage& src, QRect src_area, QRgb key) {
    // Clip the area to the source, then to the destination, keeping the two aligned.
    QRect area = src_area.intersected(src.rect());
    QPoint at = dest_pos + (area.topLeft() - src_area.topLeft());
    const QRect placed = QRect(at, area.size()).intersected(dest.rect());
    if (placed.isEmpty()) return;
    area = QRect(area.topLeft() + (placed.topLeft() - at), placed.size());
    at = placed.topLeft();

    const QImage::Format f = dest.format();
    if (f != QImage::Format_RGB32 && f != QImage::Format_ARGB32 && f != QImage::Format_ARGB32_Premultiplied)
        dest.convertTo(QImage::Format_RGB32);
    const QImage source = src.copy(area).convertToFormat(QImage::Format_RGB32);
    const QRgb key_rgb = key & RGB_MASK;
    for (int y = 0; y < area.height(); ++y) {
        const QRgb* from = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        QRgb* to = reinterpret_cast<QRgb*>(dest.scanLine(at.y() + y)) + at.x();
        for (int x = 0; x < area.width(); ++x)
            if ((from[x] & RGB_MASK) != key_rgb) to[x] = from[x] | 0xFF000000u;
    }
}

}  // namespace platform
