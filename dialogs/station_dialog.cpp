#include "dialogs/station_dialog.h"

#include <cmath>

#include "common/input_check.h"
#include "common/number_text.h"
#include "common/settings_keys.h"
#include "common/settings_store.h"
#include "dialogs/grid_locator.h"
#include "dialogs/play_list.h"
#include "dialogs/station_values.h"
#include "mainwindow/settings_save.h"
#include "platform/choosers.h"
#include "platform/layout.h"
#include "platform/msg_box.h"
#include "platform/text.h"
#include "rig/ic910_addresses.h"

namespace torv {

using platform::qs;

namespace {

std::string s(const QString& text) { return text.toStdString(); }

const SettingKey& key_of(const char* section, const char* key) { return find_main_setting(section, key)->key; }

// The bitmap lists: frame caption, the key whose file it chooses (read and written
// through the list's label), the place of the frame.
const struct {
    const char *caption, *list, *label;
    int left, top;
} kFileLists[7] = {
    {"世界地図データの選択", "File1", "Label5", 120, 2640},  {"昼の風景", "File2", "Label6", 2160, 2640},
    {"夕方の風景", "File3", "Label7", 4200, 2640},          {"夜の風景", "File4", "Label8", 6240, 2640},
    {"レーダーの背景図", "File5", "Label9", 8280, 2640},    {"ローカル地図", "File6", "Label10", 120, 5460},
    {"拡大世界地図", "File7", "Label11", 10320, 2640},
};
constexpr int kWorldMap = 0, kDaySky = 1, kDuskSky = 2, kNightSky = 3, kRadar = 4, kLocalMap = 5, kWideMap = 6;

const char* const kPorts[] = {"COM1", "COM2", "COM3", "COM4", "COM5", "COM6", "COM7"};

constexpr int kLine = 270, kBox = 300;

}  // namespace

// One transceiver's row: its switch, port and speed boxes, its key and value.
struct StationDialog::Rig {
    platform::CheckBox* on;
    platform::ComboBox *port, *speed;
    const char* section;
    CatPortSetting* setting;
    std::string* text;
    bool ic910;
};

std::vector<StationDialog::Rig> StationDialog::rigs() {
    MainSettings& m = ctx_.settings;
    return {{&Check1, &Combo1, &Combo2, "FT847", &m.ft847_cat, &m.ft847_cat_text, false},
            {&Check2, &Combo4, &Combo5, "IC910", &m.ic910_cat, &m.ic910_cat_text, true},
            {&Check3, &Combo8, &Combo7, "TS2000", &m.ts2000_cat, &m.ts2000_cat_text, false},
            {&Check4, &Combo9, &Combo10, "FT736", &m.ft736_cat, &m.ft736_cat_text, false}};
}

StationDialog::StationDialog(StationDialogContext context)
    : station_frame(this), Text5(&station_frame), lonlat_frame(&station_frame), Text1(&lonlat_frame),
      Text2(&lonlat_frame), Text4(&station_frame), Command2(&station_frame), Text3(&station_frame),
      Combo3(&station_frame), start_frame(this), Option1(&start_frame), Option2(&start_frame), centre_frame(this),
      Text6(&centre_frame), Text7(&centre_frame), rig_frame(this), Check1(&rig_frame), Check2(&rig_frame),
      Check3(&rig_frame), Check4(&rig_frame), Combo1(&rig_frame), Combo2(&rig_frame), Combo4(&rig_frame),
      Combo5(&rig_frame), Combo8(&rig_frame), Combo7(&rig_frame), Combo9(&rig_frame), Combo10(&rig_frame),
      Text8(&rig_frame), Text9(&rig_frame), time_frame(this), Combo6(&time_frame), Text10(&time_frame),
      Text11(&time_frame), music_frame(this), List1(&music_frame), Command3(&music_frame), Command4(&music_frame),
      Command1(this), ctx_(std::move(context)) {
    setCaption(qs("観測場所設定"));
    for (int i = 0; i < 7; ++i) {
        file_frames[i].setParent(this);
        files[i].setParent(&file_frames[i]);
        file_labels[i].setParent(&file_frames[i]);
    }
    lay_out();
    connect_handlers();
    setFixedSize(QWidget::size());
}

StationDialog::~StationDialog() = default;

void StationDialog::lay_out() {
    move_twips(600, 600, 12480, 8700);
    const auto caption = [this](QWidget* parent, const char* text, int left, int top, int width) {
        captions_.push_back(std::make_unique<platform::Label>(parent));
        platform::lay_out({{captions_.back().get(), left, top, width, kLine, text}});
    };
    platform::lay_out({
        {&station_frame, 120, 120, 6000, 2400, "観測地"},
        {&Text5, 1560, 270, 1800, kBox},
        {&lonlat_frame, 120, 660, 3360, 1020, "緯度／経度"},
        {&Text1, 720, 270, 1500, kBox},
        {&Text2, 720, 600, 1500, kBox},
        {&Text4, 3600, 960, 1200, kBox},
        {&Command2, 4860, 960, 960, kBox, "↑変換", "グリッドロケータから経度、緯度情報に変換"},
        {&Text3, 1560, 1800, 1000, kBox},
        {&Combo3, 5040, 1800, 840, kBox},
        {&start_frame, 120, 4440, 1980, 900, "世界地図の左端経度"},
        {&Option1, 120, 300, 1700, kLine, "東経０度"},
        {&Option2, 120, 570, 1700, kLine, "西経２０度"},
        {&centre_frame, 2160, 5460, 1980, 1020, "ローカル地図アドレス"},
        {&Text6, 720, 270, 1100, kBox},
        {&Text7, 720, 600, 1100, kBox},
        {&rig_frame, 6240, 120, 6120, 2400, "ＣＡＴ運用"},
        {&Check1, 120, 300, 2900, kLine, "ＦＴ８４７ＣＡＴ運用ＯＮ"},
        {&Combo1, 3600, 270, 840, kBox},
        {&Combo2, 5280, 270, 760, kBox},
        {&Check2, 120, 660, 2900, kLine, "ＩＣ９１０リモート運用ＯＮ"},
        {&Combo4, 3600, 630, 840, kBox},
        {&Combo5, 5280, 630, 760, kBox},
        {&Text8, 3600, 990, 600, kBox},
        {&Text9, 5280, 990, 600, kBox},
        {&Check3, 120, 1380, 2900, kLine, "TS2000運用ＯＮ"},
        {&Combo8, 3600, 1350, 840, kBox},
        {&Combo7, 5280, 1350, 760, kBox},
        {&Check4, 120, 1740, 2900, kLine, "ＦＴ７３６運用ＯＮ"},
        {&Combo9, 3600, 1710, 840, kBox},
        {&Combo10, 5280, 1710, 760, kBox},
        {&time_frame, 4200, 4440, 4020, 900, "時間設定用プログラム"},
        {&Combo6, 120, 300, 1800, kBox},
        {&Text10, 1440, 600, 600, kBox},
        {&Text11, 3420, 600, 540, kBox},
        {&music_frame, 4200, 5460, 8160, 2400, "音楽データの設定（ＭＰ３）"},
        {&List1, 120, 300, 6600, 1980, nullptr, "登録リストの表示"},
        {&Command3, 6840, 300, 1200, 420, "追加", "ＭＰ３の選択追加"},
        {&Command4, 6840, 840, 1200, 420, "削除", "登録リストからの削除"},
        {&Command1, 10560, 8040, 1800, 480, "登録"},
    });
    caption(&station_frame, "コールサイン", 120, 300, 1400);
    caption(&lonlat_frame, "緯度", 120, 300, 560);
    caption(&lonlat_frame, "経度", 120, 630, 560);
    caption(&station_frame, "グリッドロケータ", 3600, 690, 2200);
    caption(&station_frame, "海抜（ｍ）", 120, 1830, 1400);
    caption(&station_frame, "ＵＴＣからの時差 （時間）", 2700, 1830, 2300);
    caption(&centre_frame, "緯度", 120, 300, 560);
    caption(&centre_frame, "経度", 120, 630, 560);
    for (int row : {300, 660, 1380, 1740}) {
        caption(&rig_frame, "ポート", 3060, row, 540);
        caption(&rig_frame, "通信速度", 4500, row, 760);
    }
    caption(&rig_frame, "受信アドレス", 2400, 1020, 1160);
    caption(&rig_frame, "送信アドレス ", 4200, 1020, 1060);
    caption(&time_frame, "第一パラメータ", 120, 630, 1300);
    caption(&time_frame, "第二パラメータ", 2160, 630, 1240);
    for (int i = 0; i < 7; ++i) {
        const auto& f = kFileLists[i];
        platform::lay_out({{&file_frames[i], f.left, f.top, 1980, 1740, f.caption},
                           {&files[i], 120, 300, 1740, 1020},
                           {&file_labels[i], 120, 1380, 1740, kLine}});
        files[i].setObjectName(f.list);
        file_labels[i].setObjectName(f.label);
        file_labels[i].setFrameStyle(QFrame::Panel | QFrame::Sunken);
        files[i].setPattern(QStringLiteral("*.BMP"));
    }
    for (platform::ComboBox* c : {&Combo1, &Combo2, &Combo3, &Combo4, &Combo5, &Combo6, &Combo7, &Combo8, &Combo9, &Combo10})
        c->setEditable(true);
    for (platform::ComboBox* c : {&Combo1, &Combo4, &Combo8, &Combo9})
        for (const char* port : kPorts) c->AddItem(port);
    const std::pair<platform::ComboBox*, std::vector<const char*>> speeds[] = {
        {&Combo2, {"4800", "9600"}},
        {&Combo5, {"4800", "9600", "19200"}},
        {&Combo7, {"4800", "9600", "19200", "38400", "57600"}},
        {&Combo10, {"4800"}}};
    for (const auto& [combo, list] : speeds)
        for (const char* speed : list) combo->AddItem(speed);
    for (int h = -12; h <= 12; ++h) Combo3.AddItem(QString::number(h));
    Combo6.AddItem("SW_NORAS.EXE");
    Combo6.AddItem("SKRWATCH.EXE");
    Text8.setText(qs(ic910::kRigText));
    Text9.setText(qs(ic910::kControllerText));
    Text8.setEnabled(false);
    Text9.setEnabled(false);
}

void StationDialog::connect_handlers() {
    const auto edited = [this] { change_level = 1; };
    for (platform::TextBox* t : {&Text1, &Text2, &Text3, &Text5, &Text6, &Text7, &Text8, &Text9}) t->Change = edited;
    for (platform::ComboBox* c : {&Combo1, &Combo2, &Combo3, &Combo4, &Combo5, &Combo6, &Combo7, &Combo8})
        c->Change = edited;
    Option1.Click = Option2.Click = edited;
    for (const Rig& r : rigs())
        r.on->Click = [this, r] {
            r.port->setEnabled(r.on->value() == 1);
            r.speed->setEnabled(r.on->value() == 1);
            change_level = 1;
        };
    // A typed position no longer is the locator's.
    Text1.KeyDown = Text2.KeyDown = [this] {
        grid_locator.clear();
        Text4.clear();
    };
    Text5.KeyDown = [this] { Text5.setText(Text5.text().toUpper()); };
    for (int i = 0; i < 7; ++i) files[i].Click = [this, i] { file_labels[i].setCaption(files[i].fileName()); };
    Command1.Click = [this] { Command1_Click(); };
    Command2.Click = [this] { Command2_Click(); };
    Command3.Click = [this] { Command3_Click(); };
    Command4.Click = [this] { Command4_Click(); };
}

// ---- loading ---------------------------------------------------------------------------

void StationDialog::Form_Load() {
    const std::string& ini = ctx_.ini_file;
    MainSettings& m = ctx_.settings;
    for (platform::FileListBox& f : files) f.setPath(qs(ctx_.folder));
    const auto read = [&ini](const char* section, const char* key) { return read_setting(key_of(section, key), ini); };
    Text5.setText(qs(read("POSITION", "CALL")));
    Text2.setText(qs(read("POSITION", "KEIDO")));
    Text1.setText(qs(read("POSITION", "IDO")));
    grid_locator = ini_read_or(Section{"POSITION"}, Key{"GURID"}, "", ini);
    Text4.setText(qs(grid_locator));
    Text3.setText(qs(read("POSITION", "TAKASA")));
    const std::string offset = read("JIKAN", "JISA");
    set_time_diff(ctx_.time, val(offset));
    Combo3.setText(qs(offset));
    loaded_offset_ = s(Combo3.text());

    file_labels[kWorldMap].setCaption(qs(read("HAIKEIZU", "TIZU")));
    m.start_tizu = read("HAIKEIZU", "START_TIZU");
    (m.start_tizu == "1" ? Option1 : Option2).setValue(true);
    file_labels[kRadar].setCaption(qs(read("HAIKEIZU", "REDA")));
    LocalMapSetting local;
    parse_local_map(read("HAIKEIZU", "LOCAL_MAP"), local);
    file_labels[kLocalMap].setCaption(qs(local.local_map_file));
    m.local.local_map_lon = local.local_map_lon;
    m.local.local_map_lat = local.local_map_lat;
    m.local.local_map_show = local.local_map_show;
    // Shown as the dialog writes it: west negative.
    Text7.setText(qs(num_text(centre_lon_west_negative(val(local.local_map_lon)))));
    Text6.setText(qs(local.local_map_lat));
    file_labels[kWideMap].setCaption(qs(read("HAIKEIZU", "WORD_MAP")));
    m.kesiki_hiru = read("KESIKI", "HIRU");
    m.kesiki_yuugata = read("KESIKI", "YUUGATA");
    m.kesiki_yoru = read("KESIKI", "YORU");
    file_labels[kDaySky].setCaption(qs(m.kesiki_hiru));
    file_labels[kDuskSky].setCaption(qs(m.kesiki_yuugata));
    file_labels[kNightSky].setCaption(qs(m.kesiki_yoru));
    load_rigs();
    m.ntp_elm = read("NTP_TIME", "NTP_ELM");
    m.ntp = parse_time_sync(m.ntp_elm);
    Combo6.setText(qs(m.ntp.ntp_program));
    Text10.setText(qs(str_num(m.ntp.ntp_server_port)));
    Text11.setText(qs(str_num(m.ntp.ntp_recv_port)));
    change_level = 0;
    const PlayListFile list = read_play_list_file(ctx_.folder + "/torv.csv");
    play_list_readable_ = list.readable;
    for (const std::string& entry : list.entries) List1.AddItem(qs(entry));
}

// The ports in use stay as they are until the register: the transceiver windows read them.
void StationDialog::load_rigs() {
    for (const Rig& r : rigs()) {
        *r.text = read_setting(key_of(r.section, "CAT"), ctx_.ini_file);
        CatPortSetting stored;
        if (!parse_cat_port(*r.text, r.ic910, stored)) parse_cat_port(key_of(r.section, "CAT").def, r.ic910, stored);
        r.on->setValue(stored.enable == "1" ? 1 : 0);
        r.port->setEnabled(r.on->value() == 1);
        r.speed->setEnabled(r.on->value() == 1);
        r.port->setText(qs(stored.port));
        r.speed->setText(qs(stored.speed));
    }
}

// ---- the locator ----------------------------------------------------------------------------

void StationDialog::Command2_Click() {
    const GridLocatorResult g = grid_to_lonlat(s(Text4.text()));
    Text4.setText(qs(g.upper));
    if (!g.ok) {
        platform::msg_box(g.message);
        Text4.setFocus();
        return;
    }
    Text1.setText(qs(format_number(g.lat, "###.00")));
    Text2.setText(qs(format_number(g.lon, "###.00")));
    grid_locator = g.upper;
    change_level = 1;
}

// ---- the play list -------------------------------------------------------------------------

void StationDialog::Command3_Click() {
    const std::optional<QString> file = platform::choose_open_file(QStringLiteral("*.mp3"));
    if (!file) return;
    if (is_mp3_path(s(*file))) List1.AddItem(*file);
    else platform::msg_box(std::string("ＭＰ３のデータを選択してください"));
}

void StationDialog::Command4_Click() {
    if (List1.listIndex() >= 0) List1.RemoveItem(List1.listIndex());
}

// ---- registering ---------------------------------------------------------------------------

bool StationDialog::check_fields() {
    if (Text5.text().isEmpty()) {
        platform::msg_box(std::string("コールサインが入力されていません"));
        Text5.setFocus();
        return false;
    }
    const auto refuse = [](QLineEdit* box, const char* message, const char* reset = "") {
        platform::msg_box(std::string(message));
        box->setText(QString::fromUtf8(reset));
        box->setFocus();
        return false;
    };
    const auto multiple_of_5 = [](platform::TextBox& box) {
        const double x = val(s(box.text()));
        return x - 5 * std::floor(x / 5) == 0;
    };
    if (check_numeric_input(Text1, -90, 90) != 0) return refuse(&Text1, "緯度を－９０から９０の範囲の値をいれてください");
    if (check_numeric_input(Text2, -180, 180) != 0)
        return refuse(&Text2, "経度を－１８０から１８０の範囲の値をいれてください");
    if (check_numeric_input(Text3, 0, 3000) != 0) return refuse(&Text3, "海抜を０から３０００の範囲の値をいれてください");
    if (check_numeric_input(Combo3, -12, 12) != 0) {
        platform::msg_box(std::string("時間－１２から１２の範囲の値をいれてください"));
        Combo3.setText("9");
        return false;
    }
    if (check_numeric_input(Text6, -75, 75) != 0)
        return refuse(&Text6, "ＬＯＣＡＬ緯度を－７５度から７５度の範囲の値をいれてください");
    if (!multiple_of_5(Text6)) return refuse(&Text6, "ＬＯＣＡＬ緯度を－７５度から７５度の範囲で５度単位の値をいれてください");
    // Both stored forms of the centre longitude are taken: west negative, or 0 to 360.
    if (check_numeric_input(Text7, -180, 360) != 0)
        return refuse(&Text7, "ＬＯＣＡＬ経度を－１８０度から１８０度の範囲の値をいれてください");
    if (!multiple_of_5(Text7)) return refuse(&Text7, "ＬＯＣＡＬ経度を－１８０度から１８０度の範囲で５度単位の値をいれてください");
    if (check_numeric_input(Text10, 0, 999) != 0) return refuse(&Text10, "ＮＴＰサーバーのポート番号を正しくいれてください", "123");
    if (check_numeric_input(Text11, 0, 9999) != 0)
        return refuse(&Text11, "ＮＴＰサーバーの受信用ポート番号を正しくいれてください", "1024");
    std::vector<PortChoice> ports;
    for (const Rig& r : rigs()) {
        // The readers take the port and the speed at fixed places of the stored value.
        CatPortSetting parsed;
        const std::string value = cat_port_string(true, s(r.port->text()), s(r.speed->text()),
                                                  std::string(ic910::kRigText), std::string(ic910::kControllerText));
        if (!parse_cat_port(trim(value), r.ic910, parsed) || parsed.port != s(r.port->text()) ||
            parsed.speed != s(r.speed->text())) {
            platform::msg_box(std::string("ＣＯＭポートと通信速度を一覧から選んでください"));
            r.port->setFocus();
            return false;
        }
        ports.push_back({r.on->value() == 1, s(r.port->text())});
    }
    if (ports_conflict(ports)) {
        platform::msg_box(std::string("同じＣＯＭポートが指定されています。変更してください。"));
        return false;
    }
    return true;
}

void StationDialog::apply_fields() {
    MainSettings& m = ctx_.settings;
    if (change_level == 1 || s(Combo3.text()) != loaded_offset_) change_level = 2;
    ctx_.station.station_lat = val(s(Text1.text()));
    ctx_.station.station_lon = val(s(Text2.text()));
    ctx_.station.station_height = val(s(Text3.text()));
    set_time_diff(ctx_.time, val(s(Combo3.text())));
    m.tizu = s(file_labels[kWorldMap].caption());
    // The running program keeps the centre east of 0, as its zoom maps expect.
    m.local.local_map_file = s(file_labels[kLocalMap].caption());
    m.local.local_map_lon = num_text(centre_lon_east_of_zero(val(s(Text7.text()))));
    m.local.local_map_lat = s(Text6.text());
    m.kesiki_hiru = s(file_labels[kDaySky].caption());
    m.kesiki_yuugata = s(file_labels[kDuskSky].caption());
    m.kesiki_yoru = s(file_labels[kNightSky].caption());
    for (const Rig& r : rigs()) {
        const bool on = r.on->value() == 1;
        *r.text = r.ic910 ? cat_port_string(on, s(r.port->text()), s(r.speed->text()), s(Text8.text()), s(Text9.text()))
                          : cat_port_string(on, s(r.port->text()), s(r.speed->text()));
        parse_cat_port(trim(*r.text), r.ic910, *r.setting);
    }
    m.ntp_elm = s(Combo6.text()) + "," + s(Text10.text()) + "," + s(Text11.text());
    m.start_tizu = Option1.value() ? "1" : "2";
}

void StationDialog::write_keys() {
    MainSettings& m = ctx_.settings;
    const std::string& ini = ctx_.ini_file;
    const auto write = [&ini](const char* section, const char* key, const std::string& value) {
        write_setting(key_of(section, key), value, ini);
    };
    // The box capitalises what it holds before each key's own letter goes in, so the
    // last letter typed may still be small: a callsign is stored in capitals.
    write("POSITION", "CALL", s(Text5.text().toUpper()));
    write("POSITION", "KEIDO", str_num(ctx_.station.station_lon));
    write("POSITION", "IDO", str_num(ctx_.station.station_lat));
    ini_write(Section{"POSITION"}, Key{"GURID"}, grid_locator, ini);
    write("POSITION", "TAKASA", str_num(ctx_.station.station_height));
    write("JIKAN", "JISA", str_num(ctx_.time.time_diff));
    write("HAIKEIZU", "TIZU", m.tizu);
    write("HAIKEIZU", "REDA", s(file_labels[kRadar].caption()));
    // Written west negative, as this dialog shows it.
    LocalMapSetting shown = m.local;
    shown.local_map_lon = num_text(centre_lon_west_negative(val(s(Text7.text()))));
    m.local_map = local_map_text(shown);
    write("HAIKEIZU", "LOCAL_MAP", m.local_map);
    write("HAIKEIZU", "WORD_MAP", s(file_labels[kWideMap].caption()));
    write("KESIKI", "HIRU", m.kesiki_hiru);
    write("KESIKI", "YUUGATA", m.kesiki_yuugata);
    write("KESIKI", "YORU", m.kesiki_yoru);
    for (const Rig& r : rigs()) write(r.section, "CAT", *r.text);
    write("HAIKEIZU", "START_TIZU", m.start_tizu);
    write("NTP_TIME", "NTP_ELM", m.ntp_elm);
}

bool StationDialog::Command1_Click() {
    // Every field is checked before anything of the running program or the file changes.
    if (!check_fields()) return false;
    apply_fields();
    write_keys();
    if (ctx_.show_world_map) ctx_.show_world_map(ctx_.settings.tizu);
    if (play_list_readable_) {
        std::vector<std::string> entries;
        for (int i = 0; i < List1.listCount(); ++i) entries.push_back(s(List1.list(i)));
        write_play_list_file(ctx_.folder + "/torv.csv", entries);
    }
    if (change_level == 2) {
        restart_program(ctx_.end);
    } else if (!closing_) {
        closing_ = true;
        Unload();
        closing_ = false;
    }
    return true;
}

void StationDialog::Form_Unload(bool& cancel) {
    if (closing_) return;
    closing_ = true;
    // A register that fails keeps the dialog open with its edits, for the operator to mend.
    cancel = !Command1_Click();
    closing_ = false;
}

}  // namespace torv
