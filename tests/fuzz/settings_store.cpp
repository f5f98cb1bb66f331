// The settings file: any bytes are read. A write of one key reads back as written and
// leaves every other key's value as it was; a link's corrections keep fields 1 to 8 of
// a satellite's record and are read back whole, or are not written at all.
#include <algorithm>
#include <cctype>
#include <string>
#include <utility>
#include <vector>

#include "common/cp932.h"
#include "common/number_text.h"
#include "common/sat_records.h"
#include "common/settings_store.h"
#include "fuzz_support.h"

using namespace torv;

namespace {

struct Entry {
    std::string section, key;
};

bool plain(const std::string& name) {
    return !name.empty() && std::all_of(name.begin(), name.end(), [](unsigned char c) { return c > 32 && c < 127; });
}

// The sections and keys of the file whose names are plain ASCII, and a few the program reads.
std::vector<Entry> keys_of(const std::string& bytes) {
    std::vector<Entry> keys = {{"SAT-INFO", "FO-29"}, {"POSITION", "KEIDO"}, {"SATELITE", "GROUP-A"}};
    std::string section;
    size_t start = 0;
    while (start < bytes.size() && keys.size() < 24) {
        size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string::npos) end = bytes.size();
        const std::string line = trim_ws(std::string_view(bytes).substr(start, end - start));
        start = end + 1;
        if (line.size() > 2 && line.front() == '[' && line.find(']') != std::string::npos) {
            section = trim_ws(line.substr(1, line.find(']') - 1));
        } else if (const size_t eq = line.find('='); eq != std::string::npos) {
            const std::string key = trim_ws(line.substr(0, eq));
            if (plain(section) && plain(key) && section.find(']') == std::string::npos) keys.push_back({section, key});
        }
    }
    return keys;
}

std::vector<std::string> values(const std::vector<Entry>& keys, const std::string& ini) {
    std::vector<std::string> v;
    for (const Entry& k : keys) v.push_back(ini_read(Section{k.section}, Key{k.key}, ini));
    return v;
}

bool same_name(std::string a, std::string b) {
    for (std::string* s : {&a, &b}) std::transform(s->begin(), s->end(), s->begin(), ::toupper);
    return a == b;
}

// A field as the store can write it back: in a CP932 file, bytes that are no CP932
// character read as U+FFFD and are written as "?".
bool kept(const std::string& after, const std::string& before) {
    return after == before || after == cp932_to_utf8(utf8_to_cp932(before));
}

void check_corrections(const std::string& sat, const std::string& ini) {
    const std::string before = read_sat_info_or_default(sat, ini);
    const CorrectionsSaved saved = write_sat_corrections(sat, -1000, 1000, -5, ini);
    if (saved != CorrectionsSaved::Written) return;
    const std::string after = read_sat_info(sat, ini).value();
    for (int n = 1; n <= 7; ++n) fuzz::check(kept(record_field(after, n), record_field(before, n)));
    const std::string window = record_field(before, 8);
    fuzz::check(kept(record_field(after, 8), window) || (window.empty() && record_field(after, 8) == ","));
    fuzz::check(record_field(after, 9) == "-1000, 1000");
    const std::string offset = record_field(after, 10);
    fuzz::check(offset == "-5" || offset == "0");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes = fuzz::text(data, size);
    const std::string ini = fuzz::file_with("torv.ini", bytes);
    const std::vector<Entry> keys = keys_of(bytes);
    const std::vector<std::string> before = values(keys, ini);
    for (const std::string& v : before) fuzz::check(ini_value_fits(v, ini));

    const Entry written{keys.back().section, "FUZZ-KEY"};
    if (ini_write(Section{written.section}, Key{written.key}, " 12,-3", ini)) {
        fuzz::check(ini_read(Section{written.section}, Key{written.key}, ini) == "12,-3");
        const std::vector<std::string> after = values(keys, ini);
        for (size_t i = 0; i < keys.size(); ++i)
            if (!same_name(keys[i].key, written.key) || !same_name(keys[i].section, written.section))
                fuzz::check(after[i] == before[i]);
    }
    for (const Entry& k : keys)
        if (same_name(k.section, "SAT-INFO")) check_corrections(k.key, ini);
    return 0;
}
