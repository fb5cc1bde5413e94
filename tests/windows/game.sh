#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Plays the Windows build under Wine like a German player: a name with an umlaut, the set
# bilder\Tiere with Eichhörnchen.jpg answered on a German keyboard, the total in game.dat (read by
# the Linux build's tool), the log on the console's standard error, and "Beenden" ending the game
# with exit code 0. With sound and voice on, SDL's disk driver records what the player hears: the
# right answer's sound at its moment and then "Eichhörnchen", spoken by the shipped voice data as
# the Linux library speaks it.
# Usage: game.sh <run folder with pexaro.exe> <pexaro-gamedat of the Linux build>
# Environment: WINE, the wine64 loader; WINEPREFIX.
set -euo pipefail
source "$(dirname "$0")/../lib/testlib.sh"
name_failing_steps
run=$1
gamedat=$2
start_work_folder
shot="$work/screen.png"
log="$work/game.log"
fail_log=$log
source "$lib_dir/audio.sh"
sounds="$run/daten/sounds"
recording="$work/audio.raw"

cp -r "$run/daten" "$run/settings.txt" "$run/pexaro.exe" "$work/"
sed -i -e 's/^showLog = .*/showLog = 1/' -e 's/^sound = .*/sound = 1/' \
  -e 's/^voice = .*/voice = 1/' "$work/settings.txt"
make_picture "$work/bilder/Tiere/Eichhörnchen.jpg" 400x300 "#8a5a2b"

use_german_keyboard
cd "$work"
export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$recording" SDL_DISKAUDIODELAY=23
# The console's text mode ends Windows' lines with CR LF.
"$WINE" pexaro.exe 2> >(sed -u 's/\r$//' >game.log) &
pid=$!
wait_for_window "$game_window_title"
wait_for_log "Menü geöffnet" 1
pause 1
take_shot
expect_menu

click_point name_field
pause 0.3
for _ in $(seq 9); do xdotool key BackSpace; done
xdotool type --delay 60 "Jürgen"

click_point first_set
pause 0.5
click_point start_button
wait_for_log "new Node: inputFrame$" 1
answer_until_taken "Eichhörnchen" 1

saved=""
for _ in $(seq 60); do
  [[ -f game.dat ]] && saved=$("$gamedat" show game.dat)
  grep -qxF "Jürgen?10" <<<"$saved" && break
  sleep 1
done
grep -qxF "{(Vorlatec)|HighscoreGameName}Tiere" <<<"$saved" || fail "no table for bilder\\Tiere: $saved"
grep -qxF "Jürgen?10" <<<"$saved" || fail "\"Eichhörnchen\" by Jürgen did not score 10: $saved"

wait_for_log "Menü geöffnet" 2
pause 0.5
quit_game_from_menu "$pid"
pid=""
# The log came through the console's standard error, in UTF-8.
grep -q "Info .*Menü geöffnet" game.log || fail "the log on standard error lacks the menu's line"

# The right answer's sound at its moment, then the name, as Linux's libespeak-ng speaks it.
expect_heard_at "$sounds/richtig.wav" "$(recorded_moment "CheckName: ")" "the right answer's sound"
match speak "$work" "Eichhörnchen"
expect_heard "$work/1.wav" "$heard_at" "$(echo "$heard_at + 3" | bc -l)" "$speech_match" \
  "\"Eichhörnchen\" spoken"
echo "windows game: ok"
