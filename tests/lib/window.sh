# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
# Driving a program through its window in the virtual screen; part of testlib.sh. Expects $shot
# to name the screenshot file.
# Positions are relative to the window: SDL libraries place it differently (the classic SDL 1.2 at
# the top left of the screen, sdl12-compat centred), so every click and pixel goes through here.

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
  fail "the window does not take the keyboard focus"
}

wait_for_window() {  # title; a sanitizer build on a busy machine can take long to open
  for _ in $(seq 600); do
    if find_window "$1"; then
      focus_window
      return 0
    fi
    sleep 0.1
  done
  fail "no window \"$1\""
}

# Starts the program in the background ($pid) and waits for its window, on the SDL expected.
start_in_window() {  # title command...
  local title=$1
  shift
  "$@" &
  pid=$!
  wait_for_window "$title"
  expect_sdl "$pid"
}

# A test that names the SDL to run on (EXPECT_SDL: the folder of the library) checks that the
# program loaded that one, so that a library path that does not take cannot pass unnoticed.
expect_sdl() {  # pid
  [[ -n "${EXPECT_SDL:-}" ]] || return 0
  local maps
  maps=$(cat "/proc/$1/maps")
  [[ "$maps" == *"${EXPECT_SDL}libSDL-1.2"* ]] || fail "the SDL in $EXPECT_SDL is not loaded"
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
  [[ "$got" == "$3" ]] || fail "$4: pixel ($1, $2) is $got, expected $3"
}

# The window's class and its icon as the two libraries set it (sdl12-compat as _NET_WM_ICON, the
# classic library as a bitmap in WM_HINTS).
window_properties() {
  xprop -id "$window_id" -f _NET_WM_ICON 32c ' = $0, $1\n' WM_CLASS _NET_WM_ICON WM_HINTS
}
