#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# An automated player plays many games in one process. After every game the live textures and the
# resident memory must come back to their level after the first game: no upward trend.
# Usage: soak.sh <games> <pexaro> <pexaro-gamedat> <font>
source "$(dirname "$0")/lib.sh"
games=$robust_case

for answer in Hund Katze Maus; do make_picture "$work/bilder/Tiere/$answer.png" 640x480 plasma:; done
# A full table of better scores: no game enters it, so the menu shows the same rows every time.
{
  printf '{(Vorlatec)|Playername}\nSpieler 1\n{(Vorlatec)|Highscore}\n'
  printf '{(Vorlatec)|HighscoreGameName}Tiere\n'
  for row in $(seq 10); do printf 'Meisterin %s?%s\n' "$row" $((100 - row)); done
} | "$gamedat" write "$work/game.dat"

time_limit=$((30 * games + 60))
start_game
wait_for_game_window
wait_for_log "Menü geöffnet"

resident_kb() { awk '/^VmRSS:/ { print $2 }' "/proc/$(game_process)/status"; }

textures=()
resident=()
for game in $(seq "$games"); do
  play_first_set
  for picture in 1 2 3; do
    xdotool type --delay 30 "Hund"
    # Enter is ignored while the pictures cross-fade; pressed again until the answer is taken.
    for _ in $(seq $((100 * slow))); do
      xdotool key Return
      sleep 0.3
      [[ $(grep -c "CheckName: " "$log") -ge $((3 * (game - 1) + picture)) ]] && break
    done
  done
  wait_for_log "Menü geöffnet" $((game + 1))
  pause 0.5
  textures+=("$(grep "Menü geöffnet" "$log" | tail -n 1 | sed 's/.*Texturen: //')")
  resident+=("$(resident_kb)")
  echo "game $game: ${textures[-1]} textures, ${resident[-1]} kB resident"
done
quit_from_menu
expect_tidy

# Level after the first game; every later game within bounds, and no trend over the last half.
base_textures=${textures[0]}
base_resident=${resident[0]}
for n in "${!textures[@]}"; do
  ((textures[n] <= base_textures + 2)) ||
    fail "game $((n + 1)): ${textures[n]} live textures, ${base_textures} after the first game"
  # The address sanitizer keeps freed memory in quarantine: its resident size says nothing here.
  ((slow > 1 || resident[n] <= base_resident + 16384)) ||
    fail "game $((n + 1)): ${resident[n]} kB resident, ${base_resident} kB after the first game"
done
# Resident memory swings by megabytes from game to game as the allocators keep or return pages; a
# leak raises the floor. So the lowest level of the later games is held against that of the earlier
# ones (the first game, which fills the caches, left out).
lowest() { printf '%s\n' "$@" | sort -n | sed -n 1p; }
half=$(((games + 1) / 2))
floor_growth=$(($(lowest "${resident[@]:half}") - $(lowest "${resident[@]:1:half-1}")))
((slow > 1 || floor_growth <= 4096)) ||
  fail "resident memory's floor grew by $floor_growth kB from games 2..$half to games $((half + 1))..$games"
summary="$games games: live textures after each game ${textures[*]}; resident memory (kB) ${resident[*]}"
echo "soak: ok — $summary"
