#include "common/sat_info_editor.h"

#include <QApplication>
#include <QKeyEvent>
#include <algorithm>

#include "common/input_check.h"
#include "common/number_text.h"
#include "platform/layout.h"
#include "platform/msg_box.h"
#include "platform/text.h"

namespace torv {

using platform::qs;

namespace {

std::string s(const QLineEdit& box) { return box.text().toStdString(); }
std::string s(const QLabel& label) { return label.text().toStdString(); }

std::string or_zero(const std::string& field) { return field.empty() ? "0" : field; }

Conversion conversion_of(int type) {
    return type == 0 ? Conversion::Fixed : type == 1 ? Conversion::Inverting : Conversion::NonInverting;
}

int type_of(Conversion c) { return c == Conversion::Fixed ? 0 : c == Conversion::Inverting ? 1 : 2; }

const char* const kModeNames[4] = {"ＵＳＢ", "ＬＳＢ", "ＣＷ", "ＦＭ"};

const char* const kTones[] = {"なし",  "67.0",  "69.3",  "71.9",  "74.4",  "77.0",  "79.7",  "82.5",
                              "85.4",  "88.5",  "91.5",  "94.8",  "97.4",  "100.0", "103.5", "107.2",
                              "110.9", "114.8", "118.8", "123.0", "127.3", "131.8", "136.5", "141.3",
                              "146.2", "151.4", "156.7", "162.2", "167.9", "173.8", "179.9", "186.2",
                              "192.8", "203.5", "210.7", "218.1", "225.7", "233.6", "241.8", "250.3"};
const char* const kPowers[] = {"1", "5", "10", "20", "50", "100", "200"};

}  // namespace

SatInfoEditor::SatInfoEditor(SatInfoEditorContext context)
    : Label1(this), Label2(this), Label3(this), Label4(this), Label5(this), Label6(this), Label7(this), Text1(this),
      Text2(this), Text3(this), Text4(this), Text5(this), Frame1(this), Frame2(this), Frame3(this), Option1(&Frame1),
      Option2(&Frame1), Option3(&Frame1), Option4(&Frame2), Option5(&Frame2), Option6(&Frame2), Option7(&Frame2),
      Option8(&Frame3), Option9(&Frame3), Option10(&Frame3), Option11(&Frame3), Frame5(this), Frame6(this),
      Label11(&Frame5), Label12(&Frame5), Text8(&Frame5), Text9(&Frame5), Label13(&Frame6), Label14(&Frame6),
      Label15(&Frame6), Label16(&Frame6), Frame4(this), Label8(&Frame4), Label9(&Frame4), Label10(&Frame4),
      Text6(&Frame4), Text7(&Frame4), Frame7(this), Text10(&Frame7), Label17(&Frame7), Frame15(this),
      Text15(&Frame15), Frame8(this), Combo1(&Frame8), Label18(&Frame8), Frame9(this), Option12(&Frame9),
      Option13(&Frame9), Option14(&Frame9), Option15(&Frame9), Frame14(this), Combo2(&Frame14), Frame10(this),
      Check1(&Frame10), Frame11(this), Frame12(&Frame11), Frame13(&Frame11), Text11(&Frame12), Text12(&Frame12),
      Text13(&Frame13), Text14(&Frame13), Label19(&Frame12), Label20(&Frame13), Command1(this),
      ctx_(std::move(context)) {
    setCaption(qs("衛星情報"));
    move_twips(1200, 600, 9840, 8580);
    lay_out();
    connect_handlers();
    set_opening_state();
    setFixedSize(QWidget::size());
}

void SatInfoEditor::lay_out() {
    constexpr int O = 270, T = 330;  // heights of an option line and a text box
    platform::lay_out({
        {&Label1, 240, 150, 900, 300, "人工衛星"},
        {&Label2, 1200, 150, 3000, 300, nullptr, "人工衛星の名称"},
        {&Label3, 240, 630, 1800, 300, "ビーコン周波数"},
        {&Text1, 2040, 600, 1500, T, nullptr, "ビーコンの周波数"},
        {&Label4, 240, 1050, 1800, 300, "アップリンク周波数"},
        {&Text2, 2040, 1020, 1500, T, nullptr, "送信周波数"},
        {&Label5, 240, 1470, 1800, 300, "ダウンリンク周波数"},
        {&Text3, 2040, 1440, 1500, T, nullptr, "受信周波数"},
        {&Label6, 240, 2190, 1800, 300, "コメント"},
        {&Text4, 2040, 2160, 7320, T},
        {&Label7, 240, 2610, 1800, 300, "URL"},
        {&Text5, 2040, 2580, 7320, T, nullptr, "人工衛星のホームページを設定"},

        {&Frame1, 3780, 480, 1620, 1500, "周波数", "人工衛星の変換方式"},
        {&Option1, 120, 300, 1400, O, "固定"},
        {&Option2, 120, 585, 1400, O, "反転"},
        {&Option3, 120, 870, 1400, O, "非反転"},
        {&Frame2, 5520, 480, 1620, 1500, "送信の電波形式", "送信時の電波形式"},
        {&Frame3, 7260, 480, 1740, 1500, "受信の電波形式", "受信時の電波形式"},

        {&Frame5, 240, 3060, 4380, 1020, "周波数範囲"},
        {&Label11, 120, 300, 2000, O, "下限周波数"},
        {&Text8, 120, 570, 2000, T},
        {&Label12, 2220, 300, 2000, O, "～上限周波数"},
        {&Text9, 2220, 570, 2000, T},
        {&Frame6, 4740, 3060, 4380, 1020, "周波数範囲"},
        {&Label14, 120, 300, 2000, O},
        {&Label15, 120, 570, 2000, T},
        {&Label13, 2220, 300, 2000, O},
        {&Label16, 2220, 570, 2000, T},

        {&Frame4, 240, 4200, 4380, 780, "トランスポンダーオンのＭＡ"},
        {&Label8, 120, 360, 900, O, "開始ＭＡ"},
        {&Text6, 1020, 330, 1000, T},
        {&Label9, 2100, 360, 300, O, "～"},
        {&Label10, 2400, 360, 900, O, "終了ＭＡ"},
        {&Text7, 3300, 330, 1000, T},
        {&Frame7, 4740, 4200, 2220, 780, "コンバータ補正周波数"},
        {&Text10, 120, 330, 1300, T},
        {&Label17, 1500, 360, 600, O, "ＭＨＺ"},
        {&Frame15, 7080, 4200, 2040, 780, "軌道補正値"},
        {&Text15, 120, 330, 1800, T},

        {&Frame8, 240, 5100, 1560, 780, "送信電力"},
        {&Combo1, 120, 330, 1000, T},
        {&Label18, 1200, 360, 300, O, "Ｗ"},
        {&Frame9, 1920, 5100, 3720, 780, "ビーコンの電波形式"},
        {&Frame14, 5760, 5100, 1440, 780, "トーン制御"},
        {&Combo2, 120, 330, 1200, T},
        {&Frame10, 7320, 5100, 2280, 780, "ＡＯ－５１のトーン制御"},
        {&Check1, 120, 360, 1600, O, "トーン制御"},

        {&Frame11, 240, 6000, 9360, 1560, "自動起動プログラム"},
        {&Frame12, 120, 300, 4500, 1140, "プログラム１"},
        {&Text11, 120, 300, 4260, T},
        {&Label19, 120, 720, 1000, O, "パラメータ"},
        {&Text12, 1140, 690, 3240, T},
        {&Frame13, 4740, 300, 4500, 1140, "プログラム２"},
        {&Text13, 120, 300, 4260, T},
        {&Label20, 120, 720, 1000, O, "パラメータ"},
        {&Text14, 1140, 690, 3240, T},

        {&Command1, 7560, 7800, 2040, 480, "登録終了", "人工衛星の情報登録の終了"},
    });
    // The mode buttons: a column of four in the uplink and downlink frames, a row in the beacon frame.
    for (int i = 0; i < 4; ++i) {
        platform::lay_out({{uplink_modes()[i], 120, 300 + i * 285, 1400, O, kModeNames[i]},
                           {downlink_modes()[i], 120, 300 + i * 285, 1400, O, kModeNames[i]},
                           {beacon_modes()[i], 120 + i * 890, 360, 870, O, kModeNames[i]}});
    }
    for (platform::Label* value : {&Label15, &Label16}) value->setFrameStyle(QFrame::Panel | QFrame::Sunken);
}

void SatInfoEditor::connect_handlers() {
    Option1.Click = [this] { Option1_Click(); };
    Option2.Click = [this] { Option2_Click(); };
    Option3.Click = [this] { Option3_Click(); };
    for (platform::TextBox* box : {&Text8, &Text9, &Text15}) box->installEventFilter(this);
    Command1.Click = [this] { Command1_Click(); };
}

void SatInfoEditor::set_opening_state() {
    Combo1.setEditable(true);
    for (const char* p : kPowers) Combo1.AddItem(qs(p));
    Combo2.setEditable(true);
    for (const char* t : kTones) Combo2.AddItem(qs(t));
    Option5.setValue(true);
    Option8.setValue(true);
    Option12.setValue(true);
    filling_ = true;
    Option2.setValue(true);
    filling_ = false;
    Check1.setValue(1);
    Text10.setText("0");
    Text15.setText("0");
    Combo1.setCurrentText("50");
    Combo2.setCurrentText(qs(kNoTone));
}

bool SatInfoEditor::still_selected() const { return s(Label2) == ctx_.selected_sat; }

std::string SatInfoEditor::chosen_mode(const ModeButtons& buttons, const std::string& current) {
    for (int i = 0; i < 4; ++i)
        if (buttons[i]->value()) return std::to_string(i + 1);
    return current;
}

void SatInfoEditor::choose_mode(const ModeButtons& buttons, const std::string& code) {
    static const std::string codes[4] = {kModeUsb, kModeLsb, kModeCw, kModeFm};
    const auto it = std::find(std::begin(codes), std::end(codes), code);
    if (it != std::end(codes)) buttons[it - std::begin(codes)]->setValue(true);
}

void SatInfoEditor::Form_Load() {
    const std::string sat = ctx_.selected_sat;
    const std::string& ini = ctx_.ini_file;
    CurrentSatValues& v = ctx_.current;
    Label2.setCaption(qs(sat));
    Frame4.setVisible(sat == kAo40);
    Frame10.setVisible(sat == kAo51);

    v.ao51_tone = read_ao51_tone(ini);
    Check1.setValue(v.ao51_tone == "1" ? 1 : 0);
    v.sat_info = read_sat_info_or_default(sat, ini);
    v.sat_r_freq = read_sat_freq_range(sat, ini);
    v.sat_url = read_sat_url(sat, ini);
    show_sat_info();

    const SatProgram p1 = read_sat_program(1, sat, ini), p2 = read_sat_program(2, sat, ini);
    v.sat_program1_path = p1.path;
    v.sat_program1_param = p1.param;
    v.sat_program1 = p1.path.empty() && p1.param.empty() ? "" : p1.path + "," + p1.param;
    v.sat_program2_path = p2.path;
    v.sat_program2_param = p2.param;
    v.sat_program2 = p2.path.empty() && p2.param.empty() ? "" : p2.path + "," + p2.param;
    Text11.setText(qs(p1.path));
    Text12.setText(qs(p1.param));
    Text13.setText(qs(p2.path));
    Text14.setText(qs(p2.param));

    v.sat_hosei_text = read_sat_hosei(sat, ini);
    Text15.setText(qs(v.sat_hosei_text));
}

void SatInfoEditor::show_sat_info() {
    CurrentSatValues& v = ctx_.current;
    const SatInfoRecord r = parse_sat_info(v.sat_info);
    filling_ = true;
    Text1.setText(qs(or_zero(r.beacon)));
    Text2.setText(qs(or_zero(r.uplink)));
    Text3.setText(qs(or_zero(r.downlink)));
    Text4.setText(qs(r.comment));

    edit_up_mode = or_zero(r.uplink_mode);
    choose_mode(uplink_modes(), edit_up_mode);
    edit_down_mode = or_zero(r.downlink_mode);
    choose_mode(downlink_modes(), edit_down_mode);
    set_conv_type(type_of(editor_conversion(r.conversion)));

    // Only AO-40's own record is the transponder-on window the charts use.
    const std::string field8 = record_field(v.sat_info, 8);
    Text6.setText(qs(r.on_window.first));
    Text7.setText(qs(r.on_window.second));
    if (s(Label2) == kAo40) set_ao40_window(v, field8);

    const bool has_corrections = !record_field(v.sat_info, 9).empty();
    edit_tx_correction = has_corrections ? r.corrections.first : "0";
    edit_rx_correction = has_corrections ? r.corrections.second : "0";
    Text10.setText(qs(or_zero(r.converter_offset)));
    Text5.setText(qs(v.sat_url));

    const SatFreqRange f = parse_sat_freq_range(v.sat_r_freq);
    Text8.setText(qs(f.uplink.first));
    Text9.setText(qs(f.uplink.second));
    edit_uplink_low_ = val(f.uplink.first);
    edit_uplink_high_ = val(f.uplink.second);
    v.sat_uplink_low = edit_uplink_low_;
    v.sat_uplink_high = edit_uplink_high_;
    update_passband(edit_conv_type);

    v.sat_tx_power = f.tx_power;
    Combo1.setCurrentText(qs(f.tx_power));
    v.sat_beacon_mode = f.beacon_mode;
    choose_mode(beacon_modes(), f.beacon_mode);
    v.sat_tone = f.tone;
    Combo2.setCurrentText(qs(f.tone));
    filling_ = false;
}

void SatInfoEditor::set_conv_type(int type) {
    edit_conv_type = static_cast<int16_t>(type);
    platform::OptionButton* buttons[3] = {&Option1, &Option2, &Option3};
    buttons[type]->setValue(true);
}

void SatInfoEditor::update_passband(int type) {
    const PassbandView view = passband_view(conversion_of(type), s(Text2), s(Text3), s(Text8), s(Text9));
    Text8.setEnabled(view.edges_enabled);
    Text9.setEnabled(view.edges_enabled);
    if (view.low_box) Text8.setText(qs(*view.low_box));
    if (view.high_box) Text9.setText(qs(*view.high_box));
    Label14.setCaption(qs(view.low_caption));
    Label13.setCaption(qs(view.high_caption));
    Label15.setCaption(qs(view.downlink_first));
    Label16.setCaption(qs(view.downlink_second));
    if (still_selected()) {
        ctx_.current.sat_downlink_low = val(view.downlink_first);
        ctx_.current.sat_downlink_high = val(view.downlink_second);
    }
}

void SatInfoEditor::refill_edges() {
    Text8.setText(qs(str_num(edit_uplink_low_)));
    Text9.setText(qs(str_num(edit_uplink_high_)));
}

void SatInfoEditor::Option1_Click() {
    if (filling_) return;
    edit_conv_type = 0;
    update_passband(edit_conv_type);
}

void SatInfoEditor::Option2_Click() {
    if (filling_) return;
    edit_conv_type = 1;
    refill_edges();
    update_passband(edit_conv_type);
}

void SatInfoEditor::Option3_Click() {
    if (filling_) return;
    edit_conv_type = 2;
    refill_edges();
    update_passband(edit_conv_type);
}

void SatInfoEditor::Text8_KeyUp() {
    update_passband(edit_conv_type);
    edit_uplink_low_ = val(s(Text8));
    if (still_selected()) ctx_.current.sat_uplink_low = edit_uplink_low_;
}

void SatInfoEditor::Text9_KeyUp() {
    update_passband(edit_conv_type);
    edit_uplink_high_ = val(s(Text9));
    if (still_selected()) ctx_.current.sat_uplink_high = edit_uplink_high_;
}

bool SatInfoEditor::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const QString text = static_cast<QKeyEvent*>(event)->text();
        if (!text.isEmpty() && !number_key_allowed(text.toUcs4().value(0))) {
            QApplication::beep();
            return true;
        }
    } else if (event->type() == QEvent::KeyRelease) {
        if (watched == &Text8) Text8_KeyUp();
        if (watched == &Text9) Text9_KeyUp();
    }
    return platform::Form::eventFilter(watched, event);
}

