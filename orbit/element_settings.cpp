#include "orbit/element_settings.h"

#include "common/settings_keys.h"
#include "common/settings_store.h"
#include "orbit/element_stamps.h"

namespace torv {

namespace {

constexpr Section kStampSection{"KIDOUKOUSIN"};
constexpr Section kUrlSection{"KIDOU_URL"};
constexpr Section kBulletinSection{"TORVELM"};

// Reads a key; when it is missing, stores the default and returns it.
std::string read_or_store(Section section, Key key, const std::string& ini, std::string_view fallback) {
    std::string value = ini_read(section, key, ini);
    if (value != "ERROR") return value;
    ini_write(section, key, fallback, ini);
    return std::string(fallback);
}

}  // namespace

void read_element_stamps(ElementUpdateState& state, const std::string& ini, std::string_view absent_stamp,
                         const platform::ClockReading& now) {
    state.kidoukousin_yymmdd = ini_read_or(kStampSection, Key{"YYMMDD"}, absent_stamp, ini);
    if (!usable_stamp(state.kidoukousin_yymmdd, now)) {
        report_unusable_setting("[KIDOUKOUSIN] YYMMDD");
        state.kidoukousin_yymmdd = absent_stamp;
    }
    state.kidoukousin_orbit = ini_read_or(kStampSection, Key{"ORBIT"}, "04008", ini);
}

void write_element_stamps(const ElementUpdateState& state, const std::string& ini) {
    ini_write(kStampSection, Key{"YYMMDD"}, state.kidoukousin_yymmdd, ini);
    ini_write(kStampSection, Key{"ORBIT"}, state.kidoukousin_orbit, ini);
}

std::string read_elm_auto_sw(const std::string& ini) {
    return ini_read_or(kStampSection, Key{"ELM_AUTO_SW"}, "0", ini);
}

void write_elm_auto_sw(const ElementUpdateState& state, const std::string& ini) {
    ini_write(kStampSection, Key{"ELM_AUTO_SW"}, state.elm_auto_sw, ini);
}

void read_kidou_urls(ElementSources& sources, const std::string& ini) {
    sources.kidou_url1 = ini_read_or(kUrlSection, Key{"URL1"}, kDefaultKidouUrl1, ini);
    sources.kidou_url2 = ini_read_or(kUrlSection, Key{"URL2"}, kDefaultKidouUrl2, ini);
    sources.kidou_url2_sw = ini_read_or(kUrlSection, Key{"URL2_SW"}, "0", ini);
    sources.kidou_url3 = ini_read_or(kUrlSection, Key{"URL3"}, kDefaultKidouUrl3, ini);
}

void write_kidou_urls(const ElementSources& sources, const std::string& ini) {
    ini_write(kUrlSection, Key{"URL3"}, sources.kidou_url3, ini);
    ini_write(kUrlSection, Key{"URL1"}, sources.kidou_url1, ini);
    ini_write(kUrlSection, Key{"URL2"}, sources.kidou_url2, ini);
    ini_write(kUrlSection, Key{"URL2_SW"}, sources.kidou_url2_sw, ini);
}

void load_bulletin_settings(ElementSources& sources, const std::string& ini) {
    sources.bulletin_url = read_or_store(kBulletinSection, Key{"URL"}, ini, kDefaultBulletinUrl);
    sources.bulletin_hdr = read_or_store(kBulletinSection, Key{"HDR"}, ini, kDefaultBulletinHdr);
    sources.bulletin_line = read_or_store(kBulletinSection, Key{"LINE"}, ini, kDefaultBulletinLine);
}

void write_bulletin_settings(const ElementSources& sources, const std::string& ini) {
    ini_write(kBulletinSection, Key{"URL"}, sources.bulletin_url, ini);
    ini_write(kBulletinSection, Key{"HDR"}, sources.bulletin_hdr, ini);
    ini_write(kBulletinSection, Key{"LINE"}, sources.bulletin_line, ini);
}

void read_degital_sat(ElementSources& sources, const std::string& ini) {
    sources.degital_sat = ini_read_or(Section{"ORBIT"}, Key{"DEGITAL_SAT"}, "", ini);
    sources.degital_sat_list = split_degital_sat(sources.degital_sat);
}

void write_degital_sat(const ElementSources& sources, const std::string& ini) {
    ini_write(Section{"ORBIT"}, Key{"DEGITAL_SAT"}, sources.degital_sat, ini);
}

std::vector<std::string> split_degital_sat(const std::string& value) {
    std::vector<std::string> names;
    if (value.empty()) return names;
    size_t start = 0;
    for (;;) {
        const size_t comma = value.find(',', start);
        names.push_back(value.substr(start, comma - start));
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    return names;
}

}  // namespace torv
