#pragma once
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "dialogs/group_list.h"
#include "dialogs/restart.h"
#include "mainwindow/main_settings.h"
#include "orbit/element_table.h"
#include "orbit/time_base.h"
#include "platform/controls.h"
#include "platform/form.h"

namespace torv {

// What the group and colour dialog works on.
struct GroupDialogContext {
    MainSettings& settings;
    TimeState& time;
    const ElementTable& elements;
    std::string ini_file;
    // The caption of the main window's acceleration button ("5分加速処理").
    std::function<void(const std::string& caption)> acceleration_caption;
    ProgramEnd end;
};

inline constexpr int kGroupCount = 5;
inline constexpr int kColorRows = 31;

// One colour the dialog sets: its label (window name), caption, key of [COLOR] and the
// frame it sits in; where the rest of the program holds it, if it does.
struct ColorRow {
    const char* label;
    const char* caption;
    const char* key;
    int frame;
    std::string MainSettings::* shared_text = nullptr;
    double MainSettings::* shared_number = nullptr;
    const char* tip = nullptr;
};
// In the order the register writes them.
extern const ColorRow kColorRowTable[kColorRows];

// The satellite groups and display colours "人工衛星グループの設定": the five groups of
// seven satellites, the 31 colours, the SQA limit, the track dot size, the time-line
// width and the acceleration minutes. "登録" writes every key and stays open; after any
// change the dialog closes only by ending the program for a restart.
class GroupSettingsDialog : public platform::Form {
    Q_OBJECT
public:
    explicit GroupSettingsDialog(GroupDialogContext context);
    ~GroupSettingsDialog() override;

    // Groups: frames Frame1..Frame5, their slot labels (window names Label1.., see
    // group_settings_dialog.cpp), the selection Option1..Option5 in Frame6.
    std::array<platform::Frame, kGroupCount> group_frames;
    std::array<std::array<platform::Label, kGroupSlots>, kGroupCount> slot_labels;
    platform::Frame Frame6;  // "衛星グループの選択": the group to edit
    std::array<platform::OptionButton, kGroupCount> group_options;
    platform::ListBox List1, List2;  // the satellites to choose from, the selected group's names
    platform::CheckBox Check1;       // "ソート"
    platform::CommandButton Command1, Command2;  // "追加", "削除"
    // Colours: the frames, and one label per row of kColorRowTable.
    std::array<platform::Frame, 9> color_frames;
    std::array<platform::Label, kColorRows> color_labels;
    platform::CommandButton Command5;  // "デフォルト"
    platform::Label Label39;           // "ＳＱＡの上限"
    platform::Slider Slider1;          // the SQA limit, 0..50
    platform::Label Label40;           // Slider1's value
    platform::Frame dot_frame, line_frame;
    platform::Slider Slider2;  // the track dot size, 10..35 (in dot_frame)
    platform::Slider Slider3;  // the time-line width, 1..2 (in line_frame)
    platform::Label Label45;   // Slider2's value
    platform::Label Label54;   // Slider3's value
    platform::Frame rate_frame;
    platform::TextBox Text1;  // "加速レート": minutes per acceleration step, 1..60
    platform::Label minutes_label;
    platform::CommandButton Command3, Command4;  // "登録", "終了"

    int settings_changed = 0;
    platform::ColorValue picked_color = 0, previous_color = 0;
    std::array<std::string, kColorRows> color_text;   // what the register writes for each colour
    std::array<std::string, kGroupCount> group_list_text;

    void select_group(int g);  // Option1_Click .. Option5_Click
    int selected_group() const;
    void Check1_Click();
    void Command1_Click();
    void Command2_Click();
    void color_label_click(int row);
    void choose_color();
    void Command5_Click();
    void slider_click(int slider);  // 1..3
    // Checks the acceleration, then writes every key; false when the check failed.
    bool Command3_Click();
    void Command4_Click();
    void load_group_settings();

protected:
    void Form_Load() override;
    void Form_Unload(bool& cancel) override;

private:
    void lay_out();
    void connect_handlers();
    void highlight_selected_group();
    void show_group(int g, const GroupSlots& slot_names);
    void fill_satellite_list();
    void load_colors();
    void load_sliders();
    void write_groups();
    void show_color(int row, platform::ColorValue color);
    void store_color(int row, platform::ColorValue color);

    GroupDialogContext ctx_;
    std::vector<std::string> element_order_, sorted_;  // the names in the element table's order, and sorted
    bool loading_ = false;
};

inline const char* const kAccelerationMessage = "加速時間を１分から６０分の範囲の値をいれてください";

}  // namespace torv
