#pragma once
#include <QCheckBox>
#include <QListWidget>

#include "orbit/element_update_context.h"
#include "platform/controls.h"
#include "platform/form.h"

namespace torv {

// "軌道要素ＵＲＬ登録": where element data comes from and which satellites get "DG"
// and "TR" duplicates. Opened from the element-update window; not modal.
class ElementSourceWindow : public platform::Form {
    Q_OBJECT
public:
    explicit ElementSourceWindow(ElementUpdateContext& context);

    platform::Frame Frame1;            // "軌道要素ＵＲＬ登録": the two-line element pages
    platform::Frame Frame2;            // "torv_solid.elmの軌道要素作成": the fixed element file
    platform::Frame Frame3;            // "TORV.EML設定": the element bulletin
    platform::Frame Frame4;            // "軌道情報複製情報の設定": the satellites that get duplicates
    platform::Label Label1;            // "ＵＲＬ1"
    platform::Label Label2;            // "２ＬＩＮＥ軌道要素のＷＥＢサイトのＵＲＬを記述"
    platform::Label Label3;            // "ＵＲＬ２"
    platform::Label Label4;            // what the fixed element file is for
    platform::Label Label5;            // an example of a duplicate ("ＡＯ－５１ＤＧ")
    platform::Label Label6;            // "軌道要素取得URL"
    platform::Label Label7;            // "ヘッダー識別ワード8文字"
    platform::Label Label8;            // "ヘッダーの行数"
    platform::Label Label9;            // "ＵＲＬ3"
    platform::TextBox Text1;           // URL 1: newly launched objects (TORV_NORAD_NEW.ELM)
    platform::TextBox Text2;           // URL 2: the fixed element file (torv_solid.elm)
    platform::TextBox Text3;           // the bulletin's address (TORV.ELM)
    platform::TextBox Text4;           // the bulletin's header key, at most 8 characters
    platform::TextBox Text5;           // how many bulletin lines are searched for the key
    platform::TextBox Text6;           // URL 3: amateur-radio satellites (TORV_NORAD.ELM)
    QCheckBox Check1;                  // "自動ダウンロードを行う": fetch URL 2 in every update
    QListWidget List1;                 // the satellites of the element table
    QListWidget List2;                 // the satellites that get "DG" and "TR" duplicates
    platform::CommandButton Command1;  // "登録": stores the three URLs and closes
    platform::CommandButton Command2;  // "追加" to the duplicate list
    platform::CommandButton Command3;  // "削除" from the duplicate list
    platform::CommandButton Command4;  // "登録" the duplicate list
    platform::CommandButton Command5;  // "登録" the bulletin settings

    void Check1_Click();
    void Command1_Click();  // store the source addresses and close
    void Command2_Click();  // add the selected satellite to the duplicate list
    void Command3_Click();  // remove the selected entry of the duplicate list
    void Command4_Click();  // store the duplicate list
    void Command5_Click();  // store the bulletin settings
    void fill_satellite_lists();

protected:
    void Form_Load() override;
    // Closing in any way stores the source addresses.
    void Form_Unload(bool& cancel) override;

private:
    void lay_out();
    ElementUpdateContext& ctx_;
};

}  // namespace torv
