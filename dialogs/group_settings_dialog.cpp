#include "dialogs/group_settings_dialog.h"

#include "common/csv_fields.h"
#include "common/input_check.h"
#include "common/number_text.h"
#include "common/settings_keys.h"
#include "common/settings_store.h"
#include "platform/choosers.h"
#include "platform/layout.h"
#include "platform/msg_box.h"
#include "platform/text.h"

namespace torv {

using platform::qs;
using S = MainSettings;

const ColorRow kColorRowTable[kColorRows] = {
    {"Label26", "衛星１", "EISEI1", 0},
    {"Label27", "衛星２", "EISEI2", 0},
    {"Label28", "衛星３", "EISEI3", 0},
    {"Label29", "衛星４", "EISEI4", 0},
    {"Label30", "衛星５", "EISEI5", 0},
    {"Label68", "衛星６", "EISEI6", 0},
    {"Label69", "衛星７", "EISEI7", 0},
    {"Label31", "非可視範囲", "GRP_BK_COLOR", 1},
    {"Label32", "可視範囲", "GRP_FOR_COLOR", 1},
    {"Label38", "AO40-SQA", "AO40_SQA_COLOR", 1, &S::ao40_sqa_color_text},
    {"Label41", "AO40-MA", "AO40_MA_COLOR", 1, &S::ao40_ma_color_text},
    {"Label33", "太陽", "SUN_COLOR", 2},
    {"Label34", "月", "MOON_COLOR", 2},
    {"Label71", "火星", "KASEI_COLOR", 3},
    {"Label35", "当日", "TOUJITU_COLOR", 4},
    {"Label36", "当日以外", "TOUJITUGAI_COLOR", 4},
    {"Label42", "昼の色 ", "HIRU_COLOR", 1, &S::hiru_color},
    {"Label43", "夜の色", "YORU_COLOR", 1, &S::yoru_color},
    {"Label37", "バックカラー", "BACKCOLOR", 5, &S::backcolor_text, &S::backcolor},
    {"Label55", "一時間線", "jikan1_LINE_color", 1, &S::jikan1_line_color_text, &S::jikan1_line_color},
    {"Label46", "背景色", "KIDOU_BACK_COLOR", 6, &S::kidou_back_color},
    {"Label47", "地球の色", "KIDOU_TIKYUU_COLOR", 6, &S::kidou_tikyuu_color},
    {"Label53", "衛星の色", "KIDOU_EISEI_COLOR", 6, &S::kidou_eisei_color},
    {"Label48", "送信部分", "RMT_SEND_COLOR", 7, &S::rmt_send_color},
    {"Label49", "ビーコン部分", "RMT_BECON_COLOR", 7, &S::rmt_becon_color},
    {"Label50", "受信部分", "RMT_RECEIVE_COLOR", 7, &S::rmt_receive_color},
    {"Label51", "衛星部分", "RMT_SAT_COLOR", 7, &S::rmt_sat_color},
    {"Label52", "衛星の周波数", "RMT_SAT_FREQ_COLOR", 7, &S::rmt_sat_freq_color, nullptr, "ＴＳ２０００のみ有効"},
    {"Label56", "リグ背景", "RMT_SAT_RIGU_COLOR", 7, &S::rmt_sat_rigu_color},
    {"Label57", "メータ", "RMT_SAT_META_COLOR", 7, &S::rmt_sat_meta_color},
    {"Label70", "衛星情報", "REDA_INFO_COLOR", 8, &S::reda_info_color_text},
};

namespace {

std::string s(const QString& text) { return text.toStdString(); }

// The key as the main window reads it: one description, one default, for both.
const SettingKey& key_of(const char* section, const char* key) { return find_main_setting(section, key)->key; }
const SettingKey& color_key(int row) { return key_of("COLOR", kColorRowTable[row].key); }

// Registering writes the slider keys among the colours: the SQA limit after the AO-40
// colours, the dot size and the line width after the background.
constexpr int kAfterAo40Colors = 10, kAfterBackColor = 18;

constexpr platform::ColorValue kHighlight = 12648447;  // pale yellow

const char* const kGroupNames[kGroupCount][kGroupSlots] = {
    {"Label1", "Label2", "Label3", "Label4", "Label5", "Label58", "Label59"},
    {"Label6", "Label7", "Label8", "Label9", "Label10", "Label60", "Label61"},
    {"Label11", "Label12", "Label13", "Label14", "Label15", "Label62", "Label63"},
    {"Label16", "Label17", "Label18", "Label19", "Label20", "Label64", "Label65"},
    {"Label21", "Label22", "Label23", "Label24", "Label25", "Label66", "Label67"},
};
const char* const kGroupFrameCaptions[kGroupCount] = {"グループＡ", "グループＢ", "グループＣ", "グループＤ", "グループＥ"};
const char* const kGroupFrameTips[kGroupCount] = {"衛星のグループＡ", "衛星のグループＢ", "衛星のグループＣ",
                                                   "衛星のグループＤ", "衛星のグループＥ"};
const char* const kGroupKeys[kGroupCount] = {"GROUP-A", "GROUP-B", "GROUP-C", "GROUP-D", "GROUP-E"};

// The colour frames: caption and place in twips.
const struct {
    const char* caption;
    int left, top, width, height;
} kColorFrames[9] = {
    {"衛星の色", 120, 5940, 1500, 2280},         {"グラフの色", 1740, 5940, 2880, 2280},
    {"太陽／月", 4740, 5940, 1380, 900},         {"惑星の色", 4740, 6900, 1380, 600},
    {"シフト部分", 4740, 7560, 1380, 900},       {"バックカラー", 6240, 5940, 1440, 900},
    {"軌道画面", 6240, 6900, 1440, 1200},        {"リモート画面", 7800, 5940, 1440, 2280},
    {"レーダ部", 6240, 8160, 1440, 600},
};
constexpr int kLine = 270;  // height of one colour or slot label

}  // namespace

GroupSettingsDialog::GroupSettingsDialog(GroupDialogContext context)
    : Frame6(this), List1(this), List2(this), Check1(this), Command1(this), Command2(this), Command5(this),
      Label39(this), Slider1(this), Label40(this), dot_frame(this), line_frame(this), Slider2(&dot_frame),
      Slider3(&line_frame), Label45(&dot_frame), Label54(&line_frame), rate_frame(this), Text1(&rate_frame),
      minutes_label(&rate_frame), Command3(this), Command4(this), ctx_(std::move(context)) {
    setCaption(qs("人工衛星グループの設定"));
    for (int g = 0; g < kGroupCount; ++g) {
        group_frames[g].setParent(this);
        group_options[g].setParent(&Frame6);
        for (platform::Label& l : slot_labels[g]) l.setParent(&group_frames[g]);
    }
    for (platform::Frame& f : color_frames) f.setParent(this);
    for (int r = 0; r < kColorRows; ++r) color_labels[r].setParent(&color_frames[kColorRowTable[r].frame]);
    lay_out();
    connect_handlers();
}

GroupSettingsDialog::~GroupSettingsDialog() = default;

void GroupSettingsDialog::lay_out() {
    move_twips(600, 600, 9375, 9600);
    for (int g = 0; g < kGroupCount; ++g) {
        platform::lay_out({{&group_frames[g], 120 + g * 1860, 120, 1800, 2280, kGroupFrameCaptions[g], kGroupFrameTips[g]},
                           {&group_options[g], 120 + g * 1860 + 780, 240, 300, kLine}});
        group_frames[g].setObjectName(QString("Frame%1").arg(g + 1));
        group_options[g].setObjectName(QString("Option%1").arg(g + 1));
        for (int k = 0; k < kGroupSlots; ++k) {
            platform::place(&slot_labels[g][k], 120, 300 + k * 270, 1560, 255);
            slot_labels[g][k].setObjectName(QString::fromLatin1(kGroupNames[g][k]));
            slot_labels[g][k].setFrameStyle(QFrame::Panel | QFrame::Sunken);
        }
    }
    for (int f = 0; f < 9; ++f) {
        const auto& p = kColorFrames[f];
        platform::lay_out({{&color_frames[f], p.left, p.top, p.width, p.height, p.caption}});
    }
    std::array<int, 9> in_frame{};
    for (int r = 0; r < kColorRows; ++r) {
        const ColorRow& row = kColorRowTable[r];
        const int k = in_frame[row.frame]++;
        const int width = row.frame == 1 ? 1300 : kColorFrames[row.frame].width - 240;
        platform::lay_out({{&color_labels[r], 120, 270 + k * kLine, width, 240, row.caption, row.tip}});
        color_labels[r].setObjectName(QString::fromLatin1(row.label));
    }
    platform::lay_out({
        {&Frame6, 120, 2460, 9120, 600, "衛星グループの選択", "人工衛星のグループの選択"},
        {&List1, 120, 3180, 3000, 2400, nullptr, "選択可能な起動要素（衛星のリスト）"},
        {&Check1, 120, 5640, 1200, kLine, "ソート", "衛星一覧のソートを行う"},
        {&Command1, 3240, 3600, 1080, 420, "追加", "衛星を追加する場合に押下"},
        {&Command2, 3240, 4200, 1080, 420, "削除", "リストから削除する場合に押下"},
        {&List2, 4440, 3180, 2400, 2400, nullptr, "選択されている衛星のリスト"},
        {&rate_frame, 6960, 3180, 2280, 720, "加速レート", "加速シュミレーション時の時間レート設定"},
        {&Text1, 120, 300, 1200, 300},
        {&minutes_label, 1440, 330, 400, kLine, "分"},
        {&Command3, 6960, 4980, 1080, 480, "登録", "情報を登録"},
        {&Command4, 8160, 4980, 1080, 480, "終了", "登録終了"},
        {&Command5, 120, 560, 1200, 300, "デフォルト"},
        {&Label39, 3000, 7620, 1500, kLine, "ＳＱＡの上限"},
        {&Slider1, 3000, 7860, 1300, 300, nullptr, "SQAの上限を設定"},
        {&Label40, 4320, 7860, 300, kLine},
        {&dot_frame, 120, 8820, 3000, 660, "軌跡のサイズ（ドット）", "軌跡のドットのサイズを指定する"},
        {&Slider2, 120, 300, 2200, 300},
        {&Label45, 2400, 300, 400, kLine},
        {&line_frame, 3240, 8820, 2400, 660, "時間線幅"},
        {&Slider3, 120, 300, 1600, 300},
        {&Label54, 1800, 300, 400, kLine},
    });
    // The default button and the SQA slider sit in their colour frames.
    Command5.setParent(&color_frames[5]);
    platform::place(&Command5, 120, 560, 1200, 300);
    for (QWidget* w : std::initializer_list<QWidget*>{&Label39, &Slider1, &Label40}) w->setParent(&color_frames[1]);
    platform::place(&Label39, 1500, 270, 1300, kLine);
    platform::place(&Slider1, 1500, 540, 1000, 300);
    platform::place(&Label40, 2520, 540, 300, kLine);
    const struct {
        platform::Slider* slider;
        int min, max, step;
    } ranges[] = {{&Slider1, 0, 50, 5}, {&Slider2, 10, 35, 5}, {&Slider3, 1, 2, 1}};
    for (const auto& r : ranges) {
        r.slider->setRange(r.min, r.max);
        r.slider->setPageStep(r.step);
        r.slider->setTickInterval(1);
        r.slider->setTickPosition(QSlider::TicksBelow);
    }
    Slider1.setObjectName("Slider1");
    Slider2.setObjectName("Slider2");
    Slider3.setObjectName("Slider3");
}

void GroupSettingsDialog::connect_handlers() {
    for (int g = 0; g < kGroupCount; ++g) group_options[g].Click = [this, g] { select_group(g); };
    Check1.Click = [this] { Check1_Click(); };
    Command1.Click = [this] { Command1_Click(); };
    Command2.Click = [this] { Command2_Click(); };
    for (int r = 0; r < kColorRows; ++r) color_labels[r].Click = [this, r] { color_label_click(r); };
    Command5.Click = [this] { Command5_Click(); };
    Slider1.Change = [this] { slider_click(1); };
    Slider2.Change = [this] { slider_click(2); };
    Slider3.Change = [this] { slider_click(3); };
    Command3.Click = [this] { Command3_Click(); };
    Command4.Click = [this] { Command4_Click(); };
}

// ---- opening -------------------------------------------------------------------------------

void GroupSettingsDialog::Form_Load() {
    loading_ = true;
    group_options[0].setValue(true);
    highlight_selected_group();
    load_group_settings();
    fill_satellite_list();
    show_color(kAfterBackColor, round_half_even_as<platform::ColorValue>(ctx_.settings.backcolor));
    loading_ = false;
}

void GroupSettingsDialog::load_group_settings() {
    for (int g = 0; g < kGroupCount; ++g) {
        group_list_text[g] = ini_read_or(Section{"SATELITE"}, Key{kGroupKeys[g]}, "", ctx_.ini_file);
        const CsvSplit split = split_csv_fields(group_list_text[g]);
        if (split.overflow) platform::msg_box(kCsvOverflowMessage);
        GroupSlots slot_names;
        std::copy_n(split.fields.begin(), kGroupSlots, slot_names.begin());
        show_group(g, slot_names);
        if (group_options[g].value()) select_group(g);
    }
    load_colors();
    load_sliders();
}

void GroupSettingsDialog::load_colors() {
    for (int r = 0; r < kColorRows; ++r) {
        const ColorRow& row = kColorRowTable[r];
        if (r == kAfterBackColor) {  // the background is the main window's, not read here
            color_text[r] = str_num(ctx_.settings.backcolor);
            continue;
        }
        color_text[r] = read_setting(color_key(r), ctx_.ini_file);
        if (row.shared_text) ctx_.settings.*row.shared_text = color_text[r];
        if (row.shared_number) ctx_.settings.*row.shared_number = val(color_text[r]);
        show_color(r, round_half_even_as<platform::ColorValue>(val(color_text[r])));
    }
}

void GroupSettingsDialog::load_sliders() {
    MainSettings& m = ctx_.settings;
    m.ao40_sqa_value = read_setting(key_of("AO40", "AO40_SQA_VALUE"), ctx_.ini_file);
    Label40.setCaption(qs(num_text(val(m.ao40_sqa_value))));
    Slider1.setValue(round_half_even_as<int>(val(m.ao40_sqa_value)));
    m.kasoku_ritu = read_setting(key_of("KASOKU", "KASOKU_RITU"), ctx_.ini_file);
    Text1.setText(qs(m.kasoku_ritu));
    m.kiseki_size_text = read_setting(key_of("KISEKI", "KISEKI_SIZE"), ctx_.ini_file);
    m.kiseki_size = val(m.kiseki_size_text);
    Slider2.setValue(round_half_even_as<int>(m.kiseki_size));
    Label45.setCaption(qs(m.kiseki_size_text));
    m.time_line_text = read_setting(key_of("JIKAN", "TIME_LINE"), ctx_.ini_file);
    Slider3.setValue(round_half_even_as<int>(val(m.time_line_text)));
    Label54.setCaption(qs(m.time_line_text));
}

void GroupSettingsDialog::fill_satellite_list() {
    element_order_.clear();
    for (int i = 1; i <= ctx_.elements.element_line_count(); i += 3) element_order_.push_back(ctx_.elements.element_lines(i));
    sorted_ = sorted_names(element_order_);
    Check1_Click();
}

// ---- groups ---------------------------------------------------------------------------------

void GroupSettingsDialog::show_group(int g, const GroupSlots& slot_names) {
    for (int k = 0; k < kGroupSlots; ++k) slot_labels[g][k].setCaption(qs(slot_names[k]));
}

int GroupSettingsDialog::selected_group() const {
    for (int g = 0; g < kGroupCount; ++g)
        if (group_options[g].value()) return g;
    return 0;
}

void GroupSettingsDialog::highlight_selected_group() {
    for (int g = 0; g < kGroupCount; ++g) {
        const platform::ColorValue c = group_options[g].value() ? kHighlight : platform::kButtonFace;
        QPalette p = group_frames[g].palette();
        p.setColor(QPalette::Window, platform::to_qcolor(c));
        group_frames[g].setPalette(p);
        group_frames[g].setAutoFillBackground(true);
        for (platform::Label& l : slot_labels[g]) l.setBackColor(c);
    }
}

void GroupSettingsDialog::select_group(int g) {
    highlight_selected_group();
    List2.Clear();
    for (const platform::Label& l : slot_labels[g])
        if (!l.caption().isEmpty()) List2.AddItem(l.caption());
}

void GroupSettingsDialog::Check1_Click() {
    List1.Clear();
    for (const std::string& name : Check1.value() == 1 ? sorted_ : element_order_) List1.AddItem(qs(name));
}

void GroupSettingsDialog::Command1_Click() {
    if (List1.listIndex() < 0) {
        platform::msg_box(std::string("衛星を選択してください"));
        return;
    }
    if (List2.listCount() >= kGroupSlots) {
        platform::msg_box(std::string("７個以上の選択はできません"));
        return;
    }
    List2.AddItem(List1.list(List1.listIndex()));
    settings_changed = 1;
    write_groups();
}

void GroupSettingsDialog::Command2_Click() {
    if (List2.listCount() == 0) {
        platform::msg_box(std::string("削除する項目がありません"));
        return;
    }
    if (List2.listIndex() < 0) {
        platform::msg_box(std::string("削除する衛星を選んでください"));
        return;
    }
    List2.RemoveItem(List2.listIndex());
    settings_changed = 1;
    write_groups();
}

// The edit list into the selected group's labels: its names, then empty slot_names.
void GroupSettingsDialog::write_groups() {
    std::vector<std::string> names;
    for (int i = 0; i < List2.listCount(); ++i) names.push_back(s(List2.list(i)));
    show_group(selected_group(), group_slots(names));
}

// ---- colours and sliders -------------------------------------------------------------------

void GroupSettingsDialog::choose_color() {
    const std::optional<platform::ColorValue> c = platform::choose_color(picked_color);
    if (c) settings_changed = 1;
    picked_color = c ? *c : previous_color;
}

void GroupSettingsDialog::color_label_click(int r) {
    previous_color = color_labels[r].backColor();
    choose_color();
    store_color(r, picked_color);
    settings_changed = 1;
}

void GroupSettingsDialog::show_color(int r, platform::ColorValue color) {
    color_labels[r].setBackColor(color);
    // The caption stays readable on a dark colour.
    const QColor c = platform::to_qcolor(color);
    color_labels[r].setForeColor(c.lightness() < 100 ? platform::kWhite : platform::kBlack);
}

void GroupSettingsDialog::store_color(int r, platform::ColorValue color) {
    const ColorRow& row = kColorRowTable[r];
    show_color(r, color);
    color_text[r] = str_num(static_cast<double>(color));
    if (row.shared_text) ctx_.settings.*row.shared_text = color_text[r];
    if (row.shared_number) ctx_.settings.*row.shared_number = static_cast<double>(color);
}

void GroupSettingsDialog::Command5_Click() {
    store_color(kAfterBackColor, platform::kButtonFace);
    settings_changed = 1;
}

void GroupSettingsDialog::slider_click(int slider) {
    if (loading_) return;
    platform::Slider* const sliders[] = {&Slider1, &Slider2, &Slider3};
    platform::Label* const labels[] = {&Label40, &Label45, &Label54};
    const int value = sliders[slider - 1]->value();
    labels[slider - 1]->setCaption(QString::number(value));
    if (slider == 2) ctx_.settings.kiseki_size = value;
    if (slider == 3) ctx_.settings.time_line_text = std::to_string(value);
    settings_changed = 1;
}

// ---- register and close ----------------------------------------------------------------------

bool GroupSettingsDialog::Command3_Click() {
    if (check_numeric_input(Text1, 1, 60) != 0) {
        platform::msg_box(std::string(kAccelerationMessage));
        Text1.clear();
        Text1.setFocus();
        return false;
    }
    MainSettings& m = ctx_.settings;
    const std::string& ini = ctx_.ini_file;
    m.kasoku_ritu = ctx_.time.kasoku_ritu = s(Text1.text());
    if (ctx_.acceleration_caption) ctx_.acceleration_caption(m.kasoku_ritu + "分加速処理");
    write_setting(key_of("KASOKU", "KASOKU_RITU"), m.kasoku_ritu, ini);
    for (int g = 0; g < kGroupCount; ++g) {
        GroupSlots slot_names;
        for (int k = 0; k < kGroupSlots; ++k) slot_names[k] = s(slot_labels[g][k].caption());
        group_list_text[g] = torv::group_list_text(slot_names);
        ini_write(Section{"SATELITE"}, Key{kGroupKeys[g]}, group_list_text[g], ini);
    }
    for (int r = 0; r < kColorRows; ++r) {
        const ColorRow& row = kColorRowTable[r];
        // The numbers the program works with are written in their signed form.
        if (row.shared_number) color_text[r] = ctx_.settings.*row.shared_text = str_num(ctx_.settings.*row.shared_number);
        write_setting(color_key(r), color_text[r], ini);
        if (r == kAfterAo40Colors) {
            m.ao40_sqa_value = str_num(Slider1.value());
            write_setting(key_of("AO40", "AO40_SQA_VALUE"), m.ao40_sqa_value, ini);
        }
        if (r == kAfterBackColor) {
            m.kiseki_size_text = str_num(Slider2.value());
            m.kiseki_size = Slider2.value();
            write_setting(key_of("KISEKI", "KISEKI_SIZE"), m.kiseki_size_text, ini);
            write_setting(key_of("JIKAN", "TIME_LINE"), m.time_line_text, ini);
        }
    }
    return true;
}

void GroupSettingsDialog::Command4_Click() {
    // What was changed and not registered is not written.
    if (settings_changed == 1) restart_program(ctx_.end);
    else Unload();
}

void GroupSettingsDialog::Form_Unload(bool& cancel) {
    if (settings_changed != 1) return;
    // A register that fails keeps the dialog open with its edits, for the operator to mend.
    if (!Command3_Click()) {
        cancel = true;
        return;
    }
    restart_program(ctx_.end);
}

}  // namespace torv
