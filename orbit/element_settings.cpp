#include "orbit/element_settings.h"

#include "common/settings_keys.h"
#include "common/settings_store.h"
#include "orbit/element_stamps.h"

namespace torv {

namespace {

constexpr std::string_view kStampSection = "KIDOUKOUSIN";
constexpr std::string_view kUrlSection = "KIDOU_URL";
constexpr std::string_view kBulletinSection = "TORVELM";

// Reads a key; when it is missing, stores the default and returns it.
std::string read_or_store(std::string_view key, std::string_view section, const std::string& ini,
                          std::string_view fallback) {
    std::string value = ini_read(key, section, ini);
    if (value != "ERROR") return value;
    ini_write(fallback, key, section, ini);
    return std::string(fallback);
}

}  // namespace

void read_element_stamps(ElementUpdateState& state, const std::string& ini, std::string_view absent_stamp,
                         const platform::ClockReading& now) {
    state.kidoukousin_yymmdd = ini_read_or(kStampSection, "YYMMDD", absent_stamp, ini);
    if (!usable_stamp(state.kidoukousin_yymmdd, now)) {
        report_unusable_setting("[KIDOUKOUSIN] YYMMDD");
        state.kidoukousin_yymmdd = absent_stamp;
    }
    state.kidoukousin_orbit = ini_read_or(kStampSection, "ORBIT", "04008", ini);
}

void write_element_stamps(const ElementUpdateState& state, const std::string& ini) {
    ini_write(state.kidoukousin_yymmdd, "YYMMDD", kStampSection, ini);
    ini_write(state.kidoukousin_orbit, "ORBIT", kStampSection, ini);
}

std::string read_elm_auto_sw(const std::string& ini) { return ini_read_or(kStampSection, "ELM_AUTO_SW", "0", ini); }

void write_elm_auto_sw(const ElementUpdateState& state, const std::string& ini) {
    ini_write(state.elm_auto_sw, "ELM_AUTO_SW", kStampSection, ini);
}

void read_kidou_urls(ElementSources& sources, const std::string& ini) {
    sources.kidou_url1 = ini_read_or(kUrlSection, "URL1", kDefaultKidouUrl1, ini);
    sources.kidou_url2 = ini_read_or(kUrlSection, "URL2", kDefaultKidouUrl2, ini);
    sources.kidou_url2_sw = ini_read_or(kUrlSection, "URL2_SW", "0", ini);
    sources.kidou_url3 = ini_read_or(kUrlSection, "URL3", kDefaultKidouUrl3, ini);
}

void write_kidou_urls(const ElementSources& sources, const std::string& ini) {
    ini_write(sources.kidou_url3, "URL3", kUrlSection, ini);
    ini_write(sources.kidou_url1, "URL1", kUrlSection, ini);
    ini_write(sources.kidou_url2, "URL2", kUrlSection, ini);
    ini_write(sources.kidou_url2_sw, "URL2_SW", kUrlSection, ini);
}

void load_bulletin_settings(ElementSources& sources, const std::string& ini) {
    sources.bulletin_url = read_or_store("URL", kBulletinSection, ini, kDefaultBulletinUrl);
    sources.bulletin_hdr = read_or_store("HDR", kBulletinSection, ini, kDefaultBulletinHdr);
    sources.bulletin_line = read_or_store("LINE", kBulletinSection, ini, kDefaultBulletinLine);
}

void write_bulletin_settings(const ElementSources& sources, const std::string& ini) {
    ini_write(sources.bulletin_url, "URL", kBulletinSection, ini);
    ini_write(sources.bulletin_hdr, "HDR", kBulletinSection, ini);
    ini_write(sources.bulletin_line, "LINE", kBulletinSection, ini);
}

void read_degital_sat(ElementSources& sources, const std::string& ini) {
    sources.degital_sat = ini_read_or("ORBIT", "DEGITAL_SAT", "", ini);
    sources.degital_sat_list = split_degital_sat(sources.degital_sat);
}

void write_degital_sat(const ElementSources& sources, const std::string& ini) {
    ini_write(sources.degital_sat, "DEGITAL_SAT", "ORBIT", ini);
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
