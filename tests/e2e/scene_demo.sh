#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the scene demo in the current X display, moves and clicks the mouse like a user,
# checks the screen, and ends it with SIGTERM (which the engine turns into a quit event).
# Usage: scene_demo.sh <SceneDemo executable>
set -euo pipefail
demo=$1
source "$(dirname "$0")/../lib/testlib.sh"
start_work_folder
shot="$work/screen.png"

start_in_window "ZudeRezede2D scene demo" "$demo"
sleep 0.5
move_to_point scene_pointer
sleep 0.3
take_shot
expect_point_pixel scene_panel "40,40,70" "panel"
expect_point_pixel scene_pointer_marker "255,255,255" "mouse marker follows the pointer"
expect_point_pixel scene_opaque_box "250,200,40" "opaque box below the faded group"

xdotool click 1
sleep 0.3
take_shot
expect_point_pixel scene_pointer_marker "255,255,255" "marker after the click"
before=$(point_pixel scene_faded_group)
xdotool click 1
sleep 0.3
take_shot
after=$(point_pixel scene_faded_group)
[[ "$before" != "$after" ]] || fail "clicking did not toggle the faded group ($before both times)"

expect_clean_term "$pid" "the demo"
pid=""
echo "scene demo: ok"
