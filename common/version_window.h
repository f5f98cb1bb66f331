#pragma once
#include "platform/controls.h"
#include "platform/form.h"

namespace torv {

// The version window "バージョン": the program's name, version and disclaimer.
class VersionWindow : public platform::Form {
    Q_OBJECT
public:
    VersionWindow();

    platform::Frame Frame1;            // "プログラム名称"
    platform::Frame Frame2;            // "プログラムバージョン"
    platform::Frame Frame3;            // "免責事項"
    platform::Label Label1;            // the program's name, in Frame1
    platform::Label Label2;            // "バージョン", in Frame2
    platform::Label Label3;            // the disclaimer, in Frame3
    platform::Label Label4;            // the version "V1.87", in Frame2
    platform::CommandButton Command1;  // "閉じる" closes the window

    void Command1_Click() { Unload(); }
};

}  // namespace torv
