#include "common/settings_store.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <set>
#include <vector>

#include "common/cp932.h"
#include "common/number_text.h"
#include "platform/files.h"
#include "platform/paths.h"

namespace torv {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

struct IniFile {
    bool utf8 = false;               // a file saved as UTF-8 stays so
    bool bom = false;                // ... with its byte-order mark when it had one
    std::vector<std::string> raw;    // the lines as stored, without line ends
    std::vector<std::string> ends;   // each line's own line end, kept as found ("" for none)
};

IniFile parse(std::string bytes) {
    IniFile f;
    if (bytes.starts_with(kUtf8Bom)) {
        f.utf8 = f.bom = true;
        bytes.erase(0, kUtf8Bom.size());
    } else {
        // Without a mark: UTF-8 when the file holds text beyond ASCII and all of it is UTF-8.
        const bool beyond_ascii = std::any_of(bytes.begin(), bytes.end(), [](char c) { return c & 0x80; });
        f.utf8 = beyond_ascii && is_utf8(bytes);
    }
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string::npos) {
            f.raw.push_back(bytes.substr(start));
            f.ends.emplace_back();
            break;
        }
        f.raw.push_back(bytes.substr(start, end - start));
        const size_t eol = (bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n') ? 2 : 1;
        f.ends.push_back(bytes.substr(end, eol));
        start = end + eol;
    }
    return f;
}

// The file's lines; nothing when it does not exist or cannot be read whole.
std::optional<IniFile> load(const std::string& path) {
    platform::FileContent content = platform::read_whole_file(path);
    if (content.status != platform::FileContent::Ok) return std::nullopt;
    return parse(std::move(content.bytes));
}

std::string decode(const IniFile& f, const std::string& raw) { return f.utf8 ? raw : cp932_to_utf8(raw); }
std::string encode(const IniFile& f, std::string_view text) {
    return f.utf8 ? std::string(text) : utf8_to_cp932(text);
}

bool same_name(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 32);
        if (y >= 'a' && y <= 'z') y = static_cast<char>(y - 32);
        if (x != y) return false;
    }
    return true;
}

// "[name]" -> name; nullopt when the line is not a section header.
std::optional<std::string> section_name(const std::string& line) {
    std::string t = trim_ws(line);
    if (t.size() < 2 || t.front() != '[') return std::nullopt;
    size_t close = t.find(']');
    if (close == std::string::npos) return std::nullopt;
    return trim_ws(std::string_view(t).substr(1, close - 1));
}

struct KeyLine {
    std::string key, value;
};
std::optional<KeyLine> key_line(const std::string& line) {
    size_t eq = line.find('=');
    if (eq == std::string::npos) return std::nullopt;
    return KeyLine{trim_ws(std::string_view(line).substr(0, eq)), std::string(line.substr(eq + 1))};
}

// Index range [first, end) of the lines of a section (after its header), or nullopt.
struct SectionRange {
    size_t header, first, end;
};
std::optional<SectionRange> find_section(const IniFile& f, std::string_view section) {
    for (size_t i = 0; i < f.raw.size(); ++i) {
        auto name = section_name(decode(f, f.raw[i]));
        if (!name || !same_name(*name, section)) continue;
        size_t j = i + 1;
        while (j < f.raw.size() && !section_name(decode(f, f.raw[j]))) ++j;
        return SectionRange{i, i + 1, j};
    }
    return std::nullopt;
}

std::optional<size_t> find_key(const IniFile& f, const SectionRange& s, std::string_view key) {
    for (size_t i = s.first; i < s.end; ++i) {
        auto kl = key_line(decode(f, f.raw[i]));
        if (kl && same_name(kl->key, key)) return i;
    }
    return std::nullopt;
}

std::string clean_value(std::string value) {
    value = trim_ws(value);
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return value;
}

// New lines end with CR LF, as the file's own lines normally do.
void add_line(IniFile& f, size_t at, std::string line) {
    f.raw.insert(f.raw.begin() + static_cast<long>(at), std::move(line));
    f.ends.insert(f.ends.begin() + static_cast<long>(at), "\r\n");
}

