#pragma once
#include <QString>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/controls.h"
#include "platform/form.h"
#include "platform/item_server.h"

namespace torv {

// The DDE export window "外部参照（ＤＤＥ）": its text boxes and value labels are
// items that programs on this machine can request or follow through the item server,
// topic "extrn". Writers set an item's text; every change reaches the advised clients
// at once. Normally hidden; the display menu shows it, closing hides it again.
class LiveValuesWindow : public platform::Form {
    Q_OBJECT
public:
    static constexpr const char* kTopic = "extrn";

    // Publishes through server (none: the window only shows the values).
    explicit LiveValuesWindow(platform::ItemServer* server = nullptr);

    platform::Frame Frame1, Frame2;  // "気象衛星用情報", "近点離角補正情報" (before the controls they hold)
    // The items, each captioned as in dde_item_table(); the selected satellite's first.
    platform::TextBox Text1;   // "衛星名": the selected satellite's name
    platform::TextBox Text2;   // "方位": its azimuth, degrees
    platform::TextBox Text3;   // "仰角": its elevation, degrees
    platform::TextBox Text4;   // "距離": its slant range, metres
    platform::TextBox Text5;   // "周回数": its orbit number
    platform::TextBox Text6;   // "ＭＡ": its phase, 0..256
    platform::TextBox Text7;   // "距離変化": its range rate, m/s
    platform::TextBox Text8;   // "太陽方位": the Sun's azimuth
    platform::TextBox Text9;   // "太陽仰角": the Sun's elevation
    platform::TextBox Text10;  // "月の方位": the Moon's azimuth
    platform::TextBox Text11;  // "月の仰角": the Moon's elevation
    platform::TextBox Text12;  // "ドップラー周波数（送信）": the transceiver's uplink, MHz
    platform::TextBox Text13;  // "ドップラー周波数（受信）": the transceiver's downlink, MHz
    platform::TextBox Text14;  // "ドップラー率": the Doppler factor
    platform::TextBox Text15;  // "送信電波形式": the transmit mode
    platform::TextBox Text16;  // "受信電波形式": the receive mode
    platform::TextBox Text17;  // "最大仰角" (Frame1): the scheduled pass's maximum elevation
    platform::TextBox Text18;  // "運用状態" (Frame1): the schedule's slot code of this minute
    platform::TextBox Text19;  // "方位" (Frame1): the scheduled entry's azimuth
    platform::TextBox Text20;  // "火星方位": Mars's azimuth
    platform::TextBox Text21;  // "火星仰角": Mars's elevation
    platform::TextBox Text22;  // the Sun's distance, km
    platform::TextBox Text23;  // the Moon's distance, km
    platform::TextBox Text24;  // Mars's distance, km
    platform::TextBox Text25;  // every group entry's name, azimuth and elevation, a line each
    platform::Label Label21;   // "近点離角の補正値" (Frame2): the mean-motion term dL
    platform::Label Label23;   // "軌道傾斜角" (Frame2): the selected satellite's inclination
    platform::Label Label24;   // beside Label21: 12 × dL
    platform::Label Label26;   // "元期からの経過時間" (Frame2): days since the element epoch

    // The text of an item by name; a null string for a name that is no item.
    QString item_text(std::string_view name) const;
    // Sets an item's text; false for a name that is no item.
    bool set_item_text(std::string_view name, const QString& text);
    // Sets an item to a number in that item's form (dde_number_text).
    bool set_item_number(std::string_view name, double value);

protected:
    void Form_Load() override;
    // Closing only hides the window: it stays loaded until the program ends, so its
    // items keep their values for the clients and for the window shown again.
    void Form_Unload(bool& cancel) override;

private:
    struct ItemControl {
        std::string_view name;
        platform::TextBox* box = nullptr;
        platform::Label* label = nullptr;
        QString text() const { return box ? box->text() : label->caption(); }
    };
    void lay_out();
    void publish(const ItemControl& item);
    const ItemControl* find(std::string_view name) const;

    platform::ItemServer* server_;
    std::vector<ItemControl> items_;
    std::vector<platform::Label*> captions_;  // owned by the window (Qt parent)
};

// The item server's port: [DDE] PORT of torv.ini, 28470 when absent or not a port.
quint16 item_server_port();
// Starts the item server on its port; when the port cannot be opened (another program
// holds it) a message box says so and the program runs on without publishing.
bool start_item_server(platform::ItemServer& server);

}  // namespace torv
