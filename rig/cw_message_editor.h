#pragma once
#include <array>
#include <functional>
#include <string>

#include "platform/controls.h"
#include "platform/form.h"
#include "rig/cw_keyer.h"

// The editor of the CW keyer's ten message memories ("CWメッセージ登録"). It loads them
// from torv.ini into the shared table the TS-2000 window's keyer sends from, and stores
// them back trimmed and upper-cased.
namespace torv {

struct CwEditorContext {
    cw::Messages& cw_message;  // the table the keyer reads
    // Shows the table in the TS-2000 window's memory labels, setting that window up
    // (not shown) when it does not exist yet.
    std::function<void()> show_on_ts2000;
};

class CwMessageEditor : public platform::Form {
    Q_OBJECT
public:
    explicit CwMessageEditor(CwEditorContext context);

    std::array<platform::Label, cw::kMemories> Label1;   // "Ｔ０" .. "Ｔ９"
    std::array<platform::TextBox, cw::kMemories> Text1;  // memory i in Text1[i]
    platform::Label Label2;            // "ＣＷ送信メッセージ（２４文字まで）", over the boxes
    platform::Label Label3;            // "ファンクション", over the memory names
    platform::Label Label4;            // the placeholders: %C the partner's callsign, %S the signal report
    platform::CommandButton Command1;  // "登録"
    platform::CommandButton Command2;  // "終了"

    // Reads the ten memories into the table, the TS-2000 window and the boxes; boxes
    // holding typed, unsaved texts keep them (a set-up of the TS-2000 window for another
    // satellite must not throw the operator's edits away).
    void form_load();
    bool unsaved = false;  // a box was typed into since the last load or save
    void Command1_Click();
    void Command2_Click() { Unload(); }

protected:
    void Form_Load() override { form_load(); }

private:
    CwEditorContext ctx_;
};

}  // namespace torv
