// An element download's answer: any body is cut into lines, searched as a bulletin and
// judged as element lists. A body judged to hold nothing but element sets is read
// whole by the element reader, with no line left over.
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "orbit/element_answer.h"
#include "orbit/element_file_io.h"
#include "orbit/element_table.h"

using namespace torv;

namespace {

// An accepted answer, written as the download writes it, is what the element reader
// reads without a skipped line.
void check_accepted(const std::vector<std::string>& lines) {
    if (!holds_element_sets(lines)) return;
    ElementTable table;
    ElementLoadReport report;
    int sets = 0;
    const std::string path = (fuzz::folder() / "TORV.ELM").string();
    fuzz::check(replace_file_lines((fuzz::folder() / "TORV.tmp").string(), path, lines));
    read_element_file(table, path, report,
                      [&](const std::string&, const std::string&) { ++sets; });
    fuzz::check(report.notices.empty() && sets > 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string body = fuzz::text(data, size);
    for (bool keep_cr : {false, true}) {
        const std::vector<std::string> lines = download_lines(body, keep_cr);
        for (const std::string& l : lines) fuzz::check(l.size() <= 257 && l.find('\n') == std::string::npos);
        if (!keep_cr) check_accepted(lines);  // element files are written from lines without CR
        const BulletinParse b = parse_bulletin(lines, "For more", "20");
        fuzz::check(b.tag.size() <= 5);
        fuzz::check(b.elements.size() <= lines.size());
        if (!b.elements.empty()) holds_element_sets(b.elements);
    }
    return 0;
}
