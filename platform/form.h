#pragma once
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

class QMenuBar;

namespace platform {

// A top-level window. Geometry is in twips. A window has a load step that runs once
// when it is first used (shown, or any control touched) and an unload step that may
// refuse to close.
class Form : public QWidget {
    Q_OBJECT
public:
    explicit Form(QWidget* parent = nullptr);

    QString caption() const { return windowTitle(); }
    void setCaption(const QString& text) { setWindowTitle(text); }

    int left() const;
    int top() const;
    int width() const;
    int height() const;
    // Position and size in twips; a negative width or height keeps the current one.
    void move_twips(int left, int top, int width = -1, int height = -1);
    // The size in twips that the desktop the layouts were made for gave a window: title
    // bar, borders and a menu bar of one line included. The window takes the client area
    // that desktop left inside, so the controls placed in it fit as they were meant to.
    void set_outer_size(int width, int height);
    int outer_width() const;
    int outer_height() const;
    // Moves the window as little as needed to lie wholly on the available area of the
    // screen it is on (the nearest one), title bar included where it is known; a window
    // larger than that area keeps its top-left corner on it. For positions read from the
    // settings, which another screen may have written.
    void keep_on_screen();

    void Show();
    void Hide() { hide(); }
    bool visible() const { return isVisible(); }

    // Runs the load step once.
    void load();
    bool loaded() const { return loaded_; }

    // Runs the unload step; unless it refuses, hides the window, stops its timers and
    // tells the owner, which destroys it. Returns false when the window refused.
    bool Unload();
    // Stops every timer of the window (a Timer is always a child of its window).
    void stop_timers();

    // The window's menu bar, created on first use above the client area. Create it
    // before placing controls: control positions count from below the bar.
    QMenuBar* menuBar();
    // Pixels taken by the menu bar at the top of the window (0 without one).
    int client_top_px() const { return client_top_; }

    // Set by the owner (FormInstance) to learn that the window was unloaded.
    std::function<void()> on_unloaded;

protected:
    virtual void Form_Load() {}
    // Set cancel to true to keep the window.
    virtual void Form_Unload(bool& cancel) { (void)cancel; }

    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    bool loaded_ = false;
    QMenuBar* menu_bar_ = nullptr;
    int client_top_ = 0;
};

class FormInstanceBase;

// The windows of one program. When the program ends, every window's timers stop and a
// window unloaded from then on is only hidden: code still running while the program
// ends (a handler under a wait, a transceiver link being stopped) finds the windows it
// knew, none of them deleted and none made anew.
class FormSet {
public:
    FormSet() = default;
    FormSet(const FormSet&) = delete;
    FormSet& operator=(const FormSet&) = delete;

    void end();
    bool ended() const { return ended_; }
    // How many windows the instances have made so far.
    int made() const { return made_; }

private:
    friend class FormInstanceBase;
    std::vector<FormInstanceBase*> instances_;
    bool ended_ = false;
    int made_ = 0;
};

// What a set knows of each of its instances.
class FormInstanceBase {
public:
    FormInstanceBase(const FormInstanceBase&) = delete;
    FormInstanceBase& operator=(const FormInstanceBase&) = delete;
    virtual Form* existing_form() const = 0;

protected:
    explicit FormInstanceBase(FormSet* set);
    ~FormInstanceBase();
    void count_made() {
        if (set_) ++set_->made_;
    }
    bool keeps_unloaded() const { return set_ && set_->ended(); }

private:
    FormSet* set_;
};

// The one default instance of a window: created (and loaded) on first use,
// destroyed when unloaded (once its set has ended, kept hidden), created again on the
// next use.
template <class F>
class FormInstance : public FormInstanceBase {
public:
    using Factory = std::function<std::unique_ptr<F>()>;
    FormInstance() : FormInstance(nullptr, [] { return std::make_unique<F>(); }) {}
    explicit FormInstance(Factory factory) : FormInstance(nullptr, std::move(factory)) {}
    // One of the windows of set.
    explicit FormInstance(FormSet& set) : FormInstance(&set, [] { return std::make_unique<F>(); }) {}
    FormInstance(Factory factory, FormSet& set) : FormInstance(&set, std::move(factory)) {}

    F& operator()() { return get(); }
    F& get() {
        if (!form_) {
            form_ = factory_();
            count_made();
            form_->on_unloaded = [this] { release(); };
            form_->load();
        }
        return *form_;
    }
    bool exists() const { return form_ != nullptr; }
    F* existing() const { return form_.get(); }
    Form* existing_form() const override { return form_.get(); }
    bool Unload() { return form_ ? form_->Unload() : true; }

private:
    FormInstance(FormSet* set, Factory factory) : FormInstanceBase(set), factory_(std::move(factory)) {}
    void release() {
        if (!form_ || keeps_unloaded()) return;
        F* f = form_.release();
        f->deleteLater();
    }
    Factory factory_;
    std::unique_ptr<F> form_;
};

}  // namespace platform
