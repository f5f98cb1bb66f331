#include "orbit/element_table.h"

#include <fstream>
#include <sstream>
#include <unordered_map>

#include "common/cp932.h"
#include "common/number_text.h"

namespace torv {

namespace {

std::vector<std::string> read_lines(const std::string& path, bool& opened) {
    std::vector<std::string> lines;
    std::ifstream in(path, std::ios::binary);
    opened = static_cast<bool>(in);
    if (!opened) return lines;
    std::stringstream ss;
    ss << in.rdbuf();
    const std::string bytes = ss.str();
    // CR LF, a lone LF and a lone CR all end a line.
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string::npos) end = bytes.size();
        lines.push_back(cp932_to_utf8(std::string_view(bytes).substr(start, end - start)));
        if (end < bytes.size() && bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n') ++end;
        start = end + 1;
    }
    return lines;
}

bool is_element_line(const std::string& line, char number) {
    return line.size() >= 2 && line[0] == number && line[1] == ' ';
}

bool is_blank(const std::string& line) { return trim_ws(line).empty(); }

// Blanks (spaces) stripped from both ends, without copying.
std::string_view trimmed(std::string_view s) {
    const size_t b = s.find_first_not_of(' ');
    if (b == std::string_view::npos) return {};
    return s.substr(b, s.find_last_not_of(' ') - b + 1);
}

std::string file_name(const std::string& path) {
    size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

void ElementTable::set_element_line(int i, std::string text) {
    if (i < 1 || i > kElementCapacity) return;
    lines_[i] = std::move(text);
    changed();
}

void ElementTable::set_element_line_count(int16_t count) {
    line_count_ = count;
    changed();
}

bool ElementTable::add_set(std::string name, std::string line1, std::string line2) {
    const int i = line_count_ + 1;
    if (i + 2 > kElementCapacity) return false;
    lines_[i] = std::move(name);
    lines_[i + 1] = std::move(line1);
    lines_[i + 2] = std::move(line2);
    line_count_ = static_cast<int16_t>(i + 2);
    changed();
    return true;
}

const ElementTable::NamedSet* ElementTable::find_named_set(std::string_view name) const {
    if (name.empty()) return nullptr;
    if (!parsed_fresh_) parse_sets();
    const auto it = named_sets_.find(name);
    return it == named_sets_.end() ? nullptr : &it->second;
}

ElementTable::NamedSet make_named_set(int name_index, const std::string& line1, const std::string& line2) {
    const SatElements el = parse_sat_elements(line1, line2);
    const SatOrbit orbit = make_sat_orbit(el, 0);
    return {name_index, orbit, j2_motion_rate(el, orbit.a)};
}

NamedSetLookup lookup_named_set(const ElementTable& table, std::string_view name) {
    static const ElementTable::NamedSet fallback = make_named_set(0, kFallbackLine1, kFallbackLine2);
    const ElementTable::NamedSet* set = table.find_named_set(name);
    if (!set) return {&fallback, ElementLookup::Fallback};
    return {set, set->orbit.el.usable ? ElementLookup::Found : ElementLookup::Unusable};
}

int find_element_set(const ElementTable& table, const std::string& name) {
    const ElementTable::NamedSet* set = table.find_named_set(name);
    return set ? set->name_index : 0;
}

ElementLookupResult lookup_sat_elements(const ElementTable& table, const std::string& name) {
    const NamedSetLookup found = lookup_named_set(table, name);
    return {found.set->orbit.el, found.how};
}

ElementLookup load_sat_elements(const ElementTable& table, std::string& name, SatElements& sat_elements,
                                int32_t& sat_rev_no) {
    name = trim(name);
    ElementLookupResult r = lookup_sat_elements(table, name);
    sat_elements = r.elements;
    sat_rev_no = r.elements.rev_no;
    return r.how;
}

void ElementTable::parse_sets() const {
    named_sets_.clear();
    // A set at the very end of the table may lack its element lines: they read as empty.
    auto line = [&](int k) -> const std::string& {
        static const std::string none;
        return k <= line_count_ && k <= kElementCapacity ? lines_[k] : none;
    };
    for (int i = 1; i <= line_count_; i += 3) {
        auto [it, first] = named_sets_.try_emplace(std::string(trimmed(lines_[i])));
        if (first) it->second = make_named_set(i, line(i + 1), line(i + 2));
    }
    parsed_fresh_ = true;
}

std::string epoch_text(const std::string& line1) {
    if (line1.size() <= 18) return {};
    return line1.substr(18, 14);
}

void read_element_file(ElementTable& table, const std::string& path, ElementLoadReport& report,
                       const std::function<void(const std::string&, const std::string&)>& on_set) {
    if (report.capacity_reached) return;
    bool opened = false;
    const std::vector<std::string> lines = read_lines(path, opened);
    if (!opened) return;

    int skipped = 0;
    size_t i = 0;
    while (i < lines.size()) {
        if (is_blank(lines[i])) {
            ++i;
            continue;
        }
        const bool whole_set = i + 2 < lines.size() && !is_element_line(lines[i], '1') &&
                               is_element_line(lines[i + 1], '1') && is_element_line(lines[i + 2], '2');
        if (!whole_set) {
            ++skipped;
            ++i;
            continue;
        }
        if (table.element_index + 2 > kElementCapacity) {
            report.capacity_reached = true;
            report.notices.push_back("軌道要素が " + std::to_string(kElementCapacity) + " 行に達したため、" +
                                     file_name(path) + " の途中から後の要素セットは読み込まれていません。");
            break;
        }
        for (int k = 0; k < 3; ++k) table.set_element_line(table.element_index++, lines[i + k]);
        if (on_set) on_set(trim(lines[i]), lines[i + 1]);
        i += 3;
    }
    if (skipped > 0) {
        report.notices.push_back(file_name(path) + ": 要素セットの形になっていない " + std::to_string(skipped) +
                                 " 行を読み飛ばしました。");
    }
}

void element_keep_newest(ElementTable& table) {
    const int count = table.element_line_count();
    // Per name: the greatest epoch text and the first set (in table order) holding it.
    struct Newest {
        std::string epoch;
        int set = 0;
    };
    std::unordered_map<std::string, Newest> newest;
    for (int j = 1; j + 2 <= count; j += 3) {
        const std::string name = trim(table.element_lines(j));
        const std::string epoch = epoch_text(table.element_lines(j + 1));
        auto [it, inserted] = newest.try_emplace(name, Newest{epoch, j});
        if (!inserted && it->second.epoch < epoch) it->second = Newest{epoch, j};
    }
    for (int j = 1; j + 2 <= count; j += 3) {
        const Newest& n = newest[trim(table.element_lines(j))];
        if (epoch_text(table.element_lines(j + 1)) < n.epoch) {
            table.set_element_line(j + 1, table.element_lines(n.set + 1));
            table.set_element_line(j + 2, table.element_lines(n.set + 2));
        }
    }
}

void element_table_dump(const ElementTable& table, const std::string& path) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) return;
    for (int i = 1; i <= table.element_line_count(); ++i) out << utf8_to_cp932(table.element_lines(i)) << "\r\n";
}

