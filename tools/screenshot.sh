#!/usr/bin/env bash
# Takes docs/main_window.png (the main window after start-up on the default data),
# docs/world_map.png (the same window after its timers have run a few ticks),
# docs/chart_sky_view.png (the same at a minute when satellites of group A are up),
# docs/bodies.png (the Sun, the Moon and Mars on the maps and the sky view, the orbit plane),
# docs/week_table.png (the week pass table of the ISS), docs/sky_track.png (the sky-track
# chart of the selected satellite), docs/local_zoom.png, partner_zoom.png and world_zoom.png
# (the three map windows), docs/station_dialog.png, group_settings_dialog.png and partner_station_dialog.png (the settings
# dialogs) and docs/ts2000_standard.png and ts2000_rig.png (the TS-2000 window's two
# layouts in the whole program on the default data, on a simulated rig), rendered by a
# real X server (Xvfb).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/build.sh
mkdir -p docs
TORV_SCREENSHOT="$PWD/docs/main_window.png" TORV_WORLD_MAP_SCREENSHOT="$PWD/docs/world_map.png" \
  TORV_CHART_SCREENSHOT="$PWD/docs/chart_sky_view.png" TORV_BODIES_SCREENSHOT="$PWD/docs/bodies.png" \
  QT_QPA_PLATFORM=xcb \
  xvfb-run -a -s "-screen 0 1280x1024x24" build/bin/test_mainwindow --gtest_filter='*Screenshot.*'
TORV_WEEK_SCREENSHOT="$PWD/docs/week_table.png" QT_QPA_PLATFORM=xcb \
  xvfb-run -a -s "-screen 0 1280x1024x24" build/bin/test_schedule --gtest_filter='*Screenshot*'
TORV_DIALOG_SCREENSHOTS="$PWD/docs" QT_QPA_PLATFORM=xcb \
  xvfb-run -a -s "-screen 0 1280x1024x24" build/bin/test_dialogs --gtest_filter='*Screenshot*'
TORV_SKY_TRACK_SCREENSHOT="$PWD/docs/sky_track.png" QT_QPA_PLATFORM=xcb \
  xvfb-run -a -s "-screen 0 1280x1024x24" build/bin/test_app --gtest_filter='SkyTrackWindowTest.Screenshot*'
TORV_MAP_SCREENSHOTS="$PWD/docs" QT_QPA_PLATFORM=xcb \
  xvfb-run -a -s "-screen 0 1280x1024x24" build/bin/test_app --gtest_filter='MapWindows.Screenshots*'
TORV_TS2000_SCREENSHOTS="$PWD/docs" QT_QPA_PLATFORM=xcb \
  xvfb-run -a -s "-screen 0 1280x1024x24" build/bin/test_app --gtest_filter='Ts2000Screenshots.*'
