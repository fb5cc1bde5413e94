#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Full screen on sdl12-compat on a 1920 x 1080 desktop with a window manager: the window fills
# the screen, the 1024 x 768 picture is scaled with its proportions kept (bars at the sides),
# clicks land on the controls drawn under them (a set, "Spiel starten", the game's answer, the
# menu's "Beenden"), and F11 switches to a window at the settings' windowScale and back. The F11
# switch and the window's icon and class are also checked on the classic library, in a window.
# Usage: fullscreen.sh <run folder with pexaro> <pexaro-gamedat>
set -euo pipefail
source "$(dirname "$0")/../lib/testlib.sh"
run=$1
gamedat=$2
work=$(mktemp -d)
pid=
xvfb_pid=
wm_pid=
cleanup() {
  [[ -n "$pid" ]] && kill "$pid" 2>/dev/null
  [[ -n "$wm_pid" ]] && kill "$wm_pid" 2>/dev/null
  [[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail_log="$work/log"

have_sdl12_compat || { echo "SKIP: libsdl1.2-compat is not installed"; exit 77; }
compat=$(sdl12_compat_dir)
command -v jwm >/dev/null || { echo "SKIP: jwm is not installed"; exit 77; }

shot="$work/screen.png"
slow_down_for "$run/pexaro"

# A display of its own at the size of today's desktops, with a window manager, which is what
# honours a full-screen request.
start_private_display 1920x1080 "$work"
jwm >/dev/null 2>&1 &
wm_pid=$!
pause 1

cp -r "$run/bilder" "$run/daten" "$run/pexaro" "$work/"
rm -rf "$work/bilder"/*
make_picture "$work/bilder/Aaa Test/Hund.png" 400x300 "#336699"
settings() {  # fullscreen [windowScale]
  printf '[Game]\nshowLog = 1\nfullscreen = %s\nwindowScale = %s\nmaxTextureSize = 512\n' "$1" "${2:-1}" \
    >"$work/settings.txt"
}

start() {  # extra environment for the game
  (cd "$work" && exec env "$@" ./pexaro) >"$work/log" 2>&1 &
  pid=$!
  wait_for_window "$game_window_title"
  window=$window_id
  pause 3
  geometry
}

# Where the game's pixel (x, y) is on the screen: the window's place plus the picture scaled
# into the window with its proportions kept and centred.
# xwininfo, not xdotool getwindowgeometry: under a window manager that frames the window, the
# latter adds the frame's offset once more.
geometry() {
  local info
  info=$(xwininfo -id "$window")
  X=$(sed -n 's/^ *Absolute upper-left X: *//p' <<<"$info")
  Y=$(sed -n 's/^ *Absolute upper-left Y: *//p' <<<"$info")
  WIDTH=$(sed -n 's/^ *Width: *//p' <<<"$info")
  HEIGHT=$(sed -n 's/^ *Height: *//p' <<<"$info")
}
at() {  # x y -> "screen_x screen_y"
  echo "$X $Y $WIDTH $HEIGHT $1 $2" | awk '{
    s = $3 / 1024; if ($4 / 768 < s) s = $4 / 768
    printf "%d %d\n", $1 + ($3 - 1024 * s) / 2 + $5 * s, $2 + ($4 - 768 * s) / 2 + $6 * s }'
}
# The library's clicks on named points come here too.
click_at() {  # x y in the game's pixels
  local position
  position=$(at "$1" "$2")
  xdotool mousemove $position click 1
  pause 0.5
}
expect_game_pixel() {  # point expected description
  local position
  locate "$1"
  position=$(at "$point_x" "$point_y")
  # Split on purpose: x and y.
  expect_pixel $position "$2" "$3"
}

quit() {
  quit_game_from_menu "$pid"
  pid=
}

# sdl12-compat, full screen; the window F11 makes is scaled.
settings 1 1.25
start LD_LIBRARY_PATH="$compat"
[[ $WIDTH -eq 1920 && $HEIGHT -eq 1080 ]] || fail "the full-screen window is ${WIDTH}x${HEIGHT}"
import -window root "$shot"
expect_point_pixel full_screen_left_bar "0,0,0" "the bar left of the scaled picture"
expect_game_pixel menu_backdrop "15,25,40" "the menu's backdrop, scaled"
expect_game_pixel set_list_frame "35,48,63" "the frame of the list of sets, scaled"

play_first_set_until_saved Hund "$work"
saved=$("$gamedat" show "$work/game.dat" 2>/dev/null) || fail "game.dat cannot be read"
grep -qx "Spieler 1?10" <<<"$saved" || fail "the game was not played: $saved"
pause 2

# F11: a window of the game's size times windowScale, the picture scaled into it, and back to
# full screen.
xdotool key F11
pause 2
geometry
[[ $WIDTH -eq 1280 && $HEIGHT -eq 960 ]] || fail "F11 did not make a 1280x960 window: ${WIDTH}x${HEIGHT}"
import -window root "$shot"
expect_game_pixel set_list_frame "35,48,63" "the frame of the list of sets, in the scaled window"
expect_game_pixel first_thumbnail "51,102,153" "the set's thumbnail, a texture kept across the new mode"
xdotool key F11
pause 2
geometry
[[ $WIDTH -eq 1920 && $HEIGHT -eq 1080 ]] || fail "F11 did not return to full screen: ${WIDTH}x${HEIGHT}"
quit

# The window's icon and class, on both libraries; F11 on the classic one as far as it can.
check_window() {  # library
  local properties
  properties=$(window_properties)
  [[ "$properties" == *'WM_CLASS(STRING) = "pexaro", "pexaro"'* ]] ||
    fail "$1: the window's class is not pexaro: $(head -n 1 <<<"$properties")"
  # sdl12-compat sets the icon as _NET_WM_ICON, the classic library as a bitmap in WM_HINTS.
  local icon="_NET_WM_ICON(CARDINAL) = 48, 48"
  [[ $1 == classic ]] && icon="bitmap id # to use for icon"
  [[ "$properties" == *"$icon"* ]] || fail "$1: the window has no icon"
}
settings 0
start LD_LIBRARY_PATH="$compat"
check_window compat
quit

start
maps=$(cat "/proc/$pid/maps")
[[ "$maps" != *sdl12-compat* ]] || fail "the classic run loaded sdl12-compat"
check_window classic
xdotool key F11
pause 2
log_now=$(cat "$work/log")
[[ "$log_now" == *"Vollbild umgeschaltet"* || "$log_now" == *"Vollbild nicht umschaltbar"* ]] ||
  fail "F11 was not taken by the classic library"
xdotool key F11
pause 2
geometry
quit
echo "fullscreen: ok"
