#include "platform/choosers.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>

#include "platform/qt_color.h"

namespace platform {

namespace {
ChooserScript*& active_script() {
    static ChooserScript* script = nullptr;
    return script;
}

template <class T>
std::optional<T> next_answer(std::deque<std::optional<T>>& answers) {
    std::optional<T> answer;
    if (answers.empty()) return answer;
    answer.swap(answers.front());
    answers.pop_front();
    return answer;
}
}  // namespace

ChooserScript::ChooserScript() : previous_(active_script()) { active_script() = this; }
ChooserScript::~ChooserScript() { active_script() = previous_; }
ChooserScript* ChooserScript::current() { return active_script(); }

std::optional<QString> choose_open_file(const QString& pattern) {
    if (ChooserScript* s = active_script()) return next_answer(s->files);
    const QString file = QFileDialog::getOpenFileName(QApplication::activeWindow(), QString(), QString(),
                                                      pattern + ";;*");
    if (file.isEmpty()) return std::nullopt;
    return file;
}

std::optional<ColorValue> choose_color(ColorValue start) {
    if (ChooserScript* s = active_script()) {
        s->color_starts.push_back(start);
        return next_answer(s->colors);
    }
    const QColor c = QColorDialog::getColor(to_qcolor(start), QApplication::activeWindow());
    if (!c.isValid()) return std::nullopt;
    return from_qcolor(c);
}

}  // namespace platform
