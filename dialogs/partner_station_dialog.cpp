#include "dialogs/partner_station_dialog.h"

#include <cmath>

#include "common/input_check.h"
#include "common/number_text.h"
#include "common/settings_store.h"
#include "dialogs/grid_locator.h"
#include "dialogs/partner_record.h"
#include "platform/layout.h"
#include "platform/msg_box.h"
#include "platform/text.h"

namespace torv {

using platform::qs;

namespace {

std::string s(const QString& text) { return text.toStdString(); }

// The window names of each row's controls, in the order of PartnerRow's named members.
struct RowNames {
    const char *call, *lon, *lat, *grid, *convert, *height, *utc, *world, *local, *map_frame, *has_map, *files,
        *map_file, *centre_lon_caption, *centre_lat_caption, *centre_lon, *centre_lat;
};
const RowNames kPartnerRowNames[kPartnerRecords] = {
    {"Text1", "Text2", "Text3", "Text4", "Command1", "Text5", "Combo1", "Option1", "Option2", "Frame16", "Check1",
     "File1", "Label31", "Label36", "Label37", "Text26", "Text27"},
    {"Text10", "Text7", "Text8", "Text9", "Command2", "Text6", "Combo2", "Option3", "Option4", "Frame17", "Check2",
     "File2", "Label32", "Label38", "Label39", "Text28", "Text29"},
    {"Text15", "Text12", "Text13", "Text14", "Command3", "Text11", "Combo3", "Option5", "Option6", "Frame18",
     "Check3", "File3", "Label33", "Label40", "Label41", "Text30", "Text31"},
    {"Text20", "Text17", "Text18", "Text19", "Command4", "Text16", "Combo4", "Option7", "Option8", "Frame19",
     "Check4", "File4", "Label34", "Label42", "Label43", "Text32", "Text33"},
    {"Text25", "Text22", "Text23", "Text24", "Command5", "Text21", "Combo5", "Option9", "Option10", "Frame20",
     "Check5", "File5", "Label35", "Label44", "Label45", "Text34", "Text35"},
};

constexpr int kRowHeight = 1500, kRowTop = 120, kRowGap = 60;

// A field the check refuses: its message, emptied (or not) and focused.
int refuse(QLineEdit* box, const char* message, int code, bool empty_it = true) {
    platform::msg_box(std::string(message));
    if (empty_it) box->clear();
    box->setFocus();
    return code;
}

}  // namespace

PartnerRow::PartnerRow(QWidget* parent)
    : frame(parent), call_caption(&frame), call(&frame), lonlat_frame(&frame), lon_caption(&lonlat_frame),
      lat_caption(&lonlat_frame), lon(&lonlat_frame), lat(&lonlat_frame), grid_caption(&frame), grid(&frame),
      convert(&frame), height_caption(&frame), height(&frame), utc_caption(&frame), utc(&frame), map_choice(&frame),
      world(&map_choice), local(&map_choice), map_frame(&frame), has_map(&map_frame), files(&map_frame),
      map_file(&map_frame), centre_lon_caption(&map_frame), centre_lat_caption(&map_frame), centre_lon(&map_frame),
      centre_lat(&map_frame) {}

PartnerStationDialog::PartnerStationDialog(PartnerDialogContext context)
    : Command6(this), Command7(this), ctx_(std::move(context)) {
    setCaption(qs("相手局登録 "));
    move_twips(600, 600, 16200, 8760);
    for (int n = 0; n < kPartnerRecords; ++n) {
        rows_[n] = std::make_unique<PartnerRow>(this);
        lay_out_row(n);
        connect_row(n);
    }
    platform::lay_out({{&Command6, 12240, 7860, 1800, 480, "登録"}, {&Command7, 14160, 7860, 1800, 480, "取り消し"}});
    Command6.Click = [this] { Command6_Click(); };
    Command7.Click = [this] { Command7_Click(); };
    setFixedSize(QWidget::size());
}

PartnerStationDialog::~PartnerStationDialog() = default;

void PartnerStationDialog::lay_out_row(int n) {
    PartnerRow& r = row(n);
    constexpr int T = 300, L = 270;  // heights of a text box and a label line
    const char* const titles[kPartnerRecords] = {"相手局１", "相手局２", "相手局３", "相手局４", "相手局５"};
    platform::lay_out({
        {&r.frame, 120, kRowTop + n * (kRowHeight + kRowGap), 15960, kRowHeight, titles[n]},
        {&r.call_caption, 120, 300, 1300, L, "コールサイン"},
        {&r.call, 120, 600, 1300, T},
        {&r.lonlat_frame, 1560, 180, 2280, 1020, "経度／緯度"},
        {&r.lon_caption, 120, 300, 500, L, "経度"},
        {&r.lon, 660, 270, 1500, T},
        {&r.lat_caption, 120, 630, 500, L, "緯度"},
        {&r.lat, 660, 600, 1500, T},
        {&r.grid_caption, 3960, 300, 1600, L, "グリッドロケータ"},
        {&r.grid, 3960, 600, 1100, T},
        {&r.convert, 3960, 960, 1100, T, "↑変換"},
        {&r.height_caption, 5700, 300, 800, L, "海抜"},
        {&r.height, 5700, 600, 800, T},
        {&r.utc_caption, 6600, 300, 2400, L, "ＵＴＣからの時差（時間）"},
        {&r.utc, 6600, 600, 1000, T},
        {&r.map_choice, 9120, 180, 2040, 1020, "表示する地図の選択"},
        {&r.world, 120, 300, 1320, L, "ＷＯＲＬＤ"},
        {&r.local, 120, 630, 1320, L, "ＬＯＣＡＬ"},
        {&r.map_frame, 11280, 120, 4560, 1300, "ローカル地図の情報"},
        {&r.has_map, 120, 300, 1100, L, "地図あり"},
        {&r.files, 120, 560, 1800, 680},
        {&r.map_file, 2040, 300, 2400, L},
        {&r.centre_lon_caption, 2040, 630, 500, L, "経度"},
        {&r.centre_lon, 2580, 600, 900, T},
        {&r.centre_lat_caption, 2040, 960, 500, L, "緯度"},
        {&r.centre_lat, 2580, 930, 900, T},
    });
    const RowNames& names = kPartnerRowNames[n];
    const std::pair<QObject*, const char*> named[] = {
        {&r.call, names.call}, {&r.lon, names.lon}, {&r.lat, names.lat}, {&r.grid, names.grid},
        {&r.convert, names.convert}, {&r.height, names.height}, {&r.utc, names.utc}, {&r.world, names.world},
        {&r.local, names.local}, {&r.map_frame, names.map_frame}, {&r.has_map, names.has_map},
        {&r.files, names.files}, {&r.map_file, names.map_file}, {&r.centre_lon_caption, names.centre_lon_caption},
        {&r.centre_lat_caption, names.centre_lat_caption}, {&r.centre_lon, names.centre_lon},
        {&r.centre_lat, names.centre_lat}};
    for (const auto& [control, name] : named) control->setObjectName(QString::fromLatin1(name));
    r.utc.setEditable(true);
    for (int h = -12; h <= 12; ++h) r.utc.AddItem(QString::number(h));
    r.utc.setText(QString());
    r.map_file.setFrameStyle(QFrame::Panel | QFrame::Sunken);
    r.files.setPattern(QStringLiteral("*.bmp"));
}

void PartnerStationDialog::connect_row(int n) {
    PartnerRow& r = row(n);
    const auto changed = [this] { partner_changed = 1; };
    for (platform::TextBox* box : {&r.call, &r.lon, &r.lat, &r.height}) box->Change = changed;
    r.utc.Change = changed;
    r.has_map.Click = [this, &r] {
        partner_changed = 1;
        set_map_controls(r, r.has_map.value() == 1, false);
    };
    r.world.Click = [this, &r] {
        partner_changed = 1;
        set_map_controls(r, true, true);
    };
    r.local.Click = [this, &r] {
        partner_changed = 1;
        set_map_controls(r, false, true);
        r.map_file.setCaption(QString());
    };
    r.files.Click = [&r] { r.map_file.setCaption(r.files.fileName()); };
    r.convert.Click = [this, n] { convert_click(n); };
}

void PartnerStationDialog::set_map_controls(PartnerRow& r, bool on, bool with_check_box) {
    if (with_check_box) {
        r.map_frame.setEnabled(true);  // the frame itself only holds them
        r.has_map.setEnabled(on);
    }
    for (QWidget* w : std::initializer_list<QWidget*>{&r.files, &r.map_file, &r.centre_lon_caption,
                                                      &r.centre_lat_caption, &r.centre_lon, &r.centre_lat})
        w->setEnabled(on);
}

// ---- loading ---------------------------------------------------------------------------

void PartnerStationDialog::Form_Load() {
    for (int n = 0; n < kPartnerRecords; ++n) row(n).files.setPath(qs(ctx_.map_folder));
    load_station_list(ctx_.partners, ctx_.ini_file);
    fill_rows();
    partner_changed = 0;
}

void PartnerStationDialog::fill_rows() {
    for (int n = 0; n < kPartnerRecords; ++n) {
        PartnerRow& r = row(n);
        const auto& f = split_partner_record(ctx_.partners.record_text[n]).field;
        r.call.setText(qs(f[0]));
        r.lon.setText(qs(f[1]));
        r.lat.setText(qs(f[2]));
        r.grid.setText(qs(f[3]));
        r.height.setText(qs(f[4]));
        r.utc.setText(qs(f[5]));
        const PartnerRowState state = partner_row_state(ctx_.partners, n);
        r.has_map.setValue(state.has_map_ticked ? 1 : 0);
        r.map_file.setCaption(qs(f[8]));
        r.centre_lon.setText(qs(ctx_.partners.partner_map_lon[n]));
        r.centre_lat.setText(qs(ctx_.partners.partner_map_lat[n]));
        (state.local_selected ? r.local : r.world).setValue(true);
        r.has_map.setEnabled(state.has_map_box_enabled);
        set_map_controls(r, state.map_controls_enabled, false);
        // Choosing the local option empties the map label; the stored file stays shown.
        r.map_file.setCaption(qs(f[8]));
    }
}

// ---- the locator ---------------------------------------------------------------------------

void PartnerStationDialog::convert_click(int n) {
    PartnerRow& r = row(n);
    const GridLocatorResult g = grid_to_lonlat(s(r.grid.text()));
    r.grid.setText(qs(g.upper));
    if (!g.ok) {
        platform::msg_box(g.message);
        r.grid.setFocus();
        return;
    }
    r.lon.setText(qs(format_number(g.lon, "##0.00")));
    r.lat.setText(qs(format_number(g.lat, "##0.00")));
    partner_changed = 1;
}

// ---- registering ---------------------------------------------------------------------------

bool PartnerStationDialog::all_callsigns_empty() {
    for (int n = 0; n < kPartnerRecords; ++n)
        if (!row(n).call.text().isEmpty()) return false;
    return true;
}

void PartnerStationDialog::Command6_Click() {
    if (all_callsigns_empty()) {
        if (partner_changed == 0) {
            Unload();
            return;
        }
        save_all_stations();
        restart_program(ctx_.end);
        return;
    }
    using Check = int (PartnerStationDialog::*)(PartnerRow&);
    for (Check check : {&PartnerStationDialog::check_station_fields, &PartnerStationDialog::check_local_map}) {
        for (int n = 0; n < kPartnerRecords; ++n) {
            if (row(n).call.text().isEmpty()) continue;
            if (const int code = (this->*check)(row(n)); code != 0) {
                platform::msg_box(kPartnerCheckErrorMessage + std::string(" ") + std::to_string(code));
                return;
            }
        }
    }
    save_all_stations();
    if (partner_changed == 1) restart_program(ctx_.end);
    else Unload();
}

void PartnerStationDialog::Command7_Click() { Unload(); }

int PartnerStationDialog::check_station_fields(PartnerRow& r) {
    // A comma would cut the stored record into other fields.
    if (r.call.text().contains(',')) return refuse(&r.call, "コールサインに「,」は使えません", 1, false);
    const struct {
        QLineEdit* focus;
        std::function<int()> check;
        const char* message;
        int code;
    } fields[] = {
        {&r.lat, [&] { return check_numeric_input(r.lat, -90, 90); }, "緯度を－９０から９０の範囲の値をいれてください", 2},
        {&r.lon, [&] { return check_numeric_input(r.lon, -180, 180); }, "経度を－１８０から１８０の範囲の値をいれてください", 3},
        {&r.height, [&] { return check_numeric_input(r.height, 0, 3000); }, "海抜を０から３０００の範囲の値をいれてください", 4},
        {r.utc.lineEdit(), [&] { return check_numeric_input(r.utc, -12, 12); }, "時間－１２から１２の範囲の値をいれてください", 5},
    };
    for (const auto& f : fields)
        if (f.check() != 0) return refuse(f.focus, f.message, f.code);
    if (r.grid.text().contains(',')) return refuse(&r.grid, "グリッドロケータに「,」は使えません", 6, false);
    return 0;
}

int PartnerStationDialog::check_local_map(PartnerRow& r) {
    if (!r.world.value() || r.has_map.value() != 1) return 0;
    if (r.map_file.caption().isEmpty()) {
        platform::msg_box(std::string("使用するローカル地図を選択してください"));
        return 20;
    }
    const auto multiple_of_5 = [](platform::TextBox& box, double limit) {
        if (check_numeric_input(box, -limit, limit) != 0) return false;
        const double x = val(s(box.text()));
        return x - 5 * std::floor(x / 5) == 0;
    };
    if (!multiple_of_5(r.centre_lon, 180))
        return refuse(&r.centre_lon, "経度を－１８０から１８０の範囲で５の整数倍の値をいれてください", 22);
    if (!multiple_of_5(r.centre_lat, 75))
        return refuse(&r.centre_lat, "緯度を－７５から７５の範囲で５の整数倍の値をいれてください", 21);
    return 0;
}

void PartnerStationDialog::save_all_stations() {
    for (int n = 0; n < kPartnerRecords; ++n) {
        PartnerRow& r = row(n);
        if (!r.call.text().isEmpty()) continue;
        for (platform::TextBox* box : {&r.lon, &r.lat, &r.grid, &r.height, &r.centre_lon, &r.centre_lat}) box->clear();
        r.utc.setText(QString());
        r.world.setValue(true);
        r.map_file.setCaption(QString());
        r.has_map.setValue(0);
    }
    for (int n = 0; n < kPartnerRecords; ++n) save_station_record(n);
}

void PartnerStationDialog::save_station_record(int n) {
    PartnerRow& r = row(n);
    PartnerRecordFields f;
    f.call_sign = s(r.call.text().toUpper());
    f.lon = s(r.lon.text());
    f.lat = s(r.lat.text());
    f.grid = s(r.grid.text());
    f.height = s(r.height.text());
    f.time_diff = s(r.utc.text());
    f.world = r.world.value();
    f.has_map = r.has_map.value() == 1;
    f.map_file = s(r.map_file.caption());
    f.map_lon = s(r.centre_lon.text());
    f.map_lat = s(r.centre_lat.text());
    ini_write(Section{"KYOKU-INFO"}, Key{"KYOKU" + std::to_string(n + 1)}, partner_record_text(f), ctx_.ini_file);
}

}  // namespace torv
