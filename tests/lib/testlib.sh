# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
# What the script tests share: failing, waiting, a scratch folder, a display of their own, and
# the helpers for driving a window (window.sh), its named points (named_points.sh) and the game's
# screens (game_screen.sh). Sourced.
lib_dir=$(dirname "${BASH_SOURCE[0]}")
# shellcheck source=tests/lib/sdl12_compat.sh
source "$lib_dir/sdl12_compat.sh"
# shellcheck source=tests/lib/window.sh
source "$lib_dir/window.sh"
# shellcheck source=tests/lib/named_points.sh
source "$lib_dir/named_points.sh"
# shellcheck source=tests/lib/game_screen.sh
source "$lib_dir/game_screen.sh"

# xdotool reads the text it types in the locale's encoding, and the scripts' texts are UTF-8.
export LC_ALL=C.UTF-8
# The shipped settings switch sound on: the games under test play it to SDL's silent device, not
# to the machine's speakers (the audio test records it instead).
export SDL_AUDIODRIVER=dummy

# A failure names itself, with the case it checks and the end of its log when it has them.
fail_case=""
fail_log=""
fail() {
  echo "FAIL${fail_case:+ [$fail_case]}: $*"
  if [[ -n "$fail_log" && -f "$fail_log" ]]; then
    echo "--- log (last 40 lines)"
    tail -n 40 "$fail_log"
  fi
  exit 1
}

# A step that fails without a word of its own still names itself.
name_failing_steps() {
  trap 'echo "FAIL: line $LINENO: $BASH_COMMAND"' ERR
}

# A scratch folder, removed at the end together with the program the script started ($pid).
start_work_folder() {
  work=$(mktemp -d)
  pid=""
  trap '[[ -z "$pid" ]] || kill "$pid" 2>/dev/null; rm -rf "$work"' EXIT
}

# The build installed, as a packager would, into $prefix inside the scratch folder.
install_build() {  # build folder, prefix's name
  prefix="$work/$2"
  cmake --install "$1" --prefix "$prefix" >/dev/null
}

# Pauses stretch with the build: the sanitizer build draws several times slower.
slow=1
pause() {  # seconds
  sleep "$(echo "$1 * $slow" | bc -l)"
}

# Whether the program was built with the address sanitizer. The output is read whole before it is
# searched: a reader that stops at the first match could kill ldd, and pipefail would count that.
is_sanitizer_build() {  # executable
  local libraries
  libraries=$(ldd "$1" 2>&1) || return 1
  [[ "$libraries" == *libasan* ]]
}

slow_down_for() {  # executable
  if is_sanitizer_build "$1"; then slow=4; fi
}

# Waits until the log ($log) holds at least <count> lines matching the pattern.
log=""
log_wait_seconds=60
wait_for_log() {  # extended regular expression [count]
  for _ in $(seq $((log_wait_seconds * 5 * slow))); do
    [[ $(grep -Ec -- "$1" "$log" || true) -ge ${2:-1} ]] && return 0
    sleep 0.2
  done
  fail "no log line matching: $1"
}

wait_for_file() {  # file seconds; false if it did not appear
  for _ in $(seq $(($2 * 2))); do
    [[ -f "$1" ]] && return 0
    sleep 0.5
  done
  [[ -f "$1" ]]
}

wait_for_end() {  # pid seconds; false if it still runs
  for _ in $(seq $(($2 * 5))); do
    kill -0 "$1" 2>/dev/null || return 0
    sleep 0.2
  done
  ! kill -0 "$1" 2>/dev/null
}

# Waits up to a minute for the program to end by itself; fails unless its exit code is 0.
expect_clean_end() {  # pid [what ended]
  local status=0
  wait_for_end "$1" 60 || fail "${2:-the game} did not end"
  wait "$1" || status=$?
  [[ $status -eq 0 ]] || fail "${2:-the game} ended with exit code $status"
}

# Ends the program as the window system's quit does; it must end with exit code 0.
expect_clean_term() {  # pid [what ended]
  local status=0
  kill -TERM "$1"
  wait "$1" || status=$?
  [[ $status -eq 0 ]] || fail "${2:-the game} ended with exit code $status"
}

# A virtual display of its own, for a test that needs its own screen size or runs beside others.
# Sets DISPLAY and xvfb_pid, which the caller ends.
# shellcheck disable=SC2034
start_private_display() {  # WxH folder for the display's number
  Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp -noreset 3>"$2/display" >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do
    [[ -s "$2/display" ]] && break
    sleep 0.1
  done
  [[ -s "$2/display" ]] || fail "the virtual display did not start"
  DISPLAY=":$(head -n 1 "$2/display")"
  export DISPLAY
}

# A German keyboard, so that umlauts are typed on their own keys as a German player types them.
use_german_keyboard() {
  setxkbmap -layout de || fail "no German keyboard layout"
}

# A picture of one colour, or of any ImageMagick source such as "plasma:".
make_picture() {  # file [size] [colour or source]
  local source=${3:-#3366aa}
  [[ "$source" == *: ]] || source="xc:$source"
  mkdir -p "$(dirname "$1")"
  convert -size "${2:-320x240}" "$source" "$1"
}
