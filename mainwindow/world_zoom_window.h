#pragma once
#include <functional>

#include "mainwindow/map_window.h"
#include "platform/controls.h"
#include "platform/form.h"
#include "platform/picture_box.h"

namespace torv {

// "拡大世界地図": a larger copy of the main window's world map, in the same map units,
// which the main window's redraw draws into every tick; the selected satellite's values
// and the two clocks above it.
class WorldZoomWindow : public platform::Form {
    Q_OBJECT
public:
    // menu_unchecked: unchecks the main window's menu item that shows this window.
    WorldZoomWindow(MapWindowLinks links, std::function<void()> menu_unchecked);

    platform::Label Label1;            // "人工衛星"
    platform::Label Label2;            // the selected satellite's name
    platform::Label Label3;            // "方位"
    platform::Label Label4;            // its azimuth
    platform::Label Label5;            // "仰角"
    platform::Label Label6;            // its elevation
    platform::Label Label7;            // "距離"
    platform::Label Label8;            // its slant range
    platform::Frame Frame1;            // "現在時間"
    platform::Label Label9;            // the local time and date
    platform::Label Label10;           // "ＵＴＣ"
    platform::Label Label11;           // the time and date in UTC
    platform::CommandButton Command1;  // "終了" closes the window
    platform::PictureBox Picture2;  // the map
    platform::PictureBox Picture1;  // holds the satellite icon
    const StdPicture& iss() const { return iss_; }
    ResultLabels result_labels() { return {&Label2, &Label4, &Label6, &Label8, &Label9, &Label11}; }

    // Loads the named bitmap into the map (the settings load gives the configured one).
    void load_world_map(const std::string& file);

    void Command1_Click();  // "終了"
    // The satellite's web page; the partner zoom map on registered station i.
    void open_sat_url(const std::string& name);
    void open_partner_map(int i);
    // Ctrl+F12 closes the window; every other key is ignored. shift: 1 Shift, 2 Ctrl, 4 Alt.
    bool Form_KeyDown(int key_code, int shift);

protected:
    void Form_Load() override;
    void Form_Unload(bool& cancel) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    MapWindowLinks l_;
    std::function<void()> menu_unchecked_;
    StdPicture iss_;
};

inline const char* const kWorldZoomWindowCaption = "拡大世界地図";
inline const char* const kDefaultWorldMap = "WORD_MAP.BMP";

}  // namespace torv
