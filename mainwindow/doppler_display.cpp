#include "mainwindow/doppler_display.h"

#include "common/number_text.h"

namespace torv {

namespace {

constexpr std::array<DopplerBand, 5> kBands{{
    {146000, "146M"},
    {436000, "436M"},
    {1296000, "1.2G"},
    {2401000, "2.4G"},
    {29400, "29M"},
}};

}  // namespace

std::optional<DopplerBand> doppler_band(int16_t code) {
    if (code < 1 || code > static_cast<int16_t>(kBands.size())) return std::nullopt;
    return kBands[code - 1];
}

DopplerTexts doppler_texts(double v, double k, const std::array<int16_t, 3>& doppler_row_band) {
    DopplerTexts t;
    t.label25 = format_number(v, "#0.00 Km/S");
    t.text7 = format_number(v * 1000, "###0.00");
    t.text14 = num_text(k);
    for (size_t row = 0; row < t.rows.size(); ++row) {
        if (const std::optional<DopplerBand> band = doppler_band(doppler_row_band[row]))
            t.rows[row] = DopplerRowText{format_number(k * band->f_khz - band->f_khz, "0.00 KHZ"), band->label};
    }
    return t;
}

}  // namespace torv
