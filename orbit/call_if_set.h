#pragma once
#include <utility>

namespace torv {

// Calls a callback that its owner may have left empty.
template <class F, class... A>
void call_if_set(const F& f, A&&... args) {
    if (f) f(std::forward<A>(args)...);
}

}  // namespace torv
