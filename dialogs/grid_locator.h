#pragma once
#include <string>
#include <string_view>

// A Maidenhead grid locator (field, square, subsquare: "PM74TR") to the longitude and
// latitude of its subsquare's south-west corner. Both settings dialogs convert with it.
namespace torv {

struct GridLocatorResult {
    bool ok = false;
    std::string upper;    // the text in capitals, shown in the locator box whatever the outcome
    std::string message;  // why it failed
    double lon = 0;       // degrees east, -180 up to just under 180
    double lat = 0;       // degrees north, -90 up to just under 90
};

// Characters after the sixth are ignored. The checks run in the order of the
// characters and stop at the first failure.
GridLocatorResult grid_to_lonlat(std::string_view text);

inline const char* const kGridEmptyMessage = "グリッドロケータのデータが入力されていません。";
inline const char* const kGridFieldMessage = "フィールド部が　ＡからＲ以外が指定されています。";
inline const char* const kGridSquareMessage = "スクエア－部分が数字になっていません。";
inline const char* const kGridSubsquareMessage = "サブスクエア－部が　ＡからＸ以外が指定されています。";

}  // namespace torv
