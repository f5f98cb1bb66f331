#include "platform/msg_box.h"

#include <cstdio>

namespace platform {

namespace {
MsgBoxRecorder*& active_recorder() {
    static MsgBoxRecorder* recorder = nullptr;
    return recorder;
}

int first_button(MsgButtons buttons) {
    switch (buttons) {
        case MsgButtons::Ok:
        case MsgButtons::OkCancel: return vbOK;
        case MsgButtons::YesNo:
        case MsgButtons::YesNoCancel: return vbYes;
    }
    return vbOK;
}

int print_box(const std::string& text, MsgButtons buttons, const std::string& /*title*/) {
    std::fprintf(stderr, "%s\n", text.c_str());
    return first_button(buttons);
}

MsgBoxShow& installed_show() {
    static MsgBoxShow show = print_box;
    return show;
}
}  // namespace

MsgBoxRecorder::MsgBoxRecorder() : previous_(active_recorder()) { active_recorder() = this; }
MsgBoxRecorder::~MsgBoxRecorder() { active_recorder() = previous_; }
MsgBoxRecorder* MsgBoxRecorder::current() { return active_recorder(); }

void set_msg_box_show(MsgBoxShow show) { installed_show() = show ? show : print_box; }

int msg_box(const std::string& text_utf8, MsgButtons buttons, const std::string& title) {
    if (MsgBoxRecorder* r = active_recorder()) {
        r->texts.push_back(text_utf8);
        if (r->on_show) r->on_show();
        if (r->answers.empty()) return first_button(buttons);
        int answer = r->answers.front();
        r->answers.pop_front();
        return answer;
    }
    return installed_show()(text_utf8, buttons, title);
}

}  // namespace platform
