#pragma once
#include <array>

#include "mainwindow/map_window.h"
#include "platform/controls.h"
#include "platform/form.h"
#include "platform/picture_box.h"

namespace torv {

// "相手局ローカル拡大図 ": the 30 x 30 degree local map of a registered partner station,
// which the main window's redraw draws into every tick; the partner's local time, the
// seven slot names with their lamps, hatching.
class PartnerZoomWindow : public platform::Form {
    Q_OBJECT
public:
    explicit PartnerZoomWindow(MapWindowLinks links);

    platform::PictureBox Picture1;  // the partner's map, in degrees
    platform::PictureBox Picture2;  // holds the satellite icon
    platform::Label Label7, Label6;  // "現地時間" and the partner's local time
    platform::Frame Frame1;          // "観測地の衛星の状況": the seven slots as seen from the own station
    platform::Label Label1, Label2, Label3, Label4, Label5, Label8, Label9;  // the names in slots 1..7
    platform::Shape Shape1, Shape2, Shape3, Shape4, Shape5, Shape6, Shape7;  // visibility lamps of slots 1..7

    platform::CheckBox Check1;         // "斜線": hatches the footprints
    platform::CommandButton Command1;  // "閉じる"

    // The seven slot labels and lamps, slot 1..7 in order.
    std::array<platform::Label*, 7> slot_labels();
    std::array<platform::Shape*, 7> slot_lamps();
    const StdPicture& iss() const { return iss_; }

    // Opens the map of registered station i (0..5) from a world map: its centre and
    // bitmap, the station marked; shown when the station has a map of its own, else
    // unloaded. A registered bitmap that is not in the program folder is reported and
    // nothing further is done.
    void open_partner_map(int i);

    void Command1_Click();  // "閉じる"
    void Check1_Click();

protected:
    void Form_Load() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    MapWindowLinks l_;
    StdPicture iss_;
};

inline const char* const kPartnerZoomWindowCaption = "相手局ローカル拡大図 ";
inline const char* const kPartnerMapMissing = "の地図データのファイルが見つかりません";

}  // namespace torv
