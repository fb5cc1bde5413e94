#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Kills a process that keeps saving game.dat (SIGKILL, at random moments) many times over; after
# every kill the file must read back as exactly the old or the new tables.
# Usage: kill_save.sh <pexaro-save-loop> <pexaro-gamedat> <kills>
set -euo pipefail
source "$(dirname "$0")/../lib/testlib.sh"
loop=$1
gamedat=$2
kills=$3
start_work_folder
cd "$work"

tables() {  # first score
  printf '{(Vorlatec)|Playername}\nCleo\n'
  for n in $(seq 400); do
    printf '{(Vorlatec)|Highscore}\n{(Vorlatec)|HighscoreGameName}Satz %s\n' "$n"
    for row in $(seq 10); do printf 'Spielerin %s?%s\n' "$row" $(($1 - row)); done
  done
}
tables 90 >a.txt
tables 80 >b.txt
"$gamedat" write game.dat <a.txt

torn=0
for kill in $(seq "$kills"); do
  "$loop" game.dat a.txt b.txt >started.txt &
  pid=$!
  for _ in $(seq 2000); do
    [[ -s started.txt ]] && break
    kill -0 "$pid" 2>/dev/null || fail "the save loop did not start"
    sleep 0.005
  done
  sleep "0.0$((RANDOM % 90 + 10))"
  kill -9 "$pid"
  wait "$pid" 2>/dev/null || true
  pid=""
  "$gamedat" show game.dat >read.txt
  cmp -s read.txt a.txt || cmp -s read.txt b.txt ||
    fail "after kill $kill game.dat holds neither the old nor the new tables"
  # A temporary file left by the kill means it landed in the middle of a save.
  for partial in game.dat.??????; do
    [[ -e "$partial" ]] || continue
    torn=$((torn + 1))
    rm -f "$partial"
  done
  rm -f started.txt
done
echo "kill_save: $kills kills, $torn of them during a write, game.dat always whole"
