#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Plays the real game like a German player: a name with an umlaut, two sets, answers typed on a
# German keyboard ("käse" for Käse.png), the highscores in game.dat, paging, a game left with
# "Beenden", and the menu's "Beenden" ending the program with exit code 0.
# Usage: game.sh <run folder with pexaro> <pexaro-gamedat> <folder for screenshots>
set -euo pipefail
source "$(dirname "$0")/../lib/testlib.sh"
name_failing_steps
run=$1
gamedat=$2
shots=$3
start_work_folder
mkdir -p "$shots"
font="$run/daten/font/vera/Vera.ttf"

cp -r "$run/bilder" "$run/daten" "$run/settings.txt" "$work/"
cp "$run/pexaro" "$work/"
# Information lines tell when a game takes answers; a busy machine makes fixed pauses unreliable.
sed -i 's/^showLog = .*/showLog = 1/' "$work/settings.txt"
mkdir "$work/bilder/Aaa Test" "$work/bilder/Aab Käse"
for answer in Hund Katze Maus; do
  convert -size 400x300 xc:"#336699" -fill white -pointsize 40 -gravity center \
    -font "$font" -annotate 0 "?" "$work/bilder/Aaa Test/$answer.png"
done
convert -size 400x300 xc:"#e0c040" "$work/bilder/Aab Käse/Käse.png"

shot="$work/screen.png"
log="$work/game.log"
fail_log=$log
slow_down_for "$work/pexaro"

use_german_keyboard
cd "$work"
./pexaro 2>game.log &
pid=$!
wait_for_window "$game_window_title"
expect_sdl "$pid"
# Centred on the screen, whichever SDL runs it.
read -r screen_width screen_height < <(xdotool getdisplaygeometry)
geometry=$(xdotool getwindowgeometry --shell "$window_id")
[[ "$geometry" == *$'\n'"X=$(((screen_width - 1024) / 2))"$'\n'"Y=$(((screen_height - 768) / 2))"$'\n'* ]] ||
  fail "the window is not centred: $geometry"
wait_for_log "Menü geöffnet" 1
pause 1
take_shot "$shots/e2e-menu.png"

# The name field of the right-hand frame: clear "Spieler 1", type a name.
click_point name_field
pause 0.3
for _ in $(seq 9); do xdotool key BackSpace; done
xdotool type --delay 60 "Jürgen"

# Plays the set at the named point of page 1 with the given answer for every picture.
play() {  # set answer pictures
  local games answers
  games=$(grep -c "new Node: inputFrame$" game.log || true)
  click_point "$1"
  pause 0.5
  click_point start_button
  wait_for_log "new Node: inputFrame$" $((games + 1))
  for _ in $(seq "$3"); do
    answers=$(grep -c "CheckName: " game.log || true)
    answer_until_taken "$2" $((answers + 1))
  done
}
# Waits until game.dat holds the line at least <count> times.
expect_saved() {  # line description [count]
  local saved=""
  for _ in $(seq 60); do
    [[ -f game.dat ]] && saved=$("$gamedat" show game.dat)
    [[ $(grep -cxF "$1" <<<"$saved") -ge ${3:-1} ]] && return 0
    sleep 1
  done
  echo "$saved"
  fail "$2"
}

# "Aaa Test": three pictures; "Hund" is right once and scores nothing for the others.
play first_set Hund 3
expect_saved "{(Vorlatec)|HighscoreGameName}Aaa Test" "no table for the first set"
expect_saved "Jürgen?10" "the total with the player's name was not entered"
pause 1
take_shot "$shots/e2e-highscores.png"

# "Aab Käse": the umlaut typed on its own key scores full points.
play second_set "käse" 1
expect_saved "{(Vorlatec)|HighscoreGameName}Aab Käse" "no table for the set with an umlaut"
expect_saved "Jürgen?10" "\"käse\" did not score 10 for Käse.png" 2

# Page 2, its first set, a picture, and back with the game's "Beenden".
wait_for_log "Menü geöffnet" 3
click_point next_page_button
pause 1
click_point first_set
pause 0.5
click_point start_button
wait_for_log "new Node: inputFrame$" 3
pause 2
take_shot "$shots/e2e-game.png"
click_point game_quit_button
wait_for_log "Menü geöffnet" 4
pause 0.5

# The menu's "Beenden" ends the program.
quit_game_from_menu "$pid"
pid=""
[[ $("$gamedat" show game.dat | grep -c "Jürgen?") -eq 2 ]] || fail "a game left early was entered"
echo "game: ok"
