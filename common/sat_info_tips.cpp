#include "common/sat_info_tips.h"

#include "common/settings_store.h"

namespace torv {

namespace {
// The description parts in field order; nullptr marks a field that is skipped.
constexpr const char* kParts[] = {"ビーコン周波数：",       "、アップリンク周波数：", nullptr,
                                  "、ダウンリンク周波数：", nullptr,                 "、コメント："};

// Replaces v by the text after its first ":"; v stays as it is without one.
void cut(std::string& v) {
    const size_t colon = v.find(':');
    if (colon != std::string::npos) v.erase(0, colon + 1);
}
}  // namespace

void make_sat_info_text(SatInfoTips& tips, int k) {
    std::string& v = tips.sat_info_values[k];
    std::string d;
    for (const char* part : kParts) {
        // A field counts only when it is not empty and a ":" ends it.
        const size_t colon = v.find(':');
        if (part && colon != std::string::npos && colon >= 1) d += part + v.substr(0, colon);
        cut(v);
    }
    tips.sat_info_texts[k] = d;
}

void load_sat_info(SatInfoTips& tips, const std::array<std::string, 7>& shown_names) {
    for (int k = 0; k < 7; ++k) {
        tips.sat_info_values[k] = ini_read(Section{"SAT-INFO"}, Key{shown_names[k]}, torv_ini());
        if (tips.sat_info_values[k] != "ERROR") make_sat_info_text(tips, k);
        else tips.sat_info_texts[k].clear();
    }
}

std::string sat_info_tool_tip(const SatInfoTips& tips, std::string_view caption, int k) {
    return std::string(caption) + ":" + tips.sat_info_texts[k];
}

}  // namespace torv
