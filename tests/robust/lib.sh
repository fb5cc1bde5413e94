# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
# Shared steps of the bad-input cases: a sandbox with the game's working folder, a private
# virtual display, the real executable started and ended like a player would, and the checks
# every case makes (exit code 0, a time bound, no leftovers, nothing written outside).
# Sourced by the case scripts, which are called as: <script> <case> <pexaro> <pexaro-gamedat> <font>
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../lib/testlib.sh"

robust_case=$1
pexaro_built=$2
gamedat=$3
font=$4

# Root could read a file of mode 000 and write into a read-only folder; the game then runs as
# nobody, like a player without special rights.
as_player=()
if [[ $(id -u) -eq 0 ]]; then as_player=(setpriv --reuid=65534 --regid=65534 --clear-groups); fi

scratch=$(mktemp -d)   # display, executable, log: the test's, not the game's
sandbox=$(mktemp -d)   # everything the game may see; it must write only inside $work
work="$sandbox/spiel"
log="$scratch/game.log"
game_pid=""
xvfb_pid=""

robust_cleanup() {
  [[ -n "${KEEP_LOG:-}" ]] && cp "$log" "$KEEP_LOG"
  [[ -n "$game_pid" ]] && kill -9 -- "-$game_pid" 2>/dev/null
  [[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" 2>/dev/null
  chmod -R u+rwX "$sandbox" 2>/dev/null
  rm -rf "$sandbox" "$scratch"
}
trap robust_cleanup EXIT
# A failure names the case and shows the game's log; a log line is waited for half a minute.
fail_case=$robust_case
fail_log=$log
log_wait_seconds=30
slow_down_for "$pexaro_built"

mkdir -p "$work/daten/font/vera" "$work/bilder" "$sandbox/home" "$scratch/bin"
cp "$font" "$work/daten/font/vera/Vera.ttf"
printf '[Game]\nshowLog = 1\nfullscreen = 0\nmaxTextureSize = 512\n' >"$work/settings.txt"
cp "$pexaro_built" "$scratch/bin/pexaro"
game=("$scratch/bin/pexaro")
# The Windows build runs under Wine ($WINE), as root: its prefix is root's, and Wine reads a file
# without write bits as read-only whoever runs it.
if [[ "$pexaro_built" == *.exe ]]; then
  as_player=()
  mv "$scratch/bin/pexaro" "$scratch/bin/pexaro.exe"
  game=("$WINE" "$scratch/bin/pexaro.exe")
fi
# The leak checker must be able to read its suppressions as nobody.
if [[ "${LSAN_OPTIONS:-}" =~ suppressions=([^:]*) ]]; then
  cp "${BASH_REMATCH[1]}" "$scratch/bin/lsan.supp"
  export LSAN_OPTIONS="${LSAN_OPTIONS/${BASH_REMATCH[1]}/$scratch/bin/lsan.supp}"
fi

# One display per case, so that cases can run side by side.
start_display() {
  start_private_display 1280x1024 "$scratch"
  use_german_keyboard
}

time_limit=60   # seconds the game may run, times the slowness of the build

# Starts the game in $work; extra arguments are run before it in the same shell (ulimit).
start_game() {
  [[ -n "$xvfb_pid" ]] || start_display
  chown -R 65534:65534 "$sandbox" "$scratch" 2>/dev/null || true
  # Through a pipe: a file size limit of the game must not cut its log.
  rm -f "$scratch/log.pipe"
  mkfifo "$scratch/log.pipe"
  # The console's text mode ends Windows' lines with CR LF.
  sed -u 's/\r$//' <"$scratch/log.pipe" >"$log" &
  (
    cd "$work"
    export HOME="$sandbox/home"
    if [[ "$pexaro_built" == *.exe ]]; then
      # Wine's own files (~/.config) are not the game's: its home is the test's.
      export HOME="$scratch/wine-home"
      # The prefix's server runs already (tests/windows/wine.sh), so no limit given to the game
      # reaches it. Windows has no file size signal; a write past the limit just fails.
      trap '' XFSZ
    fi
    "$@"
    # Its own process group, so that the cleanup also reaches the game behind timeout.
    exec setsid timeout -s KILL "$((time_limit * slow))" "${as_player[@]}" "${game[@]}"
  ) >"$scratch/log.pipe" 2>&1 &
  game_pid=$!
}

game_process() { pgrep -xf "$scratch/bin/pexaro"; }

wait_for_game_window() {  # fails early when the game ends first
  for _ in $(seq $((150 * slow))); do
    if find_window "$game_window_title"; then
      expect_sdl "$(game_process)"
      focus_window
      return 0
    fi
    kill -0 "$game_pid" 2>/dev/null || fail "the game ended before it showed its window"
    sleep 0.2
  done
  fail "no game window"
}

# Waits for the game to end by itself; fails unless it ends in time with exit code 0.
expect_clean_exit() {
  local status=0
  wait_for_end "$game_pid" $((20 * slow)) || fail "the game is still running"
  wait "$game_pid" || status=$?
  game_pid=""
  [[ $status -eq 124 || $status -eq 137 ]] && fail "the game did not end in time"
  [[ $status -eq 0 ]] || fail "the game ended with exit code $status"
}

click() {  # point
  click_point "$1"
  pause 0.4
}

# The menu's "Beenden".
quit_from_menu() {
  click menu_quit_button
  expect_clean_exit
}

expect_log() {  # extended regular expression
  grep -Eq -- "$1" "$log" || fail "no log line matching: $1"
}

expect_no_log() {  # extended regular expression
  if grep -Eq -- "$1" "$log"; then fail "unexpected log line matching: $1"; fi
}

# Nothing but the working folder (and an untouched home) in the sandbox, no temporary copies.
expect_tidy() {
  local outside
  outside=$(cd "$sandbox" && find . -mindepth 1 -not -path './spiel*' -not -path './home')
  [[ -z "$outside" ]] || fail "written outside the working folder: $outside"
  if compgen -G "$work/_tmpFilePexaro*" >/dev/null; then fail "temporary copies left behind"; fi
}

# "r,g,b" at a named point of a fresh screenshot of the window.
shot="$scratch/screen.png"
screen_pixel() {  # point
  take_shot
  point_pixel "$1"
}

# The game shows one of the blue test pictures at the point.
expect_blue_picture() {  # point
  local colour r g b
  colour=$(screen_pixel "$1")
  IFS=, read -r r g b <<<"$colour"
  ((b > 150 && r < 100)) || fail "no picture in the game screen (pixel $colour)"
}

window_size() {
  xdotool getwindowgeometry "$window_id" | sed -n 's/.*Geometry: //p'
}

# Clicks the first set on the page and "Spiel starten" (the name field keeps its default).
start_first_set() {
  click first_set
  click start_button
  pause 1.5
}

# Starts a game of the first set on the page and waits until it takes answers.
play_first_set() {
  local games
  games=$(grep -c "new Node: inputFrame$" "$log" || true)
  start_first_set
  wait_for_log "new Node: inputFrame$" $((games + 1))
  pause 0.5
}

answer() {  # text
  xdotool type --delay 40 "$1"
  xdotool key Return
}

gamedat_show() {
  "$gamedat" show "$work/game.dat"
}
