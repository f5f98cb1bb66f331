#pragma once
#include <QString>
#include <deque>
#include <optional>

#include "platform/color.h"

// The desktop's own choosers: a file to open and a colour. While a ChooserScript exists
// nothing is shown: each call takes the script's next answer (none when it has run out,
// as if the operator cancelled).
namespace platform {

// The full path of a file chosen to open, offered with the name pattern ("*.mp3");
// nothing when the operator cancelled.
std::optional<QString> choose_open_file(const QString& pattern);

// A colour chosen starting from start; nothing when the operator cancelled.
std::optional<ColorValue> choose_color(ColorValue start);

class ChooserScript {
public:
    ChooserScript();
    ~ChooserScript();
    ChooserScript(const ChooserScript&) = delete;
    ChooserScript& operator=(const ChooserScript&) = delete;
    static ChooserScript* current();

    std::deque<std::optional<QString>> files;
    std::deque<std::optional<ColorValue>> colors;
    std::deque<ColorValue> color_starts;  // the start colour of every colour chooser shown

private:
    ChooserScript* previous_;
};

}  // namespace platform
