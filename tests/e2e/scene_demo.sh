#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the scene demo in the current X display, moves and clicks the mouse like a user,
# checks the screen, and ends it with SIGTERM (which the engine turns into a quit event).
# Usage: scene_demo.sh <SceneDemo executable>
set -euo pipefail
demo=$1
shot=$(mktemp --suffix=.png)
pid=""
trap '[[ -z "$pid" ]] || kill "$pid" 2>/dev/null; rm -f "$shot"' EXIT

source "$(dirname "$0")/screen.sh"

"$demo" &
pid=$!
wait_for_window "ZudeRezede2D scene demo"
expect_sdl "$pid"
sleep 0.5
point_at 600 100
sleep 0.3
take_shot
expect_pixel 30 30 "40,40,70" "panel"
expect_pixel 603 103 "255,255,255" "mouse marker follows the pointer"
expect_pixel 70 370 "250,200,40" "opaque box below the faded group"

xdotool click 1
sleep 0.3
take_shot
expect_pixel 603 103 "255,255,255" "marker after the click"
before=$(pixel 90 315)
xdotool click 1
sleep 0.3
take_shot
after=$(pixel 90 315)
if [[ "$before" == "$after" ]]; then
  echo "FAIL: clicking did not toggle the faded group ($before both times)"
  exit 1
fi

kill -TERM "$pid"
status=0
wait "$pid" || status=$?
pid=""
if [[ $status -ne 0 ]]; then
  echo "FAIL: the demo exited with $status"
  exit 1
fi
echo "scene demo: ok"
