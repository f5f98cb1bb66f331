#!/usr/bin/env bash
# Takes docs/main_window.png: the main window after start-up on the default data,
# rendered by a real X server (Xvfb).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/build.sh
mkdir -p docs
TORV_SCREENSHOT="$PWD/docs/main_window.png" QT_QPA_PLATFORM=xcb \
  xvfb-run -a -s "-screen 0 1280x1024x24" build/bin/test_mainwindow --gtest_filter='MainWindowScreenshot.*'
