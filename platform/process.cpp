#include "platform/process.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include "platform/paths.h"

namespace platform {

namespace {
ProcessRecorder* recorder = nullptr;

// The path that would run for a file name: as given when it names a folder, else the
// current folder's file, the program folder's, the search path's. Empty when nothing
// runnable is found.
QString resolve_program(const QString& file) {
    if (file.contains('/')) return file;
    for (const QString& folder : {QDir::currentPath(), QString::fromStdString(program_folder())}) {
        const QFileInfo candidate(QDir(folder), file);
        if (candidate.isFile() && candidate.isExecutable()) return candidate.absoluteFilePath();
    }
    return QStandardPaths::findExecutable(file);
}
}  // namespace

ProcessRecorder::ProcessRecorder() : previous_(recorder) { recorder = this; }
ProcessRecorder::~ProcessRecorder() { recorder = previous_; }
ProcessRecorder* ProcessRecorder::current() { return recorder; }

bool start_program(const QString& file, const QStringList& arguments, WindowMode mode) {
    if (recorder) {
        const bool started = !file.trimmed().isEmpty() && !recorder->missing.contains(file);
        recorder->starts.push_back({file, arguments, mode, started});
        return started;
    }
    if (file.trimmed().isEmpty()) return false;
    const QString program = resolve_program(file);
    if (program.isEmpty()) return false;
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    if (mode == WindowMode::Hidden) {
        process.setStandardInputFile(QProcess::nullDevice());
        process.setStandardOutputFile(QProcess::nullDevice());
        process.setStandardErrorFile(QProcess::nullDevice());
    }
    // Detached: the program outlives this one and is never waited for; a file that
    // cannot be executed makes this return false.
    return process.startDetached();
}

QStringList split_arguments(const QString& parameters) { return QProcess::splitCommand(parameters); }

}  // namespace platform
