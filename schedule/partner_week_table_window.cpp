#include "schedule/partner_week_table_window.h"

#include "orbit/week_passes.h"
#include "platform/layout.h"
#include "platform/text.h"

namespace torv {

PartnerWeekTableWindow::PartnerWeekTableWindow(WeekLinks links)
    : WeekWindow(std::move(links), kTwoStationSeparatorLength, kPartnerWeekTableWindowCaption),
      Label15(this),
      Label16(this),
      Label17(this) {
    platform::lay_out({
        {&Label17, 5400, 3660, 600, 240, "ＭＡ"},
        {&Label15, 6150, 3660, 700, 240, "相手局"},
        {&Label16, 6850, 3660, 2200, 240, ""},
    });
    Label17.hide();
}

std::string PartnerWeekTableWindow::partner_name() const {
    const int i = links().partner_index;
    return i >= 0 && i < kPartnerSlots ? links().partners.partner_name[i] : std::string();
}

void PartnerWeekTableWindow::Form_Load() {
    WeekWindow::Form_Load();
    week_partner_name.clear();
    Label16.setCaption(platform::qs(partner_name()));
}

bool PartnerWeekTableWindow::week_is_current() const {
    return WeekWindow::week_is_current() && week_partner_name == partner_name();
}

void PartnerWeekTableWindow::before_recompute() { Label16.setCaption(platform::qs(partner_name())); }

void PartnerWeekTableWindow::add_stations(WeekSubject& subject) {
    week_partner_name = partner_name();
    add_partner(subject, links().partners, links().partner_index);
}

}  // namespace torv
