#include "schedule/form11.h"

#include "platform/text.h"
#include "platform/layout.h"
#include "schedule/week_passes.h"

namespace torv {

Form11::Form11(WeekLinks links)
    : WeekWindow(std::move(links), kTwoStationSeparatorLength, kForm11Caption),
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

std::string Form11::partner_name() const {
    const int i = links().partner_index;
    return i >= 0 && i < kPartnerSlots ? links().partners.partner_name[i] : std::string();
}

void Form11::Form_Load() {
    WeekWindow::Form_Load();
    week_partner_name.clear();
    Label16.setCaption(platform::qs(partner_name()));
}

bool Form11::week_is_current() const {
    return WeekWindow::week_is_current() && week_partner_name == partner_name();
}

void Form11::before_recompute() { Label16.setCaption(platform::qs(partner_name())); }

void Form11::add_stations(WeekSubject& subject) {
    week_partner_name = partner_name();
    add_partner(subject, links().partners, links().partner_index);
}

}  // namespace torv
