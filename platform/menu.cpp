#include "platform/menu.h"

#include <QMenuBar>

#include "platform/form.h"

namespace platform {

MenuItem::MenuItem(Form& form, const QString& caption) {
    menu_ = form.menuBar()->addMenu(caption);
    action_ = menu_->menuAction();
}

MenuItem::MenuItem(MenuItem& parent, const QString& caption, Kind kind) {
    QMenu* owner = parent.menu_;
    switch (kind) {
        case Menu:
            menu_ = owner->addMenu(caption);
            action_ = menu_->menuAction();
            break;
        case Separator:
            action_ = owner->addSeparator();
            break;
        case Item:
            action_ = owner->addAction(caption);
            connect_click();
            break;
    }
}

void MenuItem::setChecked(bool on) {
    action_->setCheckable(true);
    action_->setChecked(on);
}

void check_only(MenuItem& chosen, std::initializer_list<MenuItem*> group) {
    for (MenuItem* m : group) m->setChecked(m == &chosen);
    chosen.setChecked(true);
}

void MenuItem::connect_click() {
    QObject::connect(action_, &QAction::triggered, action_, [this] {
        // The handler alone decides the check marks; undo Qt's own toggling.
        if (action_->isCheckable()) action_->setChecked(!action_->isChecked());
        if (Click) Click();
    });
}

}  // namespace platform
