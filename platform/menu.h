#pragma once
#include <QAction>
#include <QMenu>
#include <QString>
#include <functional>
#include <initializer_list>

namespace platform {

class Form;

// One entry of a window's menu bar: a menu on the bar, a submenu, a command item or a
// separator. An item carries a caption, a check mark, an enabled and a visible state;
// Click runs when the operator chooses it (or when code calls it directly). Check
// marks are never moved by the menu itself: the handlers tick and untick.
class MenuItem {
public:
    enum Kind { Item, Menu, Separator };

    // A menu on the menu bar of form.
    MenuItem(Form& form, const QString& caption);
    // An entry of parent, which must be a menu or submenu.
    MenuItem(MenuItem& parent, const QString& caption, Kind kind = Item);
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;

    QString caption() const { return action_->text(); }
    void setCaption(const QString& text) { action_->setText(text); }
    bool checked() const { return action_->isChecked(); }
    void setChecked(bool on);
    bool enabled() const { return action_->isEnabled(); }
    void setEnabled(bool on) { action_->setEnabled(on); }
    bool visible() const { return action_->isVisible(); }
    void setVisible(bool on) { action_->setVisible(on); }

    QAction* action() const { return action_; }
    QMenu* menu() const { return menu_; }

    std::function<void()> Click;

private:
    void connect_click();
    QMenu* menu_ = nullptr;
    QAction* action_ = nullptr;
};

// An exclusive set of options: ticks chosen and unticks every other item of group.
void check_only(MenuItem& chosen, std::initializer_list<MenuItem*> group);

}  // namespace platform
