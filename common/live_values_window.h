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
    platform::TextBox Text1, Text2, Text3, Text4, Text5, Text6, Text7, Text8, Text9, Text10, Text11, Text12, Text13,
        Text14, Text15, Text16, Text17, Text18, Text19, Text20, Text21, Text22, Text23, Text24, Text25;
    platform::Label Label21, Label23, Label24, Label26;

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
