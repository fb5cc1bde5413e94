#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Without a usable font the game cannot draw a single word: it says why and ends with exit code 0,
# whatever showLog says.
source "$(dirname "$0")/lib.sh"

font_file="$work/daten/font/vera/Vera.ttf"
case "$robust_case" in
  missing) rm "$font_file" ;;
  not-a-font) head -c 30000 /dev/urandom >"$font_file" ;;
  *) fail "unknown case" ;;
esac
make_picture "$work/bilder/Tiere/Hund.png"
printf '[Game]\nshowLog = 0\n' >"$work/settings.txt"

start_game
expect_clean_exit
expect_log "^Warn .*Unerklärlicher Fehler im Programm:"
expect_log "Vera\.ttf"
[[ ! -e "$work/game.dat" ]] || fail "game.dat was written"
expect_tidy
echo "font $robust_case: ok"
