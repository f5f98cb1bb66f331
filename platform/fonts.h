#pragma once

namespace platform {

// The texts are Japanese: makes a Japanese Gothic font the application font when one
// is installed. Returns false when none is.
bool use_japanese_font();

}  // namespace platform
