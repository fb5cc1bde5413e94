# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
# Listening to what SDL's disk audio driver recorded of the game ($recording, 44100 Hz, 16-bit,
# two channels), with audio_match.py; sourced by the scripts that record. Those set
# SDL_DISKAUDIODELAY=23: a buffer of 1024 frames at 44100 Hz lasts 23 ms, and written at that pace
# the recording keeps time with the game.

# Sounds must match their files this well; speech, resampled on the way, a little less.
# shellcheck disable=SC2034  # for the scripts that source it
sound_match=0.9
# shellcheck disable=SC2034
speech_match=0.8
recording=""

match() { /usr/bin/python3 "$lib_dir/audio_match.py" "$@"; }

# Seconds of the day of the game's log line ($log), from its "h:m:s.ms" stamp.
log_time() {  # extended regular expression [nth match]
  grep -E -- "$1" "$log" | sed -n "${2:-1}p" |
    sed -E 's/.* - ([0-9]+):([0-9]+):([0-9]+)\.([0-9]+) .*/\1 \2 \3 \4/' |
    awk '{ printf "%.3f\n", $1 * 3600 + $2 * 60 + $3 + $4 / 1000 }'
}

# Where in the recording the n-th log line matching the pattern happened: seconds since the
# sound device opened.
recorded_moment() {  # extended regular expression [nth match]
  echo "$(log_time "$1" "${2:-1}") - $(log_time "Info\| Ton: ")" | bc -l
}

# Sets heard_at to where the reference starts in the recording between the two times; fails
# unless it matches well enough there.
expect_heard() {  # reference.wav from to threshold description
  local correlation
  read -r heard_at correlation < <(match locate "$recording" "$1" "$2" "$3")
  [[ $heard_at != none ]] && (($(echo "$correlation >= $4" | bc -l))) ||
    fail "$5 is not in the recording between $2 s and $3 s (best: $correlation at $heard_at s)"
  echo "heard $5 at $heard_at s (correlation $correlation)"
}

# A sound that starts with an event at the given moment: within a frame and two mixer buffers
# after it. The disk driver sleeps a buffer's time after each write, so on a busy machine its
# recording falls behind the game's clock (by up to 7% in runs under load): the sound may be
# found up to a tenth of its time earlier.
expect_heard_at() {  # reference.wav moment description
  expect_heard "$1" "$(echo "$2 * 0.9 - 0.2" | bc -l)" "$(echo "$2 + 0.3" | bc -l)" \
    "$sound_match" "$3"
}
