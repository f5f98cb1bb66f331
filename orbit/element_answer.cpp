#include "orbit/element_answer.h"

#include "common/number_text.h"
#include "orbit/element_file_io.h"
#include "orbit/sat_elements.h"

namespace torv {

namespace {

constexpr size_t kMaxLineBytes = 257;
constexpr size_t kElementLineLength = 69;

// A set the computation can take: usable as the element table reads it, and an orbit
// that closes. The eccentricity field is read as "0." and its digits, so an exponent
// there ("1E9") makes it any size.
bool computable_set(const std::string& l1, const std::string& l2) {
    const SatElements el = parse_sat_elements(l1, l2);
    return el.usable && el.eccentricity < 1;
}

bool well_formed_set(const std::vector<std::string>& lines, size_t i) {
    if (i + 2 >= lines.size()) return false;
    const std::string& name = lines[i];
    const std::string& l1 = lines[i + 1];
    const std::string& l2 = lines[i + 2];
    return !trim_ws(name).empty() && !is_element_line(name, '1') && !is_element_line(name, '2') &&
           is_element_line(l1, '1') && is_element_line(l2, '2') && l1.size() >= kElementLineLength &&
           l2.size() >= kElementLineLength && l1.compare(2, 5, l2, 2, 5) == 0 && computable_set(l1, l2);
}

}  // namespace

std::vector<std::string> download_lines(const std::string& body, bool keep_carriage_returns) {
    std::vector<std::string> lines;
    std::string line;
    size_t counted = 0;  // bytes of the line, carriage returns included
    for (char c : body) {
        if (c == '\n') {
            lines.push_back(std::move(line));
            line.clear();
            counted = 0;
            continue;
        }
        if (c != '\r' || keep_carriage_returns) line += c;
        if (++counted == kMaxLineBytes) {
            lines.push_back(std::move(line));
            line.clear();
            counted = 0;
        }
    }
    if (!line.empty()) lines.push_back(std::move(line));
    return lines;
}

std::string take_bulletin_id(const std::string& first_line) {
    const size_t p = first_line.find("$ORB");
    if (p != std::string::npos) return first_line.substr(p + 4, 5);
    return first_line.size() > 3 ? first_line.substr(3, 5) : std::string();
}

BulletinParse parse_bulletin(const std::vector<std::string>& lines, const std::string& hdr,
                             const std::string& bulletin_line) {
    BulletinParse b;
    const double limit = val(bulletin_line);
    size_t next = 0;  // index of the next line to take
    auto numbered = [&](size_t n, const std::string& l) { b.listed.push_back(std::to_string(n) + " " + l); };

    // The header: the line beginning with the key, among the first limit + 1 lines.
    size_t n = 0;
    for (;;) {
        if (next >= lines.size()) return b;
        const std::string& l = lines[next++];
        ++n;
        if (n == 1) b.tag = take_bulletin_id(l);
        numbered(n, l);
        if (l.substr(0, 8) == hdr) break;
        if (static_cast<double>(n) > limit) {
            b.header_message = "軌道要素のヘッダー部は" + std::to_string(n - 1) + " 行目が最終行です。";
            break;
        }
    }
    // The line after the header is no element data.
    if (next >= lines.size()) return b;
    numbered(n + 1, lines[next++]);

    while (next < lines.size()) {
        const std::string& l = lines[next++];
        b.listed.push_back(l);
        if (l.empty() || l.starts_with("/EX")) {
            b.complete = true;
            return b;
        }
        b.elements.push_back(l);
    }
    return b;
}

bool holds_element_sets(const std::vector<std::string>& lines) {
    size_t sets = 0;
    for (size_t i = 0; i < lines.size();) {
        if (trim_ws(lines[i]).empty()) {
            ++i;
        } else if (well_formed_set(lines, i)) {
            i += 3;
            ++sets;
        } else {
            return false;
        }
    }
    return sets > 0;
}

}  // namespace torv
