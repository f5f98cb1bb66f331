#!/usr/bin/env bash
# Takes docs/main_window.png (the main window after start-up on the default data) and
# docs/world_map.png (the same window after its timers have run a few ticks), rendered
# by a real X server (Xvfb).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/build.sh
mkdir -p docs
TORV_SCREENSHOT="$PWD/docs/main_window.png" TORV_WORLD_MAP_SCREENSHOT="$PWD/docs/world_map.png" QT_QPA_PLATFORM=xcb \
  xvfb-run -a -s "-screen 0 1280x1024x24" build/bin/test_mainwindow --gtest_filter='*Screenshot.*'
