#pragma once
#include "schedule/week_window.h"

namespace torv {

// "２局間の週間可視情報": the passes of the selected satellite seen at the same time from
// the own station and from the partner station last picked on a map, for the seven
// days from today. Follows the main window's satellite and the picked partner.
class PartnerWeekTableWindow : public WeekWindow {
    Q_OBJECT
public:
    explicit PartnerWeekTableWindow(WeekLinks links);

    platform::Label Label15, Label16;  // "相手局" and the partner station's name
    platform::Label Label17;           // legend "ＭＡ", shown for AO-40

    std::string week_partner_name;  // the partner the list was computed for

protected:
    void Form_Load() override;
    bool week_is_current() const override;
    void before_recompute() override;
    void add_stations(WeekSubject& subject) override;
    platform::Label& ma_legend() override { return Label17; }

private:
    std::string partner_name() const;
};

inline const char* const kPartnerWeekTableWindowCaption = "２局間の週間可視情報";

}  // namespace torv
