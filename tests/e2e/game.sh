#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Plays the real game like a German player: a name with an umlaut, two sets, answers typed on a
# German keyboard ("käse" for Käse.png), the highscores in game.dat, paging, a game left with
# "Beenden", and the menu's "Beenden" ending the program with exit code 0.
# Usage: game.sh <run folder with pexaro> <pexaro-gamedat> <folder for screenshots>
set -euo pipefail
# A step that fails without a word of its own still names itself.
trap 'echo "FAIL: line $LINENO: $BASH_COMMAND"' ERR
run=$1
gamedat=$2
shots=$3
work=$(mktemp -d)
pid=""
trap '[[ -z "$pid" ]] || kill "$pid" 2>/dev/null; rm -rf "$work"' EXIT
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

source "$(dirname "$0")/screen.sh"
shot="$work/screen.png"

# The sanitizer build draws far slower.
slow=1
if is_sanitizer_build "$work/pexaro"; then slow=4; fi
pause() { sleep "$(echo "$1 * $slow" | bc -l)"; }

# Waits until the log holds at least <count> lines matching the pattern.
wait_for_log() {  # pattern count
  for _ in $(seq $((300 * slow))); do
    [[ $(grep -c -- "$1" game.log || true) -ge $2 ]] && return 0
    sleep 0.2
  done
  echo "FAIL: no log line \"$1\""
  exit 1
}

use_german_keyboard
cd "$work"
./pexaro 2>game.log &
pid=$!
wait_for_window "^Ged.*chtnisspiel$"
expect_sdl "$pid"
# Centred on the screen, whichever SDL runs it.
read -r screen_width screen_height < <(xdotool getdisplaygeometry)
geometry=$(xdotool getwindowgeometry --shell "$window_id")
[[ "$geometry" == *$'\n'"X=$(((screen_width - 1024) / 2))"$'\n'"Y=$(((screen_height - 768) / 2))"$'\n'* ]] ||
  { echo "FAIL: the window is not centred: $geometry"; exit 1; }
wait_for_log "Menü geöffnet" 1
pause 1
take_shot "$shots/e2e-menu.png"

# The name field of the right-hand frame: clear "Spieler 1", type a name.
click_at 770 437
pause 0.3
for _ in $(seq 9); do xdotool key BackSpace; done
xdotool type --delay 60 "Jürgen"

# Plays the set in the given row of page 1 with the given answer for every picture.
play() {  # y answer pictures
  local games answers
  games=$(grep -c "new Node: inputFrame$" game.log || true)
  click_at 512 "$1"
  pause 0.5
  click_at 772 478
  wait_for_log "new Node: inputFrame$" $((games + 1))
  for _ in $(seq "$3"); do
    answers=$(grep -c "CheckName: " game.log || true)
    xdotool type --delay 60 "$2"
    # Enter is ignored while the pictures cross-fade; pressed again until the answer is taken.
    for _ in $(seq $((100 * slow))); do
      xdotool key Return
      sleep 0.3
      [[ $(grep -c "CheckName: " game.log || true) -gt $answers ]] && continue 2
    done
    echo "FAIL: the answer \"$2\" was not taken"
    tail -n 20 game.log
    exit 1
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
  echo "FAIL: $2"
  exit 1
}

# "Aaa Test": three pictures; "Hund" is right once and scores nothing for the others.
play 150 Hund 3
expect_saved "{(Vorlatec)|HighscoreGameName}Aaa Test" "no table for the first set"
expect_saved "Jürgen?10" "the total with the player's name was not entered"
pause 1
take_shot "$shots/e2e-highscores.png"

# "Aab Käse": the umlaut typed on its own key scores full points.
play 214 "käse" 1
expect_saved "{(Vorlatec)|HighscoreGameName}Aab Käse" "no table for the set with an umlaut"
expect_saved "Jürgen?10" "\"käse\" did not score 10 for Käse.png" 2

# Page 2, its first set, a picture, and back with the game's "Beenden".
wait_for_log "Menü geöffnet" 3
click_at 847 68
pause 1
click_at 512 150
pause 0.5
click_at 772 478
wait_for_log "new Node: inputFrame$" 3
pause 2
take_shot "$shots/e2e-game.png"
click_at 670 756
wait_for_log "Menü geöffnet" 4
pause 0.5

# The menu's "Beenden" ends the program.
click_at 772 552
expect_clean_end "$pid"
pid=""
[[ $("$gamedat" show game.dat | grep -c "Jürgen?") -eq 2 ]] || { echo "FAIL: a game left early was entered"; exit 1; }
echo "game: ok"
