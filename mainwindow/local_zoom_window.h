#pragma once
#include <array>

#include "mainwindow/map_window.h"
#include "platform/controls.h"
#include "platform/form.h"
#include "platform/picture_box.h"

namespace torv {

// "ローカル拡大画面": a 30 x 30 degree map around the own station's local map centre, or
// the Asia region, which the main window's redraw draws into every tick; the selected
// satellite's values and the clocks, the seven slot names with their lamps, hatching.
class LocalZoomWindow : public platform::Form {
    Q_OBJECT
public:
    explicit LocalZoomWindow(MapWindowLinks links);

    platform::PictureBox Picture1;  // the map, in degrees
    platform::PictureBox Picture2;  // holds the satellite icon
    platform::Label Label9;         // "人工衛星"
    platform::Label Label10;        // the selected satellite's name
    platform::Label Label11;        // "方位"
    platform::Label Label12;        // its azimuth
    platform::Label Label13;        // "仰角"
    platform::Label Label14;        // its elevation
    platform::Label Label15;        // "距離"
    platform::Label Label16;        // its slant range
    platform::Frame Frame1;         // the clocks
    platform::Label Label6;         // the local time and date
    platform::Label Label8;         // "UTC"
    platform::Label Label7;         // the time and date in UTC
    platform::Label Label1, Label2, Label3, Label4, Label5, Label17, Label18;  // the names in slots 1..7
    platform::Shape Shape1, Shape2, Shape3, Shape4, Shape5, Shape6, Shape7;    // visibility lamps of slots 1..7

    platform::CheckBox Check1;         // "斜線": hatches the footprints
    platform::CommandButton Command3;  // "拡大": the Asia region (in the local layout)
    platform::CommandButton Command2;  // "縮小": back to the local map (in the Asia layout)
    platform::CommandButton Command1;  // "閉じる"

    // The seven slot labels and lamps, slot 1..7 in order.
    std::array<platform::Label*, 7> slot_labels();
    std::array<platform::Shape*, 7> slot_lamps();
    const StdPicture& iss() const { return iss_; }
    ResultLabels result_labels() { return {&Label10, &Label12, &Label14, &Label16, &Label6, &Label7}; }

    // Opening from the main window: the map origin from the local map centre, the local
    // layout's buttons, shown.
    void open_local();
    // Sets the map origin (top and left edge, degrees).
    void set_origin(double scale_top, double scale_left);

    void Command1_Click();  // "閉じる"
    void Command2_Click();  // "縮小": the local layout
    void Command3_Click();  // "拡大": the Asia layout
    void Check1_Click();

protected:
    void Form_Load() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void place_local();
    void place_asia();
    void swap_layout_buttons(bool asia);

    MapWindowLinks l_;
    StdPicture iss_;
};

inline const char* const kLocalZoomWindowCaption = "ローカル拡大画面";

}  // namespace torv