bool save(const IniFile& f, const std::string& path) {
    std::string bytes = f.bom ? std::string(kUtf8Bom) : std::string();
    for (size_t i = 0; i < f.raw.size(); ++i) bytes += f.raw[i] + (f.ends[i].empty() ? "\r\n" : f.ends[i]);
    const std::string tmp_name = std::filesystem::path(path).filename().string() + ".tmp";
    return platform::replace_file(path, tmp_name, bytes);
}

std::function<void(const std::string&)>& write_report() {
    static std::function<void(const std::string&)> report;
    return report;
}

// Tells the operator of a failed write once per file, and again only after a write to
// it has succeeded since.
bool reported(const std::string& file, bool written) {
    static std::set<std::string> failing;
    if (written) {
        failing.erase(file);
    } else if (failing.insert(file).second && write_report()) {
        write_report()(file);
    }
    return written;
}

// The longest beginning of a UTF-8 text that fits in max_bytes without splitting a character.
std::string cut_utf8_bytes(const std::string& text, size_t max_bytes) {
    if (text.size() <= max_bytes) return text;
    size_t end = max_bytes;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
    return text.substr(0, end);
}

// value cut to max_bytes in the file's encoding, at a whole character.
std::string cut_value(const IniFile& f, std::string_view value, size_t max_bytes) {
    return f.utf8 ? cut_utf8_bytes(std::string(value), max_bytes) : cut_cp932_bytes(value, max_bytes);
}

// A line end inside a value would split the file's line; store it as a blank instead.
std::string one_line(std::string_view text) {
    std::string s(text);
    for (char& c : s)
        if (c == '\r' || c == '\n') c = ' ';
    return s;
}

}  // namespace

std::string ini_read(Section section, Key key, const std::string& file) {
    static const std::string kMissing = "ERROR";
    auto f = load(file);
    if (!f) return kMissing;
    auto s = find_section(*f, section.name);
    if (!s) return kMissing;
    auto k = find_key(*f, *s, key.name);
    if (!k) return kMissing;
    std::string value = clean_value(key_line(decode(*f, f->raw[*k]))->value);
    return cut_value(*f, value, kSettingReadBytes);
}

std::string ini_read_or(Section section, Key key, std::string_view def, const std::string& file) {
    std::string value = ini_read(section, key, file);
    return value == "ERROR" ? std::string(def) : value;
}

bool ini_write(Section section, Key key, std::string_view value, const std::string& file) {
    if (key.name.empty() || section.name.empty()) return false;
    // A file that exists but cannot be read whole is left alone: writing it would lose it.
    platform::FileContent content = platform::read_whole_file(file);
    if (content.status == platform::FileContent::Failed) return reported(file, false);
    IniFile f = parse(std::move(content.bytes));
    const std::string line = encode(f, one_line(key.name) + "=" + one_line(value));
    auto s = find_section(f, section.name);
    if (!s) {
        if (!f.raw.empty() && !trim_ws(f.raw.back()).empty()) add_line(f, f.raw.size(), "");
        add_line(f, f.raw.size(), encode(f, "[" + one_line(section.name) + "]"));
        add_line(f, f.raw.size(), line);
    } else if (auto k = find_key(f, *s, key.name)) {
        // The key keeps the spelling it has in the file.
        const std::string stored_key = key_line(decode(f, f.raw[*k]))->key;
        f.raw[*k] = encode(f, stored_key + "=" + one_line(value));
    } else {
        // After the section's last non-blank line, so blank separators stay between sections.
        size_t at = s->end;
        while (at > s->first && trim_ws(f.raw[at - 1]).empty()) --at;
        add_line(f, at, line);
    }
    return reported(file, save(f, file));
}

size_t ini_value_bytes(std::string_view value, const std::string& file) {
    return encode(parse(platform::read_whole_file(file).bytes), value).size();
}

bool ini_value_fits(std::string_view value, const std::string& file) {
    return ini_value_bytes(value, file) <= kSettingReadBytes;
}

std::string ini_cut_value(std::string_view value, size_t max_bytes, const std::string& file) {
    return cut_value(parse(platform::read_whole_file(file).bytes), value, max_bytes);
}

void set_settings_write_report(std::function<void(const std::string& file)> report) {
    write_report() = std::move(report);
}

std::string torv_ini() { return platform::program_file("torv.ini"); }

}  // namespace torv
