#include "common/live_values_window.h"

#include "common/dde_items.h"
#include "common/number_text.h"
#include "common/settings_store.h"
#include "platform/qt_msg_box.h"
#include "platform/text.h"

namespace torv {

using platform::qs;

namespace {
constexpr quint16 kDefaultPort = 28470;
constexpr int kRow = 330;       // twips from one row to the next
constexpr int kHeight = 300;    // twips of a box or label
constexpr int kBoxWidth = 2100;

}  // namespace

LiveValuesWindow::LiveValuesWindow(platform::ItemServer* server)
    : Frame1(this), Frame2(this), Text1(this), Text2(this), Text3(this), Text4(this), Text5(this), Text6(this), Text7(this), Text8(this),
      Text9(this), Text10(this), Text11(this), Text12(this), Text13(this), Text14(this), Text15(this), Text16(this),
      Text17(&Frame1), Text18(&Frame1), Text19(&Frame1), Text20(this), Text21(this), Text22(this), Text23(this),
      Text24(this), Text25(this), Label21(&Frame2), Label23(&Frame2), Label24(&Frame2), Label26(&Frame2),
      server_(server) {
    setCaption(QString::fromUtf8("外部参照（ＤＤＥ）"));
    platform::TextBox* boxes[] = {&Text1,  &Text2,  &Text3,  &Text4,  &Text5,  &Text6,  &Text7,  &Text8,  &Text9,
                                  &Text10, &Text11, &Text12, &Text13, &Text14, &Text15, &Text16, &Text17, &Text18,
                                  &Text19, &Text20, &Text21, &Text22, &Text23, &Text24, &Text25};
    platform::Label* labels[] = {&Label21, &Label23, &Label24, &Label26};
    const std::vector<DdeItem>& table = dde_item_table();
    for (size_t i = 0; i < table.size(); ++i) {
        ItemControl item{table[i].name, i < 25 ? boxes[i] : nullptr, i < 25 ? nullptr : labels[i - 25]};
        items_.push_back(item);
    }
    // Before the first write a box holds its own name, as do Label24 and Label26.
    for (const ItemControl& item : items_) {
        if (item.box) {
            item.box->setMaxLength(1 << 20);  // Text25 holds 35 lines
            item.box->setText(qs(item.name));
            item.box->Change = [this, item] { publish(item); };
        } else {
            const bool named = item.label == &Label24 || item.label == &Label26;
            item.label->setCaption(named ? qs(item.name) : QString());
            item.label->Change = [this, item] { publish(item); };
        }
        publish(item);
    }
    lay_out();
}

void LiveValuesWindow::Form_Load() {
    Text17.setText("0");
    Text18.setText("0");
    Text19.setText("0");
}

void LiveValuesWindow::Form_Unload(bool& cancel) {
    cancel = true;
    hide();
}

void LiveValuesWindow::lay_out() {
    move_twips(1200, 1200, 9600, 6300);
    auto caption = [this](QWidget* parent, std::string_view text, int left, int top, int width) {
        auto* label = new platform::Label(parent);
        label->setCaption(qs(text));
        platform::place(label, left, top, width, kHeight);
        captions_.push_back(label);
    };
    auto row = [&](QWidget* parent, const ItemControl& item, int left, int top) {
        const std::string_view text = dde_item(item.name)->caption;
        if (!text.empty()) caption(parent, text, left, top, 2400);
        platform::place(item.box, left + 2460, top, item.name == "Text25" ? 6900 : kBoxWidth, kHeight);
    };
    // Left column: the selected satellite, the bodies, the transceiver values.
    for (int i = 0; i < 16; ++i) row(this, items_[i], 120, 120 + i * kRow);
    // Right column: Mars and the distances, then the two frames.
    for (int i = 19; i < 24; ++i) row(this, items_[i], 4800, 120 + (i - 19) * kRow);
    Frame1.setCaption(QString::fromUtf8("気象衛星用情報"));
    platform::place(&Frame1, 4680, 120 + 5 * kRow, 4800, 4 * kRow + 120);
    for (int i = 16; i < 19; ++i) row(&Frame1, items_[i], 120, 300 + (i - 16) * kRow);
    Frame2.setCaption(QString::fromUtf8("近点離角補正情報"));
    platform::place(&Frame2, 4680, 120 + 10 * kRow, 4800, 4 * kRow + 120);
    caption(&Frame2, "近点離角の補正値", 120, 300, 2400);
    platform::place(&Label21, 2580, 300, 1000, kHeight);
    platform::place(&Label24, 3600, 300, 1000, kHeight);
    caption(&Frame2, "軌道傾斜角", 120, 300 + kRow, 2400);
    platform::place(&Label23, 2580, 300 + kRow, 2000, kHeight);
    caption(&Frame2, "元期からの経過時間", 120, 300 + 2 * kRow, 2400);
    platform::place(&Label26, 2580, 300 + 2 * kRow, 2000, kHeight);
    // Text25, the group list, below everything.
    row(this, items_[24], 120, 120 + 16 * kRow);
}

void LiveValuesWindow::publish(const ItemControl& item) {
    if (server_) server_->publish(kTopic, qs(item.name), item.text());
}

const LiveValuesWindow::ItemControl* LiveValuesWindow::find(std::string_view name) const {
    for (const ItemControl& item : items_)
        if (item.name == name) return &item;
    return nullptr;
}

QString LiveValuesWindow::item_text(std::string_view name) const {
    const ItemControl* item = find(name);
    return item ? item->text() : QString();
}

bool LiveValuesWindow::set_item_text(std::string_view name, const QString& text) {
    const ItemControl* item = find(name);
    if (!item) return false;
    if (item->box) item->box->setText(text);
    else item->label->setCaption(text);
    return true;
}

bool LiveValuesWindow::set_item_number(std::string_view name, double value) {
    return set_item_text(name, QString::fromStdString(dde_number_text(name, value)));
}

quint16 item_server_port() {
    const std::string text = trim(ini_read(Section{"DDE"}, Key{"PORT"}, torv_ini()));
    const double port = val(text);
    if (port < 1 || port > 65535 || port != static_cast<int>(port)) return kDefaultPort;
    return static_cast<quint16>(port);
}

bool start_item_server(platform::ItemServer& server) {
    const quint16 port = item_server_port();
    if (server.listen(port)) return true;
    platform::msg_box(QString::fromUtf8("外部参照（ＤＤＥ）のポート %1 を開けません（他のプログラムが使用中です）。"
                                        "torv.ini の [DDE] PORT で別のポートを指定してください。")
                          .arg(port));
    return false;
}

}  // namespace torv
