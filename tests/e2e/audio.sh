#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What a player hears, recorded by SDL's disk audio driver: a game of two pictures with one right
# answer ("Eichhörnchen") and one miss (Zebra), whose recording holds each answer's sound at its
# moment, then the spoken name (matched against libespeak-ng's own synthesis), the clicks before and
# the end sound after; with sound and voice off the recording is silent; without a sound device
# the game plays as before after one warning.
# Usage: audio.sh <run folder with pexaro>
set -euo pipefail
source "$(dirname "$0")/../lib/testlib.sh"
name_failing_steps
run=$1
source "$lib_dir/audio.sh"
start_work_folder
shot="$work/screen.png"
sounds="$run/daten/sounds"
export SDL_DISKAUDIODELAY=23

# Plays the set Tiere, answering "Eichhörnchen" to both pictures, and ends the program; the
# recording is $recording.
play_game() {  # folder sound voice [SDL audio driver]
  folder="$work/$1"
  mkdir -p "$folder"
  cp -r "$run/daten" "$run/settings.txt" "$run/pexaro" "$folder/"
  sed -i -e 's/^showLog = .*/showLog = 1/' -e "s/^sound = .*/sound = $2/" \
    -e "s/^voice = .*/voice = $3/" "$folder/settings.txt"
  make_picture "$folder/bilder/Tiere/Eichhörnchen.png" 400x300 "#8a5a2b"
  make_picture "$folder/bilder/Tiere/Zebra.png" 400x300 "#eeeeee"
  log="$folder/game.log"
  fail_log=$log
  recording="$folder/audio.raw"
  (cd "$folder" && SDL_AUDIODRIVER=${4:-disk} SDL_DISKAUDIOFILE="$recording" \
    exec ./pexaro 2>game.log) &
  pid=$!
  wait_for_window "$game_window_title"
  expect_sdl "$pid"
  wait_for_log "Menü geöffnet" 1
  pause 1
  click_point first_set
  pause 0.5
  click_point start_button
  wait_for_log "new Node: inputFrame$" 1
  for answer in 1 2; do
    answer_until_taken "Eichhörnchen" "$answer"
    # The next answer would cut the spoken name short.
    pause 3
  done
  # The end of the game returns to the menu; its sound lasts a second.
  wait_for_log "Menü geöffnet" 2
  pause 1.5
  quit_game_from_menu "$pid"
  pid=""
}

# --- Sound and voice on.
play_game on 1 1
# Which picture each answer was for, in order.
mapfile -t pictures < <(grep -o "CheckName: .*" "$log" | sed 's/CheckName: //')
[[ ${#pictures[@]} -eq 2 ]] || fail "not two answers: ${pictures[*]}"
texts=()
for picture in "${pictures[@]}"; do
  if [[ $picture == Eichhörnchen ]]; then texts+=("$picture"); else texts+=("Richtig wäre: $picture"); fi
done
# A third text, never said, to show that the speech threshold tells words apart.
match speak "$work" "${texts[@]}" "Schmetterling"
first_answer=""
for n in 1 2; do
  answered=$(recorded_moment "CheckName: " "$n")
  [[ -n $first_answer ]] || first_answer=$answered
  text=${texts[n - 1]}
  sound=falsch
  [[ $text != Eichhörnchen ]] || sound=richtig
  expect_heard_at "$sounds/$sound.wav" "$answered" "the sound $sound of answer $n"
  last_answer=$heard_at
  expect_heard "$work/$n.wav" "$heard_at" "$(echo "$heard_at + 3" | bc -l)" $speech_match \
    "\"$text\" spoken after answer $n"
done
expect_heard "$sounds/klick.wav" 0 "$first_answer" $sound_match "a click on the set or the button"
expect_heard "$sounds/ende.wav" "$last_answer" "$(echo "$last_answer + 10" | bc -l)" $sound_match \
  "the end of the game"
read -r at correlation < <(match locate "$recording" "$work/3.wav" 0 60)
(($(echo "$correlation < $speech_match" | bc -l))) ||
  fail "\"Schmetterling\", never said, matches the recording at $at s ($correlation)"
echo "\"Schmetterling\", never said: best $correlation at $at s"

# --- Sound and voice off: nothing is heard.
play_game off 0 0
if [[ -f $recording ]]; then
  peak=$(match peak "$recording")
  [[ $peak -eq 0 ]] || fail "with sound and voice off the recording peaks at $peak"
fi

# --- No sound device: one warning, and the game as before.
play_game no-device 1 1 no-such-device
warnings=$(grep -c "^Warn" "$log" || true)
[[ $warnings -eq 1 ]] && grep -q "Warning| Kein Ton" "$log" ||
  fail "without a sound device: $warnings warnings, not the one \"Kein Ton\""
[[ -f $folder/game.dat ]] || fail "without a sound device the game saved no highscore"
echo "audio: ok"
