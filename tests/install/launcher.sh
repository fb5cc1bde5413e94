#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The installed launcher gives every player a game folder of their own and starts the real game
# in it: --help and --version are answered without starting anything, settings.txt is copied
# once and then left to the player, game.dat and added picture sets stay in the player's folder,
# two players never see each other's saves, and blanks, quotes and wildcards in the paths of the
# installation and of the player's folder do no harm, and data and game folders configured as
# absolute paths are found wherever the launcher is installed.
# Usage: launcher.sh <build folder> <project version> <pexaro-gamedat> <source folder> <pexaro>
set -euo pipefail
source "$(dirname "$0")/../lib/testlib.sh"
build=$1
version=$2
gamedat=$3
source_folder=$4
game=$5
start_work_folder
install_build "$build" "pre fix 'q' \$x *"
launcher="$prefix/bin/pexaro"
shared="$prefix/share/pexaro"
caller="$work/caller"
mkdir "$caller"
shot="$work/screen.png"
slow_down_for "$prefix/libexec/pexaro/pexaro"

# --help, --version and anything else, without a game folder being made.
nobody="$work/nobody"
help=$(HOME="$nobody" "$launcher" --help)
grep -q "^Usage: pexaro" <<<"$help" && grep -qF "~/.local/share/pexaro/bilder" <<<"$help" &&
  grep -q -- "--open-sets" <<<"$help" || fail "--help: $help"
[[ $(HOME="$nobody" "$launcher" --version) == "pexaro $version" ]] || fail "--version"
for arguments in "--bogus" "--help --version" "x" "--open-sets x"; do
  status=0
  # Split on purpose: one word per argument.
  HOME="$nobody" "$launcher" $arguments >/dev/null 2>"$work/error" || status=$?
  [[ $status -eq 2 ]] && grep -q "unexpected arguments" "$work/error" &&
    grep -q "^Usage: pexaro" "$work/error" || fail "'$arguments' gave $status"
done
[[ ! -e "$nobody" ]] || fail "an answer to an argument made a game folder"

# Starts the launcher from another folder with the given environment, until its window shows.
start() {
  (cd "$caller" && exec env "$@" "$launcher") >"$work/log" 2>&1 &
  pid=$!
  wait_for_window "$game_window_title"
  pause 2
  take_shot
  expect_menu
}

quit() {
  quit_game_from_menu "$pid"
  pid=
}

# Plays the first set until its total is saved, and lets the menu settle.
play_first_set() {  # answer folder
  play_first_set_until_saved "$1" "$2"
  pause 1
}

add_set() {  # folder answer
  make_picture "$1/$2.png" 400x300 "#336699"
}

# Player A: XDG_DATA_HOME with blanks, quotes, a wildcard and a leading dash.
data_a="$work/-A's \"data\" *"
home_a="$work/home A"
folder_a="$data_a/pexaro"
start XDG_DATA_HOME="$data_a" HOME="$home_a"
[[ $(readlink /proc/$pid/exe) == "$(readlink -f "$prefix/libexec/pexaro/pexaro")" ]] ||
  fail "the running program is not the installed game"
[[ $(readlink /proc/$pid/cwd) == "$folder_a" ]] || fail "the game does not run in $folder_a"
[[ $(stat -c %a "$folder_a") == 700 ]] || fail "the game folder is not private"
[[ -f "$folder_a/settings.txt" && ! -L "$folder_a/settings.txt" && -w "$folder_a/settings.txt" ]] ||
  fail "settings.txt is no writable file of the player's"
cmp "$shared/settings.txt" "$folder_a/settings.txt" || fail "settings.txt is not the shipped one"
[[ $(readlink -e "$folder_a/daten/font/vera/Vera.ttf") == "$(readlink -e "$shared/daten/font/vera/Vera.ttf")" ]] ||
  fail "daten/ does not lead to the shipped font"
[[ $(readlink -e "$folder_a/info.txt") == "$(readlink -e "$shared/info.txt")" ]] ||
  fail "info.txt is no link to the shipped one"
maps=$(cat "/proc/$pid/maps")
if have_sdl12_compat; then
  [[ "$maps" == *"$(sdl12_compat_dir)/libSDL-1.2.so"* ]] || fail "the launcher did not start the game on sdl12-compat"
else
  [[ "$maps" != *sdl12-compat* ]] || fail "sdl12-compat loaded although it is not installed"
fi
diff <(cd "$shared/bilder" && find . -mindepth 1 -maxdepth 1 -type d | sort) \
  <(cd "$folder_a/bilder" && find -L . -mindepth 1 -maxdepth 1 -type d | sort) ||
  fail "bilder/ does not hold the shipped sets"
quit
# ~/.config may be written by the voice: libespeak-ng sets up PulseAudio output when it starts,
# even for synthesis only, and the PulseAudio client keeps its runtime there.
[[ ! -e "$home_a/.local" ]] || fail "HOME was used although XDG_DATA_HOME was set"
[[ -z $(ls -A "$caller") ]] || fail "the game wrote into the folder it was started from"

# The player edits settings.txt and adds a set; the game reads both, and game.dat stays with A.
sed -i 's/^showLog = 0/showLog = 1/' "$folder_a/settings.txt"
cp "$folder_a/settings.txt" "$work/edited.txt"
add_set "$folder_a/bilder/Aaa Eigene" Hund
start XDG_DATA_HOME="$data_a" HOME="$home_a"
grep -q "CreateEmptyNode MM_selectGame_left_Aaa Eigene" "$work/log" ||
  fail "the edited settings or the added set were not read: $(head -n 20 "$work/log")"
