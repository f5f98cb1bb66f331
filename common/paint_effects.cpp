#include "common/paint_effects.h"

#include <QPainter>

#include "platform/image_blit.h"
#include "platform/picture_box.h"

namespace torv {

void PaintEffects::PaintTransparentDC(QImage& dest, int x, int y, int width, int height, const QImage& source,
                                      int source_x, int source_y, platform::ColorValue mask_color) {
    platform::blit_color_key(dest, QPoint(x, y), source, QRect(source_x, source_y, width, height),
                             platform::to_qcolor(mask_color).rgb());
}

void PaintEffects::PaintTransparentStdPic(QImage& dest, int x, int y, int width, int height,
                                          const StdPicture& picture, int source_x, int source_y,
                                          platform::ColorValue mask_color) {
    if (picture.image.isNull()) throw InvalidPicture();
    switch (picture.type) {
        case StdPicture::Bitmap:
            PaintTransparentDC(dest, x, y, width, height, picture.image, source_x, source_y, mask_color);
            return;
        case StdPicture::Icon: {
            QImage square(width, height, QImage::Format_RGB32);
            square.fill(platform::to_qcolor(mask_color));
            QPainter(&square).drawImage(0, 0, picture.image);
            PaintTransparentDC(dest, x, y, width, height, square, 0, 0, mask_color);
            return;
        }
        case StdPicture::None: break;
    }
    throw InvalidPicture();
}

void paint_transparent(QImage& dest, int x, int y, int width, int height, const StdPicture& picture, int source_x,
                       int source_y, platform::ColorValue mask_color) {
    PaintEffects().PaintTransparentStdPic(dest, x, y, width, height, picture, source_x, source_y, mask_color);
}

void paint_transparent(platform::PictureBox& dest, int x, int y, int width, int height, const StdPicture& picture,
                       int source_x, int source_y, platform::ColorValue mask_color) {
    paint_transparent(dest.image_for_painting(), x, y, width, height, picture, source_x, source_y, mask_color);
    dest.update();
}

}  // namespace torv
