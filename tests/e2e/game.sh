#!/usr/bin/env bash
# Plays the real game like a player: name, set, answers, highscore in game.dat, paging, a game
# left with "Beenden", and the menu's "Beenden" ending the program with exit code 0.
# Usage: game.sh <run folder with pexaro> <pexaro-gamedat> <folder for screenshots>
set -euo pipefail
run=$1
gamedat=$2
shots=$3
work=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$work"' EXIT
mkdir -p "$shots"

cp -r "$run/bilder" "$run/daten" "$run/settings.txt" "$work/"
cp "$run/pexaro" "$work/"
mkdir "$work/bilder/Aaa Test"
for answer in Hund Katze Maus; do
  convert -size 400x300 xc:"#336699" -fill white -pointsize 40 -gravity center \
    -annotate 0 "?" "$work/bilder/Aaa Test/$answer.png"
done

# The sanitizer build draws far slower.
slow=1
if ldd "$work/pexaro" | grep -q libasan; then slow=4; fi
pause() { sleep "$(echo "$1 * $slow" | bc -l)"; }

source "$(dirname "$0")/screen.sh"
cd "$work"
./pexaro &
pid=$!
wait_for_window "^Ged.*chtnisspiel$"
pause 2
import -window root "$shots/e2e-menu.png"

# The name field of the right-hand frame: clear "Spieler 1", type a name.
xdotool mousemove 770 437 click 1
pause 0.3
for _ in $(seq 9); do xdotool key BackSpace; done
xdotool type --delay 60 "Tester"
# The first set on page 1 ("Aaa Test"), then "Spiel starten".
xdotool mousemove 512 150 click 1
pause 0.5
xdotool mousemove 772 478 click 1
pause 2

# Three pictures; "Hund" is right once and scores nothing for the others.
for _ in 1 2 3; do
  xdotool type --delay 60 "Hund"
  xdotool key Return
  pause 6
done
for _ in $(seq 60); do
  [[ -f game.dat ]] && break
  sleep 1
done
saved=$("$gamedat" show game.dat)
echo "$saved"
grep -qx "{(Vorlatec)|HighscoreGameName}Aaa Test" <<<"$saved" || { echo "FAIL: no table for the set"; exit 1; }
grep -qx "Tester?10" <<<"$saved" || { echo "FAIL: the total was not entered"; exit 1; }
pause 1
import -window root "$shots/e2e-highscores.png"

# Page 2, its first set (a sample set, for the README's picture of a game), and back with the
# game's "Beenden".
xdotool mousemove 847 68 click 1
pause 1
xdotool mousemove 512 150 click 1
pause 0.5
xdotool mousemove 772 478 click 1
pause 2
import -window root "$shots/e2e-game.png"
xdotool mousemove 670 756 click 1
pause 2

# The menu's "Beenden" ends the program.
xdotool mousemove 772 552 click 1
status=0
for _ in $(seq 60); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 1
done
wait "$pid" || status=$?
if [[ $status -ne 0 ]]; then
  echo "FAIL: the game ended with exit code $status"
  exit 1
fi
[[ $("$gamedat" show game.dat | grep -c "Tester?") -eq 1 ]] || { echo "FAIL: a game left early was entered"; exit 1; }
echo "game: ok"
