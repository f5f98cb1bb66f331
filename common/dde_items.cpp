#include "common/dde_items.h"

#include "common/number_text.h"

namespace torv {

const std::vector<DdeItem>& dde_item_table() {
    using F = DdeForm;
    static const std::vector<DdeItem> table = {
        {"Text1", "衛星名", F::AsHeld, ""},
        {"Text2", "方位", F::Pattern, "###0.00000"},
        {"Text3", "仰角", F::Pattern, "##0.00000"},
        {"Text4", "距離", F::Pattern, "####0.0"},
        {"Text5", "周回数", F::Pattern, "####0.0"},
        {"Text6", "ＭＡ", F::Pattern, "##0.0 "},
        {"Text7", "距離変化", F::Pattern, "###0.00"},
        {"Text8", "太陽方位", F::General, ""},
        {"Text9", "太陽仰角", F::General, ""},
        {"Text10", "月の方位", F::General, ""},
        {"Text11", "月の仰角", F::General, ""},
        {"Text12", "ドップラー周波数（送信）", F::Pattern, "####.00000"},
        {"Text13", "ドップラー周波数（受信）", F::Pattern, "####.00000"},
        {"Text14", "ドップラー率", F::General, ""},
        {"Text15", "送信電波形式", F::AsHeld, ""},
        {"Text16", "受信電波形式", F::AsHeld, ""},
        {"Text17", "最大仰角", F::Trimmed, ""},
        {"Text18", "運用状態", F::Trimmed, ""},
        {"Text19", "方位", F::Trimmed, ""},
        {"Text20", "火星方位", F::General, ""},
        {"Text21", "火星仰角", F::General, ""},
        {"Text22", "", F::General, ""},
        {"Text23", "", F::General, ""},
        {"Text24", "", F::General, ""},
        {"Text25", "", F::AsHeld, ""},
        {"Label21", "近点離角の補正値", F::LeadingBlank, ""},
        {"Label23", "軌道傾斜角", F::General, ""},
        {"Label24", "近点離角の補正値", F::LeadingBlank, ""},
        {"Label26", "元期からの経過時間", F::ElapsedDays, ""},
    };
    return table;
}

std::optional<DdeItem> dde_item(std::string_view name) {
    for (const DdeItem& item : dde_item_table())
        if (item.name == name) return item;
    return std::nullopt;
}

std::string dde_number_text(std::string_view name, double value) {
    const std::optional<DdeItem> item = dde_item(name);
    switch (item ? item->form : DdeForm::General) {
        case DdeForm::Pattern: return format_number(value, item->pattern);
        case DdeForm::LeadingBlank: return str_num(value);
        case DdeForm::Trimmed: return trim(str_num(single_precision(value)));
        case DdeForm::ElapsedDays: return "t=" + str_num(value);
        case DdeForm::AsHeld:
        case DdeForm::General: break;
    }
    return num_text(value);
}

std::string text25_line(std::string_view name, double azimuth_deg, double elevation_deg) {
    return std::string(name) + " " + num_text(azimuth_deg) + " " + num_text(elevation_deg) + "\r\n";
}

std::string text25_empty_line() { return "----- --------------- ---------------\r\n"; }

}  // namespace torv
