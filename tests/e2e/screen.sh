# Helpers for the end-to-end scripts, which read the virtual screen. Sourced; expects $shot to
# name the screenshot file.

pixel() {  # prints "r,g,b" of the screenshot at x y
  convert "$shot" -format '%[fx:int(255*p{'"$1,$2"'}.r+0.5)],%[fx:int(255*p{'"$1,$2"'}.g+0.5)],%[fx:int(255*p{'"$1,$2"'}.b+0.5)]' info:
}

expect_pixel() {  # x y expected description
  local got
  got=$(pixel "$1" "$2")
  if [[ "$got" != "$3" ]]; then
    echo "FAIL: $4: pixel ($1, $2) is $got, expected $3"
    exit 1
  fi
}

wait_for_window() {  # title; a sanitizer build on a busy machine can take long to open
  for _ in $(seq 600); do
    xdotool search --name "$1" >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  echo "FAIL: no window \"$1\""
  exit 1
}

expect_menu() {  # the game's menu is drawn: its backdrop and the frame of the list of sets
  expect_pixel 900 300 "15,25,40" "the menu's backdrop"
  expect_pixel 512 385 "35,48,63" "the frame of the list of sets"
}
