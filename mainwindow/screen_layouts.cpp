// The seven screen layouts of the main window ("画面サイズ"): the window's size, where
// some views and controls stand and which of them show, as tables of one column per
// layout. A cell left empty keeps what the layout before left.
#include <array>

#include "mainwindow/main_window.h"
#include "platform/twips.h"

namespace torv {

namespace {

constexpr int kLayouts = 7;

struct TopLeft {
    int top = -1, left = -1;  // twips; -1: not moved
};
constexpr TopLeft kKeep{};

enum Shown : int8_t {
    K,  // kept as it is
    S,  // shown
    H,  // hidden
    P   // shown while a partner station is picked on a map
};

struct Size {
    int width, height;
};
// The window's outer size: title bar, borders and menu bar included.
constexpr std::array<Size, kLayouts> kWindowSizes{
    {{9645, 10950}, {9645, 10950}, {6290, 4385}, {6290, 4500}, {6230, 4850}, {9645, 5200}, {9645, 4550}}};

void move_keeping_size(QWidget* control, TopLeft at) {
    if (at.top < 0) return;
    platform::place(control, at.left, at.top, platform::px_to_twips(control->width()),
                    platform::px_to_twips(control->height()));
}

}  // namespace

void MainWindow::apply_layout(const std::string& code) {
    if (code.size() != 1 || code[0] < '0' || code[0] >= '0' + kLayouts) return;
    const auto n = static_cast<size_t>(code[0] - '0');

    set_outer_size(kWindowSizes[n].width, kWindowSizes[n].height);

    using Places = std::array<TopLeft, kLayouts>;
    const std::pair<QWidget*, Places> places[] = {
        {&Picture4, {{{4680, 6210}, {4680, 6210}, {4680, 6210}, {630, 90}, {4680, 6210}, {1250, 6210}, {700, 6210}}}},
        {&Picture1, {{{1800, 6210}, {1800, 6210}, {1800, 6210}, {630, 3100}, {1800, 6210}, {1800, 6210}, kKeep}}},
        {&Picture3, {{{4905, 45}, {4905, 45}, {4905, 45}, {4905, 45}, {920, 25}, {920, 25}, {4905, 45}}}},
        {&Picture5, {{{4725, 1000}, {4725, 1000}, {4725, 1000}, {4725, 1000}, {735, 980}, {735, 980}, kKeep}}},
        {&Command14, {{{4590, 135}, {4590, 135}, {4590, 135}, {4590, 135}, {650, 100}, {650, 100}, kKeep}}},
        {&Label21, {{{4500, 1035}, {4500, 1035}, {4500, 1035}, {4500, 1035}, {3420, 1035}, {3420, 1035}, kKeep}}},
        {&Frame1, {{{3780, 45}, {3780, 45}, {3780, 45}, {3780, 45}, kKeep, {570, 6210}, {3780, 45}}}},
    };
    for (const auto& [control, at] : places) move_keeping_size(control, at[n]);
    // A view moved onto the value labels of the full layout hides them, as a picture
    // covers the labels drawn on its window (the sky view of "縮小（レーダー）").
    for (QWidget* view : {&Picture1, &Picture3, &Picture4, &Picture5}) view->raise();

    // "運用情報" comes back with the full layouts after "5" hid it.
    const std::pair<QWidget*, std::array<Shown, kLayouts>> shown[] = {
        {&Picture2, {S, S, S, H, H, H, S}},  {&Picture1, {S, S, K, S, K, H, S}},
        {&Frame1, {S, S, S, S, H, S, S}},    {&Frame2, {S, S, S, H, S, H, H}},
        {&Frame3, {S, S, K, K, H, H, K}},    {&Frame6, {S, S, K, K, H, H, H}},
        {&Frame7, {P, P, P, P, P, H, H}},    {&Command11, {S, S, K, K, H, H, K}},
        {&Command17, {S, S, K, K, K, H, K}}, {&Command22, {S, S, K, K, H, H, K}},
        {&Command23, {S, S, S, S, S, H, H}},
    };
    for (const auto& [control, column] : shown) {
        const Shown s = column[n];
        if (s == P) control->setVisible(l_.view.partner_selected == 1);
        else if (s != K) control->setVisible(s == S);
    }

    if (n == 1) l_.seam.world_zoom_window_show();

    // "拡大（世界地図）" is the full window with the enlarged map beside it: both ticked.
    const std::array<platform::MenuItem*, kLayouts> items{&menu_gsiza_max,      &menu_gsiza_max_map, &menu_gsiza_min_map,
                                                          &menu_gsize_min_rada, &menu_gsize_24H,     &menu_gsize_24H_rada,
                                                          &menu_gsiza_min_map_rada};
    for (size_t i = 0; i < items.size(); ++i) items[i]->setChecked(i == n || (n == 1 && i == 0));
    l_.settings.gamen_no = code;
}

}  // namespace torv
