#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the widget demo in the current X display, points and clicks like a user, checks the
# screen, and ends it with SIGTERM (which the engine turns into a quit event).
# Usage: widget_demo.sh <WidgetDemo executable>
set -euo pipefail
demo=$1
source "$(dirname "$0")/../lib/testlib.sh"
start_work_folder
shot="$work/screen.png"

start_in_window "ZudeRezede2D widget demo" "$demo"
sleep 0.5
point_at 300 400
sleep 0.3
take_shot
expect_pixel 452 77 "110,70,30" "the empty area"
expect_pixel 62 305 "70,70,90" "the third choice, unchecked"

point_at 500 100
sleep 0.3
take_shot
expect_pixel 452 77 "150,150,60" "the empty area under the pointer"

click_at 65 310
sleep 0.3
take_shot
expect_pixel 62 305 "40,150,60" "the third choice after its click"
expect_pixel 62 245 "70,70,90" "the first choice after another was chosen"

expect_clean_term "$pid" "the demo"
pid=""
echo "widget demo: ok"
