#include "orbit/element_dg_tr.h"

#include <algorithm>

#include "common/cp932.h"
#include "common/number_text.h"
#include "orbit/element_file_io.h"

namespace torv {

namespace {

struct WrittenSet {
    std::string name;  // trimmed
    std::string line1, line2;
};

// A copy of the set written just before: its name plus "DG" or "TR", same element lines.
bool is_copy_of(const WrittenSet& last, const std::vector<std::string>& lines, size_t i) {
    if (last.name.empty() || i + 2 >= lines.size()) return false;
    const std::string name = trim(lines[i]);
    return (name == last.name + "DG" || name == last.name + "TR") && lines[i + 1] == last.line1 &&
           lines[i + 2] == last.line2;
}

bool is_set_at(const std::vector<std::string>& lines, size_t i) {
    return i + 2 < lines.size() && is_element_line(lines[i + 1], '1') && is_element_line(lines[i + 2], '2');
}

}  // namespace

int16_t digital_sat_find(const std::string& name, const std::vector<std::string>& degital_sat_list) {
    return std::find(degital_sat_list.begin(), degital_sat_list.end(), name) != degital_sat_list.end() ? 0 : -1;
}

std::vector<std::string> mark_digital_lines(const std::vector<std::string>& lines,
                                            const std::vector<std::string>& degital_sat_list) {
    std::vector<std::string> listed;  // the list in the files' code page
    for (const std::string& name : degital_sat_list) listed.push_back(utf8_to_cp932(name));

    std::vector<std::string> out;
    WrittenSet last;
    size_t i = 0;
    while (i < lines.size()) {
        if (is_copy_of(last, lines, i)) {
            i += 3;
            continue;
        }
        const std::string name = trim(lines[i]);
        if (digital_sat_find(name, listed) == 0) {
            if (i + 2 >= lines.size()) break;
            last = {name, lines[i + 1], lines[i + 2]};
            for (const char* suffix : {"", "DG", "TR"}) {
                out.push_back(name + suffix);
                out.push_back(last.line1);
                out.push_back(last.line2);
            }
            i += 3;
        } else if (is_set_at(lines, i)) {
            last = {name, lines[i + 1], lines[i + 2]};
            out.insert(out.end(), lines.begin() + static_cast<ptrdiff_t>(i), lines.begin() + static_cast<ptrdiff_t>(i + 3));
            i += 3;
        } else {
            out.push_back(lines[i]);
            ++i;
        }
    }
    return out;
}

void element_files_mark_digital(const std::string& folder, const std::vector<std::string>& degital_sat_list) {
    for (const ElementFileNames& f : kElementFileNames) {
        const std::string path = folder + "/" + f.element;
        const auto lines = read_file_lines(path);
        if (!lines) continue;
        replace_file_lines(folder + "/" + f.tmp, path, mark_digital_lines(*lines, degital_sat_list));
    }
}

}  // namespace torv
