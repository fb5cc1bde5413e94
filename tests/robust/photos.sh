#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Photos as phones save them: a portrait photo stored sideways with the EXIF orientation 6
# ("turn 90 degrees clockwise") shows upright in the menu's thumbnail and in the game.
source "$(dirname "$0")/lib.sh"

# Upright: red above, blue below. Stored turned a quarter anticlockwise, with the tag.
sideways_photo() {  # file
  mkdir -p "$(dirname "$1")"
  convert -size 4000x1500 xc:'#c02020' -size 4000x1500 xc:'#2040c0' -append -rotate -90 \
    -quality 90 "$scratch/untagged.jpg"
  exif --create-exif --ifd=0 --tag=Orientation --set-value=6 --output="$1" "$scratch/untagged.jpg" \
    >/dev/null
}

# Whether the screen is red at the upper and blue at the lower points, left and right, of a box
# such as "thumbnail" (thumbnail_upper_left ...).
upright_at() {  # box
  local side r g b
  for side in left right; do
    IFS=, read -r r g b <<<"$(screen_pixel "$1_upper_$side")"
    ((r > 150 && b < 100)) || { last="not red at ${points[$1_upper_$side]} ($r,$g,$b)"; return 1; }
    IFS=, read -r r g b <<<"$(screen_pixel "$1_lower_$side")"
    ((b > 150 && r < 100)) || { last="not blue at ${points[$1_lower_$side]} ($r,$g,$b)"; return 1; }
  done
}

# The picture may still be fading in on a busy machine: a few seconds to settle.
last=""
expect_upright() {  # what box
  for _ in $(seq $((20 * slow))); do
    upright_at "$2" && return 0
    pause 0.5
  done
  fail "$1 is not upright: $last"
}

case "$robust_case" in
  sideways) sideways_photo "$work/bilder/Hochkant/Hund.jpg" ;;
  *) fail "unknown case" ;;
esac

start_game
wait_for_game_window
wait_for_log "Menü geöffnet"
pause 1
# Turned the wrong way, both would be red on the left and blue on the right.
expect_upright "the thumbnail" thumbnail
play_first_set
expect_upright "the picture" picture
click game_quit_button
pause 1.5
quit_from_menu
expect_no_log "^Warn "
expect_tidy
echo "photos $robust_case: ok"
