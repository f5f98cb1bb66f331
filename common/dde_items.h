#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The items the DDE export window publishes: their names, the caption shown beside
// them and the text form of their numbers. Plain data and text forms, no window.
namespace torv {

enum class DdeForm {
    AsHeld,        // text as the writer gives it (names, modes, Text25)
    Pattern,       // a display pattern such as "###0.00000"
    General,       // general number text, up to 15 significant digits
    LeadingBlank,  // " 1", " .5", "-3"
    Trimmed,       // the leading-blank form of a single-precision number, blank removed
    ElapsedDays,   // "t=" and the leading-blank form
};

struct DdeItem {
    std::string_view name;     // Text1 … Text25, Label21, Label23, Label24, Label26
    std::string_view caption;  // the label beside the box; empty when it has none
    DdeForm form;
    std::string_view pattern;  // for DdeForm::Pattern
};

// Every item, Text1 to Text25, then the four labels.
const std::vector<DdeItem>& dde_item_table();
// The item of that name (exact spelling), or none.
std::optional<DdeItem> dde_item(std::string_view name);

// The text a number takes in an item: "4.72274" for Text2 at 4.72274 degrees, "500.0"
// for Text4 at 500 m, "224.9 " for Text6 at 224.9. An item that holds no number
// (DdeForm::AsHeld) or an unknown name gives general number text.
std::string dde_number_text(std::string_view item, double value);

// One line of Text25 for a group entry: name, azimuth and elevation in degrees as
// general number text, CR LF; an entry without a satellite gives the dashed line.
std::string text25_line(std::string_view name, double azimuth_deg, double elevation_deg);
std::string text25_empty_line();

}  // namespace torv
