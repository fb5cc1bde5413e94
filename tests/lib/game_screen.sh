# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
# The game's window as the tests see it: its title and the named points of its menu and game
# screens, in the game's 1024 x 768 pixels; part of testlib.sh.

# shellcheck disable=SC2034  # for the scripts that source it
game_window_title="^Ged.*chtnisspiel$"

declare -A game_points=(
  # The menu: the list of sets on the left, the right-hand frame, the page arrows.
  [first_set]="512 150"            # the first set of the page
  [second_set]="512 214"           # the set below it
  [first_thumbnail]="232 150"      # the first set's thumbnail
  [set_list_frame]="512 385"       # the frame around the list of sets
  [menu_backdrop]="900 300"        # the backdrop beside the right-hand frame
  [name_field]="770 437"
  [start_button]="772 478"         # "Spiel starten"
  [menu_quit_button]="772 552"     # the menu's "Beenden"
  [next_page_button]="847 68"
  # Inside the first set's thumbnail: its upper and lower half, left and right.
  [thumbnail_upper_left]="200 115"
  [thumbnail_upper_right]="265 115"
  [thumbnail_lower_left]="200 185"
  [thumbnail_lower_right]="265 185"
  # A game: its picture (the upper and lower half, left and right) and its "Beenden".
  [picture_middle]="512 384"
  [picture_upper_middle]="512 300"
  [picture_upper_left]="300 150"
  [picture_upper_right]="700 150"
  [picture_lower_left]="300 600"
  [picture_lower_right]="700 600"
  [game_quit_button]="670 756"
)

# Sets point_x and point_y to the named point.
locate() {  # name
  [[ -v "game_points[$1]" ]] || fail "no point named $1"
  read -r point_x point_y <<<"${game_points[$1]}"
}

click_point() {  # name
  locate "$1"
  click_at "$point_x" "$point_y"
}

expect_point_pixel() {  # name expected description
  locate "$1"
  expect_pixel "$point_x" "$point_y" "$2" "$3"
}

expect_menu() {  # the game's menu is drawn: its backdrop and the frame of the list of sets
  expect_point_pixel menu_backdrop "15,25,40" "the menu's backdrop"
  expect_point_pixel set_list_frame "35,48,63" "the frame of the list of sets"
}

# Ends the game with the menu's "Beenden"; it must end with exit code 0.
quit_game_from_menu() {  # pid
  click_point menu_quit_button
  wait_for_end "$1" 60 || fail "the game did not end: the click on \"Beenden\" missed"
  expect_clean_end "$1"
}

# Plays the first set on the menu's page, whose one picture shows <answer>, until its total is in
# <folder>/game.dat.
play_first_set_until_saved() {  # answer folder
  click_point first_set
  pause 0.5
  click_point start_button
  pause 2
  xdotool type --delay 60 "$1"
  xdotool key Return
  wait_for_file "$2/game.dat" 60 || fail "no game.dat in $2"
}
