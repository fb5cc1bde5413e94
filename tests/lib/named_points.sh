# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
# The named points of the windows the tests drive, relative to the window: the game's menu and
# game screens in its 1024 x 768 pixels, and the engine's two demos; part of testlib.sh.

declare -gA points=(
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
  # Full screen at 1920 x 1080: the bar left of the picture scaled with its proportions.
  [full_screen_left_bar]="100 540"

  # The scene demo: its panel, the box below the group that clicks fade in and out, and the
  # pointer with the marker that follows it.
  [scene_panel]="30 30"
  [scene_opaque_box]="70 370"
  [scene_faded_group]="90 315"
  [scene_pointer]="600 100"
  [scene_pointer_marker]="603 103"

  # The widget demo: its empty area, the pointer away from it and on it, and the choices.
  [widget_pointer_away]="300 400"
  [widget_pointer_on_empty_area]="500 100"
  [widget_empty_area]="452 77"
  [widget_first_choice]="62 245"
  [widget_third_choice]="62 305"
  [widget_third_choice_button]="65 310"
)

# Sets point_x and point_y to the named point.
locate() {  # name
  [[ -v "points[$1]" ]] || fail "no point named $1"
  read -r point_x point_y <<<"${points[$1]}"
}

move_to_point() {  # name
  locate "$1"
  point_at "$point_x" "$point_y"
}

click_point() {  # name
  locate "$1"
  click_at "$point_x" "$point_y"
}

point_pixel() {  # name; prints "r,g,b" of the screenshot there
  locate "$1"
  pixel "$point_x" "$point_y"
}

expect_point_pixel() {  # name expected description
  locate "$1"
  expect_pixel "$point_x" "$point_y" "$2" "$3"
}
