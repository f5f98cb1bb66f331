#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>

// The texts of the Doppler factor of the selected satellite: the range rate label, the
// two published items and the shift at three bands the operator picks.
namespace torv {

// Band codes 1..5 of the three display rows: nominal frequency (kHz) and band text.
struct DopplerBand {
    double f_khz;
    const char* label;
};
// The band of a code, none outside 1..5.
std::optional<DopplerBand> doppler_band(int16_t code);

struct DopplerRowText {
    std::string value;  // "-3.21 KHZ"
    std::string band;   // "436M"
};

struct DopplerTexts {
    std::string label25;  // range rate "#0.00 Km/S"
    std::string text7;    // range rate in m/s "###0.00"
    std::string text14;   // the factor, general number text
    std::array<std::optional<DopplerRowText>, 3> rows;  // none: the row keeps its texts
};

// Texts for range rate v (km/s), factor k and the rows' band codes.
DopplerTexts doppler_texts(double v, double k, const std::array<int16_t, 3>& doppler_row_band);

}  // namespace torv
