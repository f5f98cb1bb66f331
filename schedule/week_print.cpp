#include "schedule/week_print.h"

#include <algorithm>

#include "common/printing.h"

namespace torv {

namespace {

constexpr int kFirstLineRow = 7;

void print_heading(platform::Printer& printer, const std::string& column_headings, const std::string& today) {
    print_text(printer, 18, 1, "週間スケジュール一覧表", 20);
    print_text(printer, 75, 3, "作成日　" + today, 12);
    print_text(printer, 18, 5, "－－－－ＡＯＳ－－－－", 9);
    print_text(printer, 39, 5, "－－－－ＥＬ　ＭＡＸ－－－－", 9);
    print_text(printer, 66, 5, "－－－－ＬＯＳ－－－－", 9);
    print_text(printer, 1, 6, column_headings, 9);
    print_line(printer, kFirstLineRow, 1, kFirstLineRow, 100, 1);
}

}  // namespace

void print_week_list(platform::Printer& printer, const std::vector<std::string>& lines,
                     const std::string& column_headings, const std::string& today) {
    printer.set_font("ＭＳ 明朝", 9, true);
    for (size_t k = 0; k < lines.size();) {
        if (k > 0) printer.new_page();
        print_heading(printer, column_headings, today);
        const size_t end = std::min(lines.size(), k + kPrintedLinesPerPage);
        for (int row = kFirstLineRow; k < end; ++k, ++row) print_text(printer, 1, row, lines[k], 10);
    }
}

}  // namespace torv
