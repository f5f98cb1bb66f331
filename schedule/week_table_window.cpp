#include "schedule/week_table_window.h"

#include "common/printing.h"
#include "orbit/week_passes.h"
#include "platform/layout.h"
#include "schedule/week_print.h"

namespace torv {

WeekTableWindow::WeekTableWindow(WeekLinks links)
    : WeekWindow(std::move(links), kWeekSeparatorLength, kWeekTableWindowCaption), Label15(this), Command3(this) {
    platform::lay_out({
        {&Label15, 5400, 3660, 600, 240, "MA"},
        {&Command3, 8040, 3620, 1000, 330, "一覧印刷"},
    });
    Label15.hide();
    Command3.Click = [this] { Command3_Click(); };
}

void WeekTableWindow::Command3_Click() {
    if (List1.listCount() == 0) return;
    platform::Printer printer;
    if (!begin_printout(printer)) return;
    print_pass_list(printer);
    printer.end_document();
}

void WeekTableWindow::print_pass_list(platform::Printer& printer) {
    std::vector<std::string> lines;
    for (int i = 0; i < List1.listCount(); ++i) lines.push_back(List1.list(i).toStdString());
    print_week_list(printer, lines, Label1.caption().toStdString(), short_date_text(clock_local_now(links().time)));
}

}  // namespace torv
