#pragma once

namespace platform {

// Window geometry is given in twips, 15 to a pixel on the screens the layouts were made for.
constexpr int kTwipsPerPixel = 15;

constexpr int twips_to_px(int twips) { return twips / kTwipsPerPixel; }
constexpr int px_to_twips(int px) { return px * kTwipsPerPixel; }

}  // namespace platform
