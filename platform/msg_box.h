#pragma once
#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace platform {

enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel };

// Answers as the program's handlers compare them.
enum MsgAnswer { vbOK = 1, vbCancel = 2, vbYes = 6, vbNo = 7 };

// Shows a modal message box and returns the operator's answer. While a
// MsgBoxRecorder exists, nothing is shown: the text is recorded and the
// recorder's next scripted answer (or the first button) is returned.
// No window code here: the window layer installs the real box (platform/qt_msg_box.h);
// until it does, the text goes to the standard error and the first button answers.
int msg_box(const std::string& text_utf8, MsgButtons buttons = MsgButtons::Ok, const std::string& title = {});

using MsgBoxShow = int (*)(const std::string& text_utf8, MsgButtons buttons, const std::string& title);
void set_msg_box_show(MsgBoxShow show);

// Records message boxes instead of showing them (tests, headless runs).
class MsgBoxRecorder {
public:
    MsgBoxRecorder();
    ~MsgBoxRecorder();
    MsgBoxRecorder(const MsgBoxRecorder&) = delete;
    MsgBoxRecorder& operator=(const MsgBoxRecorder&) = delete;

    static MsgBoxRecorder* current();

    std::vector<std::string> texts;   // every text shown, UTF-8, in order
    std::deque<int> answers;          // scripted answers, taken front first
    std::function<void()> on_show;    // runs where the box would wait for the operator

    void clear() { texts.clear(); answers.clear(); }

private:
    MsgBoxRecorder* previous_;
};

}  // namespace platform
