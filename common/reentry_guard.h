#pragma once
#include <optional>

// Marks a handler as running, for the timers that must not run again inside
// themselves: a step that waits for a reply or shows a message box lets events run,
// and a timer falling due there would otherwise start a second run on top of the first.
namespace torv {

class ReentryGuard {
public:
    // Held while a run lasts; runs may nest when started on purpose (enter()).
    class Scope {
    public:
        explicit Scope(int& depth) : depth_(&depth) { ++*depth_; }
        Scope(Scope&& other) noexcept : depth_(other.depth_) { other.depth_ = nullptr; }
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;
        Scope& operator=(Scope&&) = delete;
        ~Scope() {
            if (depth_) --*depth_;
        }

    private:
        int* depth_;
    };

    bool running() const { return depth_ > 0; }
    // A run that is not started while another one lasts (a timer's): empty then.
    [[nodiscard]] std::optional<Scope> try_enter() {
        if (running()) return std::nullopt;
        return std::optional<Scope>(std::in_place, depth_);
    }
    // A run started on purpose, also inside another one.
    [[nodiscard]] Scope enter() { return Scope(depth_); }

private:
    int depth_ = 0;
};

}  // namespace torv
