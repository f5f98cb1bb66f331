#include "rig/cw_message_editor.h"

#include "common/settings_store.h"
#include "platform/layout.h"
#include "platform/text.h"

namespace torv {

using platform::qs;

namespace {
const char* const kRowCaptions[cw::kMemories] = {"Ｔ０", "Ｔ１", "Ｔ２", "Ｔ３", "Ｔ４",
                                                 "Ｔ５", "Ｔ６", "Ｔ７", "Ｔ８", "Ｔ９"};
constexpr int kRowTop = 600, kRowStep = 420;
}  // namespace

CwMessageEditor::CwMessageEditor(CwEditorContext context)
    : Label2(this), Label3(this), Label4(this), Command1(this), Command2(this), ctx_(std::move(context)) {
    setCaption("CWメッセージ登録");
    platform::lay_out({
        {&Label3, 120, 240, 1200, 300, "ファンクション"},
        {&Label2, 1440, 240, 5400, 300, "ＣＷ送信メッセージ（２４文字まで）"},
        {&Label4, 120, kRowTop + cw::kMemories * kRowStep + 60, 6720, 300,
         "%C　相手局コールサイン、　　%S　シグナルリポート、"},
        {&Command1, 3960, kRowTop + cw::kMemories * kRowStep + 480, 1320, 420, "登録"},
        {&Command2, 5520, kRowTop + cw::kMemories * kRowStep + 480, 1320, 420, "終了"},
    });
    for (int i = 0; i < cw::kMemories; ++i) {
        Label1[i].setParent(this);
        Text1[i].setParent(this);
        const int top = kRowTop + i * kRowStep;
        platform::lay_out({{&Label1[i], 360, top + 60, 720, 300, kRowCaptions[i]}, {&Text1[i], 1440, top, 5400, 360}});
        connect(&Text1[i], &QLineEdit::textEdited, this, [this] { unsaved = true; });
    }
    Command1.Click = [this] { Command1_Click(); };
    Command2.Click = [this] { Command2_Click(); };
    move_twips(2400, 1800, 7200, kRowTop + cw::kMemories * kRowStep + 1500);
}

void CwMessageEditor::form_load() {
    for (int i = 0; i < cw::kMemories; ++i) {
        ctx_.cw_message[i] = cw::stored_text(ini_read(Section{"CW"}, Key{cw::memory_key(i)}, torv_ini()));
        if (!unsaved) Text1[i].setText(qs(cw::upper(ctx_.cw_message[i])));
    }
    if (ctx_.show_on_ts2000) ctx_.show_on_ts2000();
}

void CwMessageEditor::Command1_Click() {
    for (int i = 0; i < cw::kMemories; ++i) {
        const std::string text = cw::text_to_store(Text1[i].text().toStdString());
        ini_write(Section{"CW"}, Key{cw::memory_key(i)}, text, torv_ini());
        ctx_.cw_message[i] = text;
    }
    unsaved = false;
    if (ctx_.show_on_ts2000) ctx_.show_on_ts2000();
}

}  // namespace torv
