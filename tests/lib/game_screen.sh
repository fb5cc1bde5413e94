# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
# The game's window as the tests see it: its title, its menu drawn, quitting and playing from the
# menu (by the points of named_points.sh); part of testlib.sh.

# shellcheck disable=SC2034  # for the scripts that source it
game_window_title="^Ged.*chtnisspiel$"

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

# Types the answer and presses Enter until the game has taken <count> answers in all, by its log
# ($log): Enter is ignored while the pictures cross-fade.
answer_until_taken() {  # answer count
  xdotool type --delay 60 "$1"
  for _ in $(seq $((100 * slow))); do
    xdotool key Return
    sleep 0.3
    [[ $(grep -c "CheckName: " "$log" || true) -ge $2 ]] && return 0
  done
  fail "the answer \"$1\" was not taken"
}