std::vector<std::string> missing_shown_sats(const ElementTable& table, const std::vector<std::string>& captions) {
    std::vector<std::string> missing;
    for (const std::string& caption : captions)
        if (!caption.empty() && !table.find_named_set(caption)) missing.push_back(caption);
    return missing;
}

std::string missing_elements_message(const std::string& caption) {
    return "衛星の軌道要素がありません。衛星の名称＝" + caption;
}

void load_element_table(ElementTable& table, const std::string& elm_auto_sw, const std::string& selected_sat,
                        const std::string& folder, const ElementLoadHooks& hooks, ElementLoadReport& report) {
    auto text = [&](const char* t) {
        if (hooks.progress_text) hooks.progress_text(t);
    };
    auto advance = [&] {
        if (hooks.progress_advance) hooks.progress_advance();
    };
    const bool solid_only = elm_auto_sw == "2";
    if (elm_auto_sw == "1") {
        if (hooks.progress_timer) hooks.progress_timer(true);
        text("軌道要素の取得開始（インターネット接続中）");
        if (hooks.download_startup) hooks.download_startup();
        if (hooks.mark_digital) hooks.mark_digital();
        if (hooks.progress_timer) hooks.progress_timer(false);
    }
    text("軌道要素の情報設定中");
    table.element_index = 1;
    if (!solid_only) {
        read_element_file(table, folder + "/" + kElementFiles[0], report);
        read_element_file(table, folder + "/" + kElementFiles[1], report);
        advance();
        read_element_file(table, folder + "/" + kElementFiles[2], report);
    }
    // In fixed-file mode the selected satellite's sets give the update stamp; the last one wins.
    read_element_file(table, folder + "/" + kElementFiles[3], report,
                      [&](const std::string& name, const std::string& line1) {
                          if (solid_only && name == selected_sat && hooks.stamp_set) hooks.stamp_set(line1);
                      });
    text("軌道要素の情報設定完了");
    advance();
    table.set_element_line_count(static_cast<int16_t>(table.element_index - 1));
    element_keep_newest(table);
    element_table_dump(table, folder + "/TORV_elm_put.TMP");
}

}  // namespace torv
