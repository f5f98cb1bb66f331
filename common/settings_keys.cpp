#include "common/settings_keys.h"

#include <set>

#include "common/number_text.h"
#include "common/settings_store.h"

namespace torv {

namespace {

std::function<void(const std::string&)>& unusable_report() {
    static std::function<void(const std::string&)> report;
    return report;
}

// The keys the operator has been told about; true when name is new to it.
bool first_time(const std::string& name) {
    static std::set<std::string> told;
    return told.insert(name).second;
}

}  // namespace

void SettingsProblems::add(const SettingKey& k) {
    values.push_back(setting_name(k));
    first_time(values.back());
}

std::string setting_name(const SettingKey& k) { return std::string("[") + k.section + "] " + k.key; }

bool setting_in_range(const SettingKey& k, std::string_view text) {
    if (!k.range) return true;
    double x = 0;
    return parse_number(trim(text), x) && x >= k.range->min && x <= k.range->max;
}

std::string read_setting(const SettingKey& k, const std::string& file, SettingsProblems& problems) {
    std::string value = ini_read_or(Section{k.section}, Key{k.key}, k.def, file);
    if (setting_in_range(k, value)) return value;
    problems.add(k);
    return k.def;
}

std::string read_setting(const SettingKey& k, const std::string& file) {
    std::string value = ini_read_or(Section{k.section}, Key{k.key}, k.def, file);
    if (setting_in_range(k, value)) return value;
    report_unusable_setting(setting_name(k));
    return k.def;
}

void report_unusable_setting(const std::string& name) {
    if (first_time(name) && unusable_report()) unusable_report()(name);
}

void set_unusable_setting_report(std::function<void(const std::string& name)> report) {
    unusable_report() = std::move(report);
}

bool write_setting(const SettingKey& k, std::string_view value, const std::string& file) {
    return ini_write(Section{k.section}, Key{k.key}, value, file);
}

}  // namespace torv