grep -q "CreateEmptyNode MM_selectGame_right_Farben" "$work/log" ||
  fail "the shipped sets are not listed with the added set"
play_first_set Hund "$folder_a"
quit
cmp "$work/edited.txt" "$folder_a/settings.txt" || fail "the edited settings.txt was replaced"
saved_a=$("$gamedat" show "$folder_a/game.dat")
grep -qx "{(Vorlatec)|HighscoreGameName}Aaa Eigene" <<<"$saved_a" && grep -qx "Spieler 1?10" <<<"$saved_a" ||
  fail "A's game.dat lacks the game: $saved_a"
cp "$folder_a/game.dat" "$work/game_a.dat"
[[ -z $(ls -A "$caller") ]] || fail "the game wrote into the folder it was started from"

# Player B: no XDG_DATA_HOME, so ~/.local/share/pexaro; the set is there before the first start.
home_b="$work/home B"
folder_b="$home_b/.local/share/pexaro"
add_set "$folder_b/bilder/Aaa Zwei" Maus
start -u XDG_DATA_HOME HOME="$home_b"
[[ $(readlink /proc/$pid/cwd) == "$folder_b" ]] || fail "B's game does not run in $folder_b"
cmp "$shared/settings.txt" "$folder_b/settings.txt" || fail "B did not get the shipped settings"
play_first_set Maus "$folder_b"
quit
saved_b=$("$gamedat" show "$folder_b/game.dat")
grep -qx "{(Vorlatec)|HighscoreGameName}Aaa Zwei" <<<"$saved_b" || fail "B's game.dat lacks B's game"
! grep -q "Aaa Eigene" <<<"$saved_b" || fail "B's game.dat holds A's game"
cmp "$work/game_a.dat" "$folder_a/game.dat" || fail "B's game changed A's game.dat"

# A moved installation: the launcher renews the links that it made and keeps the player's own.
# Without a display the game ends at once, with exit code 0, on either SDL; the one over SDL2
# would draw unseen and never end.
moved="$work/moved prefix"
mv "$prefix" "$moved"
status=0
timeout 120 env -u DISPLAY XDG_DATA_HOME="$data_a" "$moved/bin/pexaro" >"$work/error" 2>&1 || status=$?
[[ $status -eq 0 ]] && grep -q "Can't set Videomode" "$work/error" ||
  fail "without a display the game gave $status: $(tail -n 3 "$work/error")"
[[ $(readlink -e "$folder_a/daten") == "$(readlink -e "$moved/share/pexaro/daten")" ]] ||
  fail "daten/ was not renewed"
[[ $(readlink -e "$folder_a/bilder/Farben") == "$(readlink -e "$moved/share/pexaro/bilder/Farben")" ]] ||
  fail "a shipped set was not renewed"
[[ -f "$folder_a/bilder/Aaa Eigene/Hund.png" ]] || fail "the player's own set was touched"
cmp "$work/edited.txt" "$folder_a/settings.txt" || fail "the edited settings.txt was replaced"

# Data and game folders configured as absolute paths stay there whatever the prefix, and the
# launcher finds them. Only configured: the game is the one built.
tree="$work/absolute tree"
absolute_data="$work/data 'q' folder"
absolute_game="$work/game 'q' folder"
cmake -S "$source_folder" -B "$tree" -DPEXARO_TESTS=OFF -DPEXARO_BENCH=OFF \
  -DCMAKE_INSTALL_DATADIR="$absolute_data" -DCMAKE_INSTALL_LIBEXECDIR="$absolute_game" \
  >"$work/configure.log" 2>&1 || { cat "$work/configure.log"; fail "configuring absolute folders"; }
mkdir -p "$tree/run"
cp "$game" "$tree/run/pexaro"
cmake --install "$tree" --prefix "$work/elsewhere" >/dev/null
[[ -f "$absolute_data/pexaro/settings.txt" && -x "$absolute_game/pexaro/pexaro" ]] ||
  fail "the absolute folders were not installed into"
data_d="$work/data D"
status=0
timeout 120 env -u DISPLAY XDG_DATA_HOME="$data_d" "$work/elsewhere/bin/pexaro" >"$work/error" 2>&1 || status=$?
[[ $status -eq 0 ]] && grep -q "Can't set Videomode" "$work/error" ||
  fail "with absolute folders the launcher gave $status: $(tail -n 3 "$work/error")"
cmp "$absolute_data/pexaro/settings.txt" "$data_d/pexaro/settings.txt" ||
  fail "with absolute folders the shipped settings were not copied"
[[ $(readlink -e "$data_d/pexaro/bilder/Farben") == "$(readlink -e "$absolute_data/pexaro/bilder/Farben")" ]] ||
  fail "with absolute folders the shipped sets are not linked"

# A relative XDG_DATA_HOME is invalid and ignored; without it and HOME there is no folder.
home_c="$work/home C"
(cd "$caller" && timeout 120 env -u DISPLAY XDG_DATA_HOME=relative HOME="$home_c" \
  "$moved/bin/pexaro") >/dev/null 2>&1 || true
[[ -f "$home_c/.local/share/pexaro/settings.txt" ]] || fail "a relative XDG_DATA_HOME was not ignored"
[[ -z $(ls -A "$caller") ]] || fail "a relative XDG_DATA_HOME was used"
status=0
timeout 120 env -u DISPLAY -u XDG_DATA_HOME -u HOME "$moved/bin/pexaro" 2>"$work/error" || status=$?
[[ $status -eq 1 ]] && grep -q "neither XDG_DATA_HOME nor HOME" "$work/error" ||
  fail "no HOME gave $status: $(cat "$work/error")"
echo "launcher: ok"
