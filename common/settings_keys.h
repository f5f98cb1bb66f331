#pragma once
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A key of torv.ini described once: its section, its name, the default its reader uses
// when the key is missing, and for a number the range a usable value lies in. The
// start-up read, the shutdown save and the settings dialogs all work from these
// descriptions (the main window's keys are the table in mainwindow/main_settings.h).
namespace torv {

// Inclusive bounds of a numeric setting.
struct SettingRange {
    double min = 0, max = 0;
};

struct SettingKey {
    const char* section;
    const char* key;
    const char* def;  // the value a missing key reads as; never written back by a read
    std::optional<SettingRange> range = std::nullopt;
};

// Values that could not be used and were replaced by their default, "[SECTION] KEY"
// each, so that the start-up can tell the operator once and go on (a key listed here
// counts as told for report_unusable_setting).
struct SettingsProblems {
    std::vector<std::string> values;
    void add(const SettingKey& k);
};

// "[SECTION] KEY"
std::string setting_name(const SettingKey& k);

// Whether text is a usable value of k: any text for a key without range, else a number
// within the range.
bool setting_in_range(const SettingKey& k, std::string_view text);

// The value of k in file, or its default when the key is missing. A value outside the
// key's range reads as the default and is named in problems.
std::string read_setting(const SettingKey& k, const std::string& file, SettingsProblems& problems);

// The value of k in file, or its default when the key is missing or its value lies
// outside the key's range; such a value is told through report_unusable_setting. For
// keys read after the start-up, whenever their window needs them.
std::string read_setting(const SettingKey& k, const std::string& file);

// Tells the operator, through the report set below, that the stored value of the key
// named name ("[SECTION] KEY") cannot be used and its default is used instead: once per
// key while the program runs, however often the key is read.
void report_unusable_setting(const std::string& name);
void set_unusable_setting_report(std::function<void(const std::string& name)> report);

// Stores value under k in file (see ini_write).
bool write_setting(const SettingKey& k, std::string_view value, const std::string& file);

}  // namespace torv
