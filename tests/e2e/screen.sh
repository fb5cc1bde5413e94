# SPDX-License-Identifier: GPL-3.0-or-later
# Helpers for the scripts that drive a program through its window in the virtual screen. Sourced;
# expects $shot to name the screenshot file.
# Positions are relative to the window: SDL libraries place it differently (the classic SDL 1.2 at
# the top left of the screen, sdl12-compat centred), so every click and pixel goes through here.

# xdotool reads the text it types in the locale's encoding, and the scripts' texts are UTF-8.
export LC_ALL=C.UTF-8

window_id=""

find_window() {  # title; sets window_id if there is such a window
  local found
  found=$(xdotool search --name "$1" 2>/dev/null) || true
  window_id=${found%%$'\n'*}
  [[ -n "$window_id" ]]
}

# Keys go to the focused window. Without a window manager nobody hands it the focus, and a
# program that ran before on the same display may have left the focus nowhere (SDL2 sets it
# itself), so the window is given it as a window manager would.
focus_window() {
  for _ in $(seq 50); do
    timeout 5 xdotool windowfocus --sync "$window_id" >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  echo "FAIL: the window does not take the keyboard focus"
  exit 1
}

wait_for_window() {  # title; a sanitizer build on a busy machine can take long to open
  for _ in $(seq 600); do
    if find_window "$1"; then
      focus_window
      return 0
    fi
    sleep 0.1
  done
  echo "FAIL: no window \"$1\""
  exit 1
}

# A test that names the SDL to run on (EXPECT_SDL: the folder of the library) checks that the
# program loaded that one, so that a library path that does not take cannot pass unnoticed.
expect_sdl() {  # pid
  [[ -n "${EXPECT_SDL:-}" ]] || return 0
  local maps
  maps=$(cat "/proc/$1/maps")
  [[ "$maps" == *"${EXPECT_SDL}libSDL-1.2"* ]] || { echo "FAIL: the SDL in $EXPECT_SDL is not loaded"; exit 1; }
}

point_at() {  # x y
  xdotool mousemove --window "$window_id" "$1" "$2"
}

click_at() {  # x y
  point_at "$1" "$2"
  xdotool click 1
}

# A screenshot of the window alone.
take_shot() {  # [file]
  import -window "$window_id" "${1:-$shot}"
}

pixel() {  # prints "r,g,b" of the screenshot at x y
  convert "$shot" -format '%[fx:int(255*p{'"$1,$2"'}.r+0.5)],%[fx:int(255*p{'"$1,$2"'}.g+0.5)],%[fx:int(255*p{'"$1,$2"'}.b+0.5)]' info:
}

expect_pixel() {  # x y expected description
  local got
  got=$(pixel "$1" "$2")
  if [[ "$got" != "$3" ]]; then
    echo "FAIL: $4: pixel ($1, $2) is $got, expected $3"
    exit 1
  fi
}

expect_menu() {  # the game's menu is drawn: its backdrop and the frame of the list of sets
  expect_pixel 900 300 "15,25,40" "the menu's backdrop"
  expect_pixel 512 385 "35,48,63" "the frame of the list of sets"
}

# Waits up to a minute for the program to end by itself; fails unless its exit code is 0.
expect_clean_end() {  # pid
  local status=0
  for _ in $(seq 60); do
    kill -0 "$1" 2>/dev/null || break
    sleep 1
  done
  wait "$1" || status=$?
  if [[ $status -ne 0 ]]; then
    echo "FAIL: the game ended with exit code $status"
    exit 1
  fi
}

# Whether the program was built with the address sanitizer. The output is read whole before it is
# searched: a reader that stops at the first match could kill ldd, and pipefail would count that.
is_sanitizer_build() {  # executable
  local libraries
  libraries=$(ldd "$1" 2>&1) || return 1
  [[ "$libraries" == *libasan* ]]
}

# A virtual display of its own, for a test that needs its own screen size or runs beside others.
# Sets DISPLAY and xvfb_pid; expects fail from the caller.
start_private_display() {  # WxH folder for the display's number
  Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp -noreset 3>"$2/display" >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do
    [[ -s "$2/display" ]] && break
    sleep 0.1
  done
  [[ -s "$2/display" ]] || fail "the virtual display did not start"
  export DISPLAY=":$(head -n 1 "$2/display")"
}

# Plays the first set on the menu's page, whose one picture shows <answer>, until its total is in
# <folder>/game.dat. Expects pause and fail from the caller.
play_first_set_until_saved() {  # answer folder
  click_at 512 150
  pause 0.5
  click_at 772 478
  pause 2
  xdotool type --delay 60 "$1"
  xdotool key Return
  for _ in $(seq 60); do
    [[ -f "$2/game.dat" ]] && break
    sleep 1
  done
  [[ -f "$2/game.dat" ]] || fail "no game.dat in $2"
}

# A German keyboard, so that umlauts are typed on their own keys as a German player types them.
use_german_keyboard() {
  setxkbmap -layout de || { echo "FAIL: no German keyboard layout"; exit 1; }
}
