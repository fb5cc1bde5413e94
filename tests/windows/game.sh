#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Plays the Windows build under Wine like a German player: a name with an umlaut, the set
# bilder\Tiere with Eichhörnchen.jpg answered on a German keyboard, the total in game.dat (read by
# the Linux build's tool), the log on the console's standard error, and "Beenden" ending the game
# with exit code 0.
# Usage: game.sh <run folder with pexaro.exe> <pexaro-gamedat of the Linux build>
# Environment: WINE, the wine64 loader; WINEPREFIX.
set -euo pipefail
trap 'echo "FAIL: line $LINENO: $BASH_COMMAND"' ERR
run=$1
gamedat=$2
work=$(mktemp -d)
pid=""
trap '[[ -z "$pid" ]] || kill "$pid" 2>/dev/null; rm -rf "$work"' EXIT
source "$(dirname "$0")/../e2e/screen.sh"
shot="$work/screen.png"
fail() { echo "FAIL: $*"; [[ -f "$work/game.log" ]] && tail -n 20 "$work/game.log"; exit 1; }
pause() { sleep "$1"; }

cp -r "$run/daten" "$run/settings.txt" "$run/pexaro.exe" "$work/"
sed -i 's/^showLog = .*/showLog = 1/' "$work/settings.txt"
mkdir -p "$work/bilder/Tiere"
convert -size 400x300 xc:"#8a5a2b" "$work/bilder/Tiere/Eichhörnchen.jpg"

wait_for_log() {  # pattern count
  for _ in $(seq 300); do
    [[ $(grep -c -- "$1" game.log || true) -ge $2 ]] && return 0
    sleep 0.2
  done
  fail "no log line \"$1\""
}

use_german_keyboard
cd "$work"
# The console's text mode ends Windows' lines with CR LF.
"$WINE" pexaro.exe 2> >(sed -u 's/\r$//' >game.log) &
pid=$!
wait_for_window "^Ged.*chtnisspiel$"
wait_for_log "Menü geöffnet" 1
pause 1
take_shot
expect_menu

click_at 770 437
pause 0.3
for _ in $(seq 9); do xdotool key BackSpace; done
xdotool type --delay 60 "Jürgen"

click_at 512 150
pause 0.5
click_at 772 478
wait_for_log "new Node: inputFrame$" 1
xdotool type --delay 60 "Eichhörnchen"
# Enter is ignored while the pictures cross-fade; pressed again until the answer is taken.
for _ in $(seq 100); do
  xdotool key Return
  sleep 0.3
  [[ $(grep -c "CheckName: " game.log || true) -gt 0 ]] && break
done
wait_for_log "CheckName: " 1

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
click_at 772 552
expect_clean_end "$pid"
pid=""
# The log came through the console's standard error, in UTF-8.
grep -q "Info .*Menü geöffnet" game.log || fail "the log on standard error lacks the menu's line"
echo "windows game: ok"
