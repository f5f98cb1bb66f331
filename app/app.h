#pragma once
#include <string>

#include "common/progress_window.h"
#include "common/version_window.h"
#include "orbit/element_table.h"
#include "platform/form.h"

namespace torv {

// Owns the program's shared state and the one default instance of every window.
class App {
public:
    // The start-up sequence as far as the windows that exist today reach.
    void start();

    ElementTable elements;

    platform::FormInstance<Form17> form17;
    platform::FormInstance<Form5> form5;

private:
    void load_elements();
};

}  // namespace torv
