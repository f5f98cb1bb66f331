#pragma once
#include <array>
#include <memory>
#include <string>

#include "common/station_table.h"
#include "dialogs/restart.h"
#include "platform/controls.h"
#include "platform/form.h"

namespace torv {

// What the partner-station dialog works on.
struct PartnerDialogContext {
    PartnerStationTable& partners;
    std::string ini_file;
    std::string map_folder;  // where the local maps' bitmaps lie
    ProgramEnd end;
};

// One of the dialog's five rows, framed "相手局n". Each control carries its window
// name as object name; row 1 holds Text1 (callsign), Text2 (longitude), Text3
// (latitude), Text4 (locator), Command1 (convert), Text5 (height), Combo1 (UTC
// offset), Option1/Option2 (world/local), Frame16, Check1 (has map), File1, Label31
// (map file), Label36/Label37 and Text26/Text27 (map centre); rows 2 to 5 the names
// of the table kPartnerRowNames in partner_station_dialog.cpp.
struct PartnerRow {
    explicit PartnerRow(QWidget* parent);
    platform::Frame frame;
    platform::Label call_caption;
    platform::TextBox call;
    platform::Frame lonlat_frame;
    platform::Label lon_caption, lat_caption;
    platform::TextBox lon, lat;
    platform::Label grid_caption;
    platform::TextBox grid;
    platform::CommandButton convert;
    platform::Label height_caption;
    platform::TextBox height;
    platform::Label utc_caption;
    platform::ComboBox utc;
    platform::Frame map_choice;
    platform::OptionButton world, local;
    platform::Frame map_frame;
    platform::CheckBox has_map;
    platform::FileListBox files;
    platform::Label map_file;
    platform::Label centre_lon_caption, centre_lat_caption;
    platform::TextBox centre_lon, centre_lat;
};

// The partner-station dialog "相手局登録 ": five partner stations, each with its
// position (typed or converted from a grid locator), height, UTC offset, the maps it is
// marked on and a local map of its own. Registering checks every row with a callsign
// and writes all five records; when anything was edited the program restarts.
class PartnerStationDialog : public platform::Form {
    Q_OBJECT
public:
    explicit PartnerStationDialog(PartnerDialogContext context);
    ~PartnerStationDialog() override;

    PartnerRow& row(int n) { return *rows_[n]; }  // n = 0..4
    platform::CommandButton Command6, Command7;    // "登録", "取り消し"
    int partner_changed = 0;

    void Command6_Click();  // register
    void Command7_Click();  // cancel
    void convert_click(int n);
    // 0, or the code of the first failing field: 1 callsign, 2 latitude, 3 longitude,
    // 4 height, 5 UTC offset, 6 locator.
    int check_station_fields(PartnerRow& r);
    // 0, or 20 map file, 22 centre longitude, 21 centre latitude.
    int check_local_map(PartnerRow& r);
    void save_all_stations();
    void save_station_record(int n);

protected:
    void Form_Load() override;

private:
    void lay_out_row(int n);
    void connect_row(int n);
    void fill_rows();
    void set_map_controls(PartnerRow& r, bool on, bool with_check_box);
    bool all_callsigns_empty();

    PartnerDialogContext ctx_;
    std::array<std::unique_ptr<PartnerRow>, kPartnerRecords> rows_;
};

inline const char* const kPartnerCheckErrorMessage = "エラーが発生しました CHK_ERR=";

}  // namespace torv