int SatInfoEditor::check_transponder_ma() {
    const bool start_empty = trim(s(Text6)).empty(), end_empty = trim(s(Text7)).empty();
    if (start_empty && end_empty) return 0;
    auto refuse = [](platform::TextBox& box, const char* message, bool clear, int code) {
        platform::msg_box(std::string(message));
        if (clear) box.clear();
        box.setFocus();
        return code;
    };
    if (start_empty) return refuse(Text6, "トランスポンダーオンの開始ＭＡの値が入力されていません", false, 2);
    if (check_numeric_input(Text6, 0, 256) != 0)
        return refuse(Text6, "トランスポンダーオンの開始ＭＡを０から２５６の範囲の値をいれてください", true, 1);
    if (end_empty) return refuse(Text7, "トランスポンダーオンの終了ＭＡの値が入力されていません", false, 4);
    if (check_numeric_input(Text7, 0, 256) != 0)
        return refuse(Text7, "トランスポンダーオンの終了ＭＡを０から２５６の範囲の値をいれてください", true, 3);
    return 0;
}

SatInfoEntry SatInfoEditor::entry_from_controls() {
    SatInfoEntry e;
    e.sat = s(Label2);
    e.info = {trim(s(Text1)), trim(s(Text2)), edit_up_mode, trim(s(Text3)), edit_down_mode, s(Text4),
              std::to_string(edit_conv_type), {s(Text6), s(Text7)}, {trim(edit_tx_correction), trim(edit_rx_correction)},
              trim(s(Text10))};
    e.info.comment = fitted_comment(e.info, ctx_.ini_file);
    Text4.setText(qs(e.info.comment));
    const std::string beacon =
        chosen_mode(beacon_modes(), ctx_.current.sat_beacon_mode);
    e.freq = {{s(Text8), s(Text9)}, {s(Label15), s(Label16)}, Combo1.text().toStdString(), beacon,
              Combo2.text().toStdString()};
    e.url = s(Text5);
    e.ao51_tone = std::to_string(Check1.value());
    e.program1 = {trim(s(Text11)), trim(s(Text12))};
    e.program2 = {trim(s(Text13)), trim(s(Text14))};
    e.hosei = trim(s(Text15));
    return e;
}

void SatInfoEditor::Command1_Click() {
    if (const auto message = frequency_error(s(Text1), s(Text2), s(Text3))) {
        platform::msg_box(*message);
        return;
    }
    edit_conv_type = static_cast<int16_t>(Option1.value() ? 0 : Option2.value() ? 1 : 2);
    edit_up_mode = chosen_mode(uplink_modes(), edit_up_mode);
    edit_down_mode = chosen_mode(downlink_modes(), edit_down_mode);
    if (s(Label2) == kAo40 && check_transponder_ma() != 0) return;

    QString comment = Text4.text();
    comment.replace(':', ' ').replace(',', ' ');
    Text4.setText(comment);
    // The downlink passband follows the frequencies as they stand now, typed or not.
    update_passband(edit_conv_type);
    if (!store_sat_info_entry(entry_from_controls(), ctx_)) platform::msg_box(kSelectionChangedMessage);
    Unload();
}

}  // namespace torv
