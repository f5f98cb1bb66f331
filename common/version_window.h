#pragma once
#include "platform/controls.h"
#include "platform/form.h"

namespace torv {

// The version window "バージョン": the program's name, version and disclaimer.
class VersionWindow : public platform::Form {
    Q_OBJECT
public:
    VersionWindow();

    platform::Frame Frame1, Frame2, Frame3;
    platform::Label Label1, Label2, Label3, Label4;
    platform::CommandButton Command1;

    void Command1_Click() { Unload(); }
};

}  // namespace torv
