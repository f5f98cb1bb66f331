#pragma once
#include <QCoreApplication>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "dialogs/restart.h"
#include "platform/form.h"
#include "platform/msg_box.h"
#include "support/temp_dir.h"

// The bytes of a settings file under fixtures/dialogs.
inline std::string fixture(const char* name) {
    std::ifstream in(std::string(TORV_FIXTURES) + "/dialogs/" + name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// A program folder of a test's own holding a settings file, and the ways a dialog ends
// the program, counted: the main window's settings save and the end itself.
struct DialogFolder {
    TempDir dir;
    int saves = 0, ends = 0;
    std::vector<std::string> boxes_at_end;  // the messages shown when the program ended

    explicit DialogFolder(const std::string& ini_bytes) {
        dir.write("torv.ini", ini_bytes);
        platform::MsgBoxRecorder::current()->clear();
    }
    std::string ini() const { return dir.file("torv.ini"); }
    std::string ini_text() const { return dir.read("torv.ini"); }
    torv::ProgramEnd end() {
        return {[this] { ++saves; }, [this] {
                    ++ends;
                    boxes_at_end = messages();
                }};
    }
    const std::vector<std::string>& messages() const { return platform::MsgBoxRecorder::current()->texts; }
    void clear_messages() { platform::MsgBoxRecorder::current()->clear(); }
};

// Opens a dialog as its one instance does (created, then loaded), and notes its unload.
template <class F>
struct OpenDialog {
    std::unique_ptr<F> form;
    bool unloaded = false;
    template <class... Args>
    explicit OpenDialog(Args&&... args) : form(std::make_unique<F>(std::forward<Args>(args)...)) {
        form->on_unloaded = [this] { unloaded = true; };
        form->load();
    }
    F* operator->() { return form.get(); }
    F& operator*() { return *form; }
};
