#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Bad settings.txt: the game starts with the defaults or the clamped values, stays playable,
# and ends with exit code 0.
source "$(dirname "$0")/lib.sh"

make_picture "$work/bilder/Farben/Blau.png" 800x600 "#2040c0"
settings="$work/settings.txt"
log_expected=yes   # showLog = 1 in the file, so information lines appear

case "$robust_case" in
  missing) rm "$settings"; log_expected=no ;;
  empty) : >"$settings"; log_expected=no ;;
  garbage) head -c 65536 /dev/urandom >"$settings"; log_expected=no ;;
  only-headers) printf '[Game]\n[Andere]\n[]\n[Game]\n' >"$settings"; log_expected=no ;;
  texture-abc | texture-0 | texture-minus1 | texture-3 | texture-99999)
    value=${robust_case#texture-}
    value=${value/minus/-}
    printf '[Game]\nshowLog = 1\nmaxTextureSize = %s\n' "$value" >"$settings"
    ;;
  fullscreen-yes) printf '[Game]\nshowLog = 1\nfullscreen = yes\n' >"$settings" ;;
  crlf) printf '[Game]\r\nshowLog = 1\r\nfullscreen = 0\r\n' >"$settings" ;;
  lf) printf '[Game]\nshowLog = 1\nfullscreen = 0\n' >"$settings" ;;
  huge)
    {
      printf '[Game]\nshowLog = 1\n'
      for n in $(seq 4); do
        printf '[Fülle%s]\n' "$n"
        printf "schluessel%d = $(printf 'x%.0s' $(seq 60))\n" $(seq 40000)
      done
    } >"$settings"
    [[ $(stat -c %s "$settings") -gt 10000000 ]] || fail "the test file is smaller than 10 MB"
    ;;
  *) fail "unknown case" ;;
esac

start_game
wait_for_game_window
pause 1.5
[[ $(window_size) == "1024x768" ]] || fail "window is $(window_size), expected 1024x768"

# Playable: a game starts and shows its picture (blue) in the middle of the screen.
start_first_set
pause 1.5
expect_blue_picture picture_upper_middle
click game_quit_button
pause 1.5
quit_from_menu

case "$robust_case" in
  texture-abc | texture-0) expect_log "maxTextureSize 0 ist nicht nutzbar, verwende 8" ;;
  texture-minus1) expect_log "maxTextureSize -1 ist nicht nutzbar, verwende 8" ;;
  texture-3) expect_log "maxTextureSize 3 ist nicht nutzbar, verwende 8" ;;
  texture-99999) expect_log "maxTextureSize 99999 ist nicht nutzbar, verwende [0-9]+" ;;
esac
if [[ $log_expected == yes ]]; then
  expect_log "^Info "
else
  expect_no_log "^Info "
fi
expect_tidy
echo "settings $robust_case: ok"
