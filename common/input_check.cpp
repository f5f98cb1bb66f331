#include "common/input_check.h"

#include "common/number_text.h"
#include "platform/msg_box.h"

namespace torv {

namespace {

template <class Box>
int check(Box& box, double min, double max) {
    const std::string text = trim_ws(box.text().toStdString());
    if (text.empty()) {
        platform::msg_box(std::string("入力項目を入力してください"));
        return -1;
    }
    // The whole text must be one number.
    double x = 0;
    if (!parse_number(text, x)) return -2;
    const int code = (x < min || x > max) ? -3 : 0;
    box.setText(QString::fromStdString(trim(str_num(x))));
    return code;
}

}  // namespace

int check_numeric_input(platform::TextBox& box, double min, double max) { return check(box, min, max); }

int check_numeric_input(platform::ComboBox& box, double min, double max) { return check(box, min, max); }

}  // namespace torv
