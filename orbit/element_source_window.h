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

    platform::Frame Frame1, Frame2, Frame3, Frame4;
    platform::Label Label1, Label2, Label3, Label4, Label5, Label6, Label7, Label8, Label9;
    platform::TextBox Text1, Text2, Text3, Text4, Text5, Text6;
    QCheckBox Check1;
    QListWidget List1, List2;
    platform::CommandButton Command1, Command2, Command3, Command4, Command5;

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
