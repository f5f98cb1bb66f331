#pragma once
#include <QString>
#include <QStringList>
#include <set>
#include <vector>

namespace platform {

// Normal: the program's output goes where this program's goes (a terminal, the
// session log). Hidden: it runs with no input and its output discarded, for helpers
// that are meant to run unseen (the time-setting program).
enum class WindowMode { Normal, Hidden };

// Starts a program by file name and returns at once, without waiting for it. A name
// without a folder is looked up in the current folder, the program folder, then the
// search path.
// False when it cannot be started: missing, not a program, not allowed to run.
bool start_program(const QString& file, const QStringList& arguments = {}, WindowMode mode = WindowMode::Normal);

// Records program starts instead of making them (tests): while one exists,
// start_program only appends what it was asked to start, and answers that it could not
// start the names listed in missing (as given, before any look-up).
class ProcessRecorder {
public:
    ProcessRecorder();
    ~ProcessRecorder();
    ProcessRecorder(const ProcessRecorder&) = delete;
    ProcessRecorder& operator=(const ProcessRecorder&) = delete;

    static ProcessRecorder* current();

    struct Start {
        QString file;
        QStringList arguments;
        WindowMode mode;
        bool started;
    };
    std::vector<Start> starts;  // every start asked for, in order, with its answer
    std::set<QString> missing;

private:
    ProcessRecorder* previous_;
};

// A parameter text split into arguments the way a shell would: blanks separate,
// double quotation marks group ("a \"b c\"" gives a, b c).
QStringList split_arguments(const QString& parameters);

}  // namespace platform
