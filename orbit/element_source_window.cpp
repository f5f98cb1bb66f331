#include "orbit/element_source_window.h"

#include <algorithm>

#include "common/settings_store.h"
#include "platform/layout.h"
#include "platform/msg_box.h"
#include "platform/text.h"

namespace torv {

using platform::qs;

namespace {

constexpr int kHeaderKeyMax = 8;

std::string s(const QString& text) { return text.toStdString(); }

bool all_digits(const QString& text) {
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) { return c >= '0' && c <= '9'; });
}

}  // namespace

ElementSourceWindow::ElementSourceWindow(ElementUpdateContext& context)
    : Frame1(this), Frame2(this), Frame3(this), Frame4(this), Label1(&Frame1), Label2(&Frame1), Label3(&Frame2),
      Label4(&Frame2), Label5(&Frame4), Label6(&Frame3), Label7(&Frame3), Label8(&Frame3), Label9(&Frame1),
      Text1(&Frame1), Text2(&Frame2), Text3(&Frame3), Text4(&Frame3), Text5(&Frame3), Text6(&Frame1),
      Check1(&Frame2), List1(&Frame4), List2(&Frame4), Command1(&Frame1), Command2(&Frame4), Command3(&Frame4),
      Command4(&Frame4), Command5(&Frame3), ctx_(context) {
    setCaption("軌道要素ＵＲＬ登録");
    lay_out();
    connect(&Check1, &QCheckBox::toggled, this, [this] { Check1_Click(); });
    Command1.Click = [this] { Command1_Click(); };
    Command2.Click = [this] { Command2_Click(); };
    Command3.Click = [this] { Command3_Click(); };
    Command4.Click = [this] { Command4_Click(); };
    Command5.Click = [this] { Command5_Click(); };
}

void ElementSourceWindow::lay_out() {
    move_twips(1500, 900, 9600, 9000);
    constexpr int L = 300, T = 330, B = 420;  // heights of a label, a text box and a button
    platform::lay_out({
        {&Frame1, 120, 120, 9240, 1800, "軌道要素ＵＲＬ登録"},
        {&Label2, 120, 300, 6000, L, "２ＬＩＮＥ軌道要素のＷＥＢサイトのＵＲＬを記述"},
        {&Label9, 120, 720, 720, L, "ＵＲＬ3"},
        {&Text6, 900, 690, 6900, T},
        {&Label1, 120, 1200, 720, L, "ＵＲＬ1"},
        {&Text1, 900, 1170, 6900, T},
        {&Command1, 7980, 1170, 1080, B, "登録"},

        {&Frame2, 120, 2040, 9240, 1800, "torv_solid.elmの軌道要素作成"},
        {&Label3, 120, 360, 720, L, "ＵＲＬ２"},
        {&Text2, 900, 330, 6900, T},
        {&Check1, 900, 780, 3000, L, "自動ダウンロードを行う"},
        {&Label4, 120, 1140, 9000, 600,
         "ここでダウンロードされた軌道要素はtorv_solid.elmとしてファイルが作成されます。"
         "最新の軌道要素が必要な場合は、torv_element.exeを起動して作成してください。"},

        {&Frame3, 120, 3960, 9240, 1500, "TORV.EML設定"},
        {&Label6, 120, 330, 1800, L, "軌道要素取得URL"},
        {&Text3, 1980, 300, 7080, T},
        {&Label7, 120, 750, 2400, L, "ヘッダー識別ワード8文字"},
        {&Text4, 2580, 720, 1500, T},
        {&Label8, 4320, 750, 1500, L, "ヘッダーの行数"},
        {&Text5, 5880, 720, 900, T},
        {&Command5, 7980, 960, 1080, B, "登録"},

        {&Frame4, 120, 5580, 9240, 3240, "軌道情報複製情報の設定"},
        {&List1, 120, 300, 3600, 2100},
        {&Command2, 3840, 600, 1080, B, "追加"},
        {&Command3, 3840, 1200, 1080, B, "削除"},
        {&List2, 5040, 300, 3000, 2100, nullptr, "衛星の名前にＤＧを追加して同じ軌道要素で衛星を追加します"},
        {&Command4, 8100, 1920, 1020, B, "登録"},
        {&Label5, 120, 2460, 9000, 660,
         "例：衛星に名前にＤＧを追加して同じ軌道要素で自動作成します。ＡＯ－５１を設定しておくと"
         "ＡＯ－５１ＤＧが生成されます。１個の衛星で２個の運用モードを持っている場合に便利です。"},
    });
    Label4.setWordWrap(true);
    Label5.setWordWrap(true);
}

