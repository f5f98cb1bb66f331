#pragma once
#include "platform/printer.h"
#include "schedule/week_window.h"

namespace torv {

// "週間スケジュール": every pass of the selected satellite over the own station during the
// seven days from today, as lines and as a graph; "+1WEEK" appends seven more days,
// "一覧印刷" prints the list.
class WeekTableWindow : public WeekWindow {
    Q_OBJECT
public:
    explicit WeekTableWindow(WeekLinks links);

    platform::Label Label15;           // legend "MA", shown for AO-40
    platform::CommandButton Command3;  // "一覧印刷"

    // Prints the list on the default printer; without one a message says so.
    void Command3_Click();
    // Prints the list on a begun document.
    void print_pass_list(platform::Printer& printer);

protected:
    platform::Label& ma_legend() override { return Label15; }
};

inline const char* const kWeekTableWindowCaption = "週間スケジュール";

}  // namespace torv
