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
move_to_point widget_pointer_away
sleep 0.3
take_shot
expect_point_pixel widget_empty_area "110,70,30" "the empty area"
expect_point_pixel widget_third_choice "70,70,90" "the third choice, unchecked"

move_to_point widget_pointer_on_empty_area
sleep 0.3
take_shot
expect_point_pixel widget_empty_area "150,150,60" "the empty area under the pointer"

click_point widget_third_choice_button
sleep 0.3
take_shot
expect_point_pixel widget_third_choice "40,150,60" "the third choice after its click"
expect_point_pixel widget_first_choice "70,70,90" "the first choice after another was chosen"

expect_clean_term "$pid" "the demo"
pid=""
echo "widget demo: ok"
