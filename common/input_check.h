#pragma once
#include "platform/controls.h"

namespace torv {

// Checks one text box of a settings dialog against inclusive bounds.
// 0: valid, the box rewritten in normal form ("135.050 " -> "135.05", "0.5" -> ".5");
// -1: empty, "入力項目を入力してください" shown, box unchanged;
// -2: not a number, no message, box unchanged;
// -3: out of range, the box rewritten in normal form, no message.
// Callers show their own messages for -2 and -3.
int check_numeric_input(platform::TextBox& box, double min, double max);
// The same for the text of an editable combo box.
int check_numeric_input(platform::ComboBox& box, double min, double max);

}  // namespace torv