void ElementSourceWindow::Form_Load() {
    ElementSources& src = ctx_.sources;
    read_kidou_urls(src, torv_ini());
    Text6.setText(qs(src.kidou_url3));
    Text1.setText(qs(src.kidou_url1));
    Text2.setText(qs(src.kidou_url2));
    Check1.setChecked(src.kidou_url2_sw != "0");  // a change counts as a click
    Text3.setText(qs(src.bulletin_url));
    Text4.setText(qs(src.bulletin_hdr));
    Text5.setText(qs(src.bulletin_line));
    fill_satellite_lists();
}

void ElementSourceWindow::fill_satellite_lists() {
    const ElementTable& t = ctx_.table;
    for (int i = 1; i <= t.element_line_count(); i += 3) List1.addItem(qs(t.element_lines(i)));
    read_degital_sat(ctx_.sources, torv_ini());
    List2.clear();
    for (const std::string& name : ctx_.sources.degital_sat_list) List2.addItem(qs(name));
}

void ElementSourceWindow::Check1_Click() { ctx_.sources.kidou_url2_sw = Check1.isChecked() ? "1" : "0"; }

void ElementSourceWindow::Command1_Click() { Unload(); }

void ElementSourceWindow::Form_Unload(bool& cancel) {
    (void)cancel;
    ElementSources& src = ctx_.sources;
    src.kidou_url3 = s(Text6.text());
    src.kidou_url1 = s(Text1.text());
    src.kidou_url2 = s(Text2.text());
    write_kidou_urls(src, torv_ini());
}

void ElementSourceWindow::Command5_Click() {
    if (Text4.text().size() > kHeaderKeyMax) {
        platform::msg_box(std::string("ヘッダー識別ワードが8文字を超えています"));
        return;
    }
    if (!all_digits(Text5.text())) {
        platform::msg_box(std::string("ヘッダーの行数が数字ではありません"));
        return;
    }
    ElementSources& src = ctx_.sources;
    src.bulletin_url = s(Text3.text());
    src.bulletin_hdr = s(Text4.text());
    src.bulletin_line = s(Text5.text());
    write_bulletin_settings(src, torv_ini());
}

void ElementSourceWindow::Command2_Click() {
    QListWidgetItem* item = List1.currentItem();
    if (!item || !item->isSelected()) {
        platform::msg_box(std::string("衛星を選択してください"));
        return;
    }
    List2.addItem(item->text());
}

void ElementSourceWindow::Command3_Click() {
    if (List2.count() == 0) {
        platform::msg_box(std::string("削除する項目がありません"));
        return;
    }
    QListWidgetItem* item = List2.currentItem();
    if (!item || !item->isSelected()) {
        platform::msg_box(std::string("削除する衛星を選んでください"));
        return;
    }
    delete List2.takeItem(List2.row(item));
}

void ElementSourceWindow::Command4_Click() {
    std::string joined;
    for (int i = 0; i < List2.count(); ++i) joined += (i ? "," : "") + s(List2.item(i)->text());
    ctx_.sources.degital_sat = joined;
    write_degital_sat(ctx_.sources, torv_ini());
}

}  // namespace torv
