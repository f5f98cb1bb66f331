#include "common/settings_keys.h"

#include "common/number_text.h"
#include "common/settings_store.h"

namespace torv {

void SettingsProblems::add(const SettingKey& k) { values.push_back(setting_name(k)); }

std::string setting_name(const SettingKey& k) { return std::string("[") + k.section + "] " + k.key; }

bool setting_in_range(const SettingKey& k, std::string_view text) {
    if (!k.range) return true;
    double x = 0;
    return parse_number(trim(text), x) && x >= k.range->min && x <= k.range->max;
}

std::string read_setting(const SettingKey& k, const std::string& file, SettingsProblems& problems) {
    std::string value = ini_read_or(k.section, k.key, k.def, file);
    if (setting_in_range(k, value)) return value;
    problems.add(k);
    return k.def;
}

bool write_setting(const SettingKey& k, std::string_view value, const std::string& file) {
    return ini_write(value, k.key, k.section, file);
}

}  // namespace torv
