#!/usr/bin/env bash
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

expect_colour() {  # x y red|blue what
  local colour r g b
  colour=$(screen_pixel "$1" "$2")
  IFS=, read -r r g b <<<"$colour"
  case "$3" in
    red) ((r > 150 && b < 100)) || fail "$4: not red at $1 $2 ($colour)" ;;
    blue) ((b > 150 && r < 100)) || fail "$4: not blue at $1 $2 ($colour)" ;;
  esac
}

case "$robust_case" in
  sideways) sideways_photo "$work/bilder/Hochkant/Hund.jpg" ;;
  *) fail "unknown case" ;;
esac

start_game
wait_for_game_window
wait_for_log "Menü geöffnet"
pause 1
# Turned the wrong way, the thumbnail would be red on the left and blue on the right.
expect_colour 200 115 red "the thumbnail's top"
expect_colour 265 115 red "the thumbnail's top"
expect_colour 200 185 blue "the thumbnail's bottom"
expect_colour 265 185 blue "the thumbnail's bottom"
play_first_set
pause 2
expect_colour 300 150 red "the picture's top"
expect_colour 700 150 red "the picture's top"
expect_colour 300 600 blue "the picture's bottom"
expect_colour 700 600 blue "the picture's bottom"
click 670 756   # the game's "Beenden"
pause 1.5
quit_from_menu
expect_no_log "^Warn "
expect_tidy
echo "photos $robust_case: ok"
