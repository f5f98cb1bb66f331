#pragma once
#include <QImage>
#include <stdexcept>

#include "platform/qt_color.h"

namespace platform {
class PictureBox;
}

namespace torv {

// A picture as the painting routines take it: a bitmap, an icon (which may have
// transparent parts of its own) or nothing.
struct StdPicture {
    enum Type { None = 0, Bitmap = 1, Icon = 3 };
    Type type = None;
    QImage image;
};

// Raised for a picture that is missing or of a type that cannot be painted.
class InvalidPicture : public std::runtime_error {
public:
    static constexpr int kNumber = 481;
    InvalidPicture() : std::runtime_error("invalid picture (481)") {}
};

// Paints small pictures (the Sun, the Moon, Mars, a satellite) over a map so that one
// colour of the picture is transparent and the map shows through. The target is the
// image a picture box holds.
class PaintEffects {
public:
    // Paints the width x height area of source that starts at (source_x, source_y)
    // onto dest at (x, y); pixels of mask_color leave dest as it was.
    void PaintTransparentDC(QImage& dest, int x, int y, int width, int height, const QImage& source, int source_x,
                            int source_y, platform::ColorValue mask_color);
    // The same from a picture. An icon is first laid on a square of the mask colour
    // and painted from its top left corner, so its own transparent parts also let the
    // map show. Throws InvalidPicture for an empty picture or another type.
    void PaintTransparentStdPic(QImage& dest, int x, int y, int width, int height, const StdPicture& picture,
                                int source_x, int source_y, platform::ColorValue mask_color);
};

// The one way the views paint a picture transparently: onto an image, or onto what a
// picture box shows (positions in pixels), which is then redrawn.
void paint_transparent(QImage& dest, int x, int y, int width, int height, const StdPicture& picture, int source_x,
                       int source_y, platform::ColorValue mask_color);
void paint_transparent(platform::PictureBox& dest, int x, int y, int width, int height, const StdPicture& picture,
                       int source_x, int source_y, platform::ColorValue mask_color);

}  // namespace torv
