#pragma once
#include <QImage>
#include <QPoint>
#include <QRect>

namespace platform {

// Copies the area src_area of src onto dest with its top left corner at dest_pos,
// leaving dest unchanged wherever the source pixel has the colour key (compared on
// red, green and blue). Copied pixels are opaque. The area is clipped to both images.
// A dest that is not a 32-bit image is converted to one first.
void blit_color_key(QImage& dest, QPoint dest_pos, const QImage& src, QRect src_area, QRgb key);

}  // namespace platform
