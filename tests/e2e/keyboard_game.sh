#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Plays a whole game without the mouse: the name typed at once, a set
# chosen with the arrow keys across pages, Enter to start (held on while the answer begins), the
# answers (the second with the number pad's Enter), the total in game.dat, a second game started
# with the number pad's Enter and left with Escape, Escape in the menu ignored. The mouse is never
# touched.
# Usage: keyboard_game.sh <run folder with pexaro> <pexaro-gamedat>
set -euo pipefail
source "$(dirname "$0")/../lib/testlib.sh"
run=$1
gamedat=$2
start_work_folder
fail_log="$work/log"

cp -r "$run/bilder" "$run/daten" "$run/pexaro" "$work/"
printf '[Game]\nshowLog = 1\nfullscreen = 0\nmaxTextureSize = 512\n' >"$work/settings.txt"
mkdir "$work/bilder/Aaa Test"
for answer in Hund Katze; do make_picture "$work/bilder/Aaa Test/$answer.png" 400x300 "#336699"; done

slow_down_for "$work/pexaro"
key() { xdotool key --delay 80 "$@"; pause 0.3; }

use_german_keyboard
cd "$work"
./pexaro >"$work/log" 2>&1 &
pid=$!
wait_for_window "$game_window_title"
expect_sdl "$pid"
pause 2

# The log names the library the game loaded.
startup=$(cat "$work/log")
[[ "$startup" =~ SDL\ 1\.2\.[0-9]+\ aus\ ${EXPECT_SDL:-/}[^$'\n']*libSDL-1\.2\.so\.0 ]] ||
  fail "the log does not name the SDL library loaded"

# Escape in the menu changes nothing; the name field takes typing at once.
key Escape
kill -0 "$pid" 2>/dev/null || fail "Escape ended the game"
key --repeat 9 BackSpace
xdotool type --delay 60 "Tastatur"
# Page 2 and back, then the first set with the arrow keys, and Enter.
key Next
key Prior
key Down
# Enter is held on into the game while the answer begins: the game takes neither its repeats nor
# counts it as held, so the letters typed under it are letters and no empty answer goes in.
xdotool keydown Return
pause 2
xdotool type --delay 60 "Hu"
pause 0.5
xdotool keyup Return
pause 0.3
# Enter is ignored while the pictures cross-fade; pressed again until the answer is taken. The
# second answer is given with the number pad's Enter.
answers=0
for step in "nd Return" "Hund KP_Enter"; do
  read -r text enter <<<"$step"
  xdotool type --delay 60 "$text"
  answers=$((answers + 1))
  for _ in $(seq $((100 * slow))); do
    key "$enter"
    taken=$(grep -c "CheckName: " "$work/log" || true)
    [[ $taken -ge $answers ]] && break
  done
done
first=$(grep -m1 "CheckName: " "$work/log" || true)
[[ $first == *" entered: HundCheckName: "* ]] || fail "the held Enter took the letters typed under it: $first"
wait_for_file game.dat 60 || fail "no game.dat"
saved=$("$gamedat" show game.dat)
grep -qx "{(Vorlatec)|HighscoreGameName}Aaa Test" <<<"$saved" || fail "no table for the set: $saved"
grep -qx "Tastatur?10" <<<"$saved" || fail "the total was not entered: $saved"

# The same set is still chosen: the number pad's Enter starts it again, Escape leaves without a
# score.
pause 1
key KP_Enter
pause 2
xdotool type --delay 60 "Hund"
key Escape
pause 2
key Escape
kill -0 "$pid" 2>/dev/null || fail "Escape in the menu ended the game"
[[ $("$gamedat" show game.dat | grep -c "Tastatur?") -eq 1 ]] || fail "a game left with Escape was entered"
log_now=$(cat "$work/log")
[[ $(grep -c "| DON'T SAVE" <<<"$log_now") -ge 2 ]] || fail "Escape did not lead back to the menu"

# No key ends the program from the menu; the window system's quit does, with exit code 0.
expect_clean_term "$pid"
pid=
echo "keyboard game: ok"
