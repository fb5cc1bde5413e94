#!/usr/bin/env bash
# Starts the scene demo in the current X display, moves and clicks the mouse like a user,
# checks the screen, and ends it with SIGTERM (which the engine turns into a quit event).
# Usage: scene_demo.sh <SceneDemo executable>
set -euo pipefail
demo=$1
shot=$(mktemp --suffix=.png)
trap 'rm -f "$shot"' EXIT

pixel() {  # prints "r,g,b" of the screenshot at x y
  convert "$shot" -format '%[fx:int(255*p{'"$1,$2"'}.r)],%[fx:int(255*p{'"$1,$2"'}.g)],%[fx:int(255*p{'"$1,$2"'}.b)]' info:
}
expect_pixel() {  # x y expected description
  local got
  got=$(pixel "$1" "$2")
  if [[ "$got" != "$3" ]]; then
    echo "FAIL: $4: pixel ($1, $2) is $got, expected $3"
    exit 1
  fi
}

"$demo" &
pid=$!
for _ in $(seq 50); do
  xdotool search --name "ZudeRezede2D scene demo" >/dev/null 2>&1 && break
  sleep 0.1
done
sleep 0.5
xdotool mousemove 600 100
sleep 0.3
import -window root "$shot"
expect_pixel 30 30 "40,40,70" "panel"
expect_pixel 603 103 "255,255,255" "mouse marker follows the pointer"
expect_pixel 70 370 "250,200,40" "opaque box below the faded group"

xdotool click 1
sleep 0.3
import -window root "$shot"
expect_pixel 603 103 "255,255,255" "marker after the click"
before=$(pixel 90 315)
xdotool click 1
sleep 0.3
import -window root "$shot"
after=$(pixel 90 315)
if [[ "$before" == "$after" ]]; then
  echo "FAIL: clicking did not toggle the faded group ($before both times)"
  exit 1
fi

kill -TERM "$pid"
status=0
wait "$pid" || status=$?
if [[ $status -ne 0 ]]; then
  echo "FAIL: the demo exited with $status"
  exit 1
fi
echo "scene demo: ok"
