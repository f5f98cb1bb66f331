#include "common/printing.h"

#include "platform/msg_box.h"

namespace torv {

namespace {
constexpr double kColumnTwips = 120;
constexpr double kRowTwips = 240;
}  // namespace

bool begin_printout(platform::Printer& printer) {
    if (printer.begin_default()) return true;
    platform::msg_box(std::string("プリンタが見つかりません。プリンタを設定してください。"));
    return false;
}

void print_line(platform::Printer& printer, float row1, float column1, float row2, float column2, int16_t width) {
    if (width == 0) return;
    printer.draw_line(column1 * kColumnTwips, row1 * kRowTwips, column2 * kColumnTwips, row2 * kRowTwips, width,
                      Qt::DotLine);
}

void print_text(platform::Printer& printer, float column, float row, const std::string& text, int16_t size) {
    if (size <= 0) return;
    printer.set_font_size(size);
    printer.draw_text(column * kColumnTwips, row * kRowTwips, QString::fromStdString(text));
}

}  // namespace torv
