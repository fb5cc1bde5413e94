#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Synthesises the game's sounds with sox into data/sounds/ (or the folder given as the argument):
# richtig, knapp and falsch for an answer of 10, 1 to 9 and 0 points, ende for the end of a game,
# klick for buttons and set choices. The output is committed; run this again only to change the
# sounds. No dither (-D) and sox's fixed seed (-R) make a rerun write the same bytes.
set -euo pipefail
out=${1:-"$(dirname "$0")/../data/sounds"}

# The German espeak-ng voice peaks near -3 dBFS with an RMS near -23 dB; the tones stay well
# under it so that a sound never drowns the spoken answer.
TONE_PEAK_DB=-20
# The click comes with every button press, so it is quieter still.
CLICK_PEAK_DB=-23

# The mixer's rate, so that the sounds play unconverted.
RATE=44100
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$out"

# note <name> <start s> <length s> <wave> <Hz> [<gain dB>]: one tone in float, with a short
# half-sine attack and a half-sine decay over the rest of its length, after <start> of silence.
note() {
  local name=$1 start=$2 length=$3 wave=$4 frequency=$5 gain=${6:-0}
  local attack=0.012
  local decay
  decay=$(awk -v l="$length" -v a="$attack" 'BEGIN { printf "%.4f", l - a }')
  sox -D -R -n -r "$RATE" -c 1 -e floating-point -b 32 "$work/$name.wav" \
    synth "$length" "$wave" "$frequency" gain "$gain" fade h "$attack" 0 "$decay" pad "$start"
}

# sound <file> <peak dB> <note names...>: the notes mixed, the peak set, written as 16-bit PCM.
sound() {
  local file=$1 peak=$2
  shift 2
  local inputs=()
  for name in "$@"; do inputs+=("$work/$name.wav"); done
  if ((${#inputs[@]} > 1)); then inputs=(-m "${inputs[@]}"); fi
  sox -D -R "${inputs[@]}" -r "$RATE" -c 1 -e signed-integer -b 16 "$out/$file" gain -n "$peak"
}

# 10 points: C major rising, C5 E5 G5, each ringing into the next.
note r1 0.00 0.30 triangle 523.25
note r2 0.09 0.30 triangle 659.26
note r3 0.18 0.40 triangle 783.99
sound richtig.wav "$TONE_PEAK_DB" r1 r2 r3

# 1 to 9 points: the same soft D5 twice, neither rising nor falling.
note k1 0.00 0.20 sine 587.33
note k2 0.16 0.30 sine 587.33
sound knapp.wav "$TONE_PEAK_DB" k1 k2

# 0 points: a low minor third down, Eb4 to C4, in plain sines.
note f1 0.00 0.26 sine 311.13
note f2 0.20 0.38 sine 261.63
sound falsch.wav "$TONE_PEAK_DB" f1 f2

# End of the game: F major up to F5, then the F major chord held and fading.
note e1 0.00 0.16 triangle 349.23
note e2 0.13 0.16 triangle 440.00
note e3 0.26 0.16 triangle 523.25
note e4 0.39 0.75 triangle 698.46
note e5 0.39 0.75 sine 349.23 -4
note e6 0.39 0.75 sine 440.00 -6
note e7 0.39 0.75 sine 523.25 -6
sound ende.wav "$TONE_PEAK_DB" e1 e2 e3 e4 e5 e6 e7

# Buttons: a 35 ms tick of a high sine that dies away at once.
note c1 0.00 0.035 sine 1800
sound klick.wav "$CLICK_PEAK_DB" c1
