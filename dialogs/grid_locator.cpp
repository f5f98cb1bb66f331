#include "dialogs/grid_locator.h"

#include <optional>

namespace torv {

namespace {

// The value of the letter at (0-based) i when it lies from "A" to last, else nothing.
std::optional<int> letter(const std::string& s, size_t i, char last) {
    if (i >= s.size() || s[i] < 'A' || s[i] > last) return std::nullopt;
    return s[i] - 'A';
}

std::optional<int> digit(const std::string& s, size_t i) {
    if (i >= s.size() || s[i] < '0' || s[i] > '9') return std::nullopt;
    return s[i] - '0';
}

}  // namespace

GridLocatorResult grid_to_lonlat(std::string_view text) {
    GridLocatorResult r;
    for (char c : text) r.upper += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    const auto fail = [&r](const char* message) {
        r.message = message;
        return r;
    };
    if (r.upper.empty()) return fail(kGridEmptyMessage);
    const auto field_lon = letter(r.upper, 0, 'R');
    if (!field_lon) return fail(kGridFieldMessage);
    const auto field_lat = letter(r.upper, 1, 'R');
    if (!field_lat) return fail(kGridFieldMessage);
    // The square is two digits: a sign, a blank or a letter there is no square.
    const auto square_lon = digit(r.upper, 2), square_lat = digit(r.upper, 3);
    if (!square_lon || !square_lat) return fail(kGridSquareMessage);
    const auto sub_lon = letter(r.upper, 4, 'X');
    if (!sub_lon) return fail(kGridSubsquareMessage);
    const auto sub_lat = letter(r.upper, 5, 'X');
    if (!sub_lat) return fail(kGridSubsquareMessage);
    r.lon = (*field_lon - 9) * 20.0 + 2.0 * *square_lon + *sub_lon * 2.0 / 24.0;
    r.lat = (*field_lat - 9) * 10.0 + *square_lat + *sub_lat / 24.0;
    r.ok = true;
    return r;
}

}  // namespace torv
