#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "common/station_table.h"
#include "dialogs/restart.h"
#include "mainwindow/main_settings.h"
#include "orbit/time_base.h"
#include "platform/controls.h"
#include "platform/form.h"

namespace torv {

// What the station dialog works on.
struct StationDialogContext {
    OwnStation& station;
    TimeState& time;
    MainSettings& settings;
    std::string ini_file;
    std::string folder;  // the program folder: the bitmaps and torv.csv
    // Shows the world map of the named bitmap in the main window at once.
    std::function<void(const std::string& file)> show_world_map;
    ProgramEnd end;
};

// The station settings "観測場所設定": the own station (callsign, position, grid locator,
// height, UTC offset), the map and sky bitmaps, the local map's centre, the
// transceivers' ports, the time-setting program and the music play list. "登録" checks
// every field before it changes anything; after an edit that needs it the program
// restarts, otherwise the dialog closes. Its close box registers too.
class StationDialog : public platform::Form {
    Q_OBJECT
public:
    explicit StationDialog(StationDialogContext context);
    ~StationDialog() override;

    platform::Frame station_frame;
    platform::TextBox Text5;  // callsign
    platform::Frame lonlat_frame;
    platform::TextBox Text1, Text2;  // latitude, longitude
    platform::TextBox Text4;         // grid locator
    platform::CommandButton Command2;  // "↑変換"
    platform::TextBox Text3;           // height
    platform::ComboBox Combo3;         // UTC offset
    // The bitmap lists File1..File7 with their labels Label5..Label11.
    std::array<platform::Frame, 7> file_frames;
    std::array<platform::FileListBox, 7> files;
    std::array<platform::Label, 7> file_labels;
    platform::Frame start_frame;
    platform::OptionButton Option1, Option2;  // the world map starts at 0 / at 20 degrees west
    platform::Frame centre_frame;
    platform::TextBox Text6, Text7;  // the local map's centre latitude, longitude
    platform::Frame rig_frame;
    platform::CheckBox Check1, Check2, Check3, Check4;  // FT-847, IC-910, TS-2000, FT-736 on
    platform::ComboBox Combo1, Combo2,                  // FT-847's port and speed
        Combo4, Combo5,                                 // IC-910's
        Combo8, Combo7,                                 // TS-2000's
        Combo9, Combo10;                                // FT-736's
    platform::TextBox Text8, Text9;  // the IC-910's addresses
    platform::Frame time_frame;
    platform::ComboBox Combo6;        // the time-setting program
    platform::TextBox Text10, Text11;  // its two ports
    platform::Frame music_frame;
    platform::ListBox List1;                     // the music play list's files
    platform::CommandButton Command3, Command4;  // "追加", "削除"
    platform::CommandButton Command1;            // "登録"

    int change_level = 0;
    std::string grid_locator;  // written as GURID

    // Registers; false when a check failed (the dialog then stays as it was).
    bool Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();

protected:
    void Form_Load() override;
    void Form_Unload(bool& cancel) override;

private:
    struct Rig;
    void lay_out();
    void connect_handlers();
    void load_rigs();
    bool check_fields();
    void apply_fields();
    void write_keys();
    std::vector<Rig> rigs();

    StationDialogContext ctx_;
    std::vector<std::unique_ptr<platform::Label>> captions_;
    std::string loaded_offset_;
    bool play_list_readable_ = true;
    bool closing_ = false;  // the close runs the register, which then does not close again
};

}  // namespace torv
