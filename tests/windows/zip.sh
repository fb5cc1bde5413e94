#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The zip as a player gets it: one folder pexaro/ with what the game needs (its sounds and the
# German voice's data too), names that Windows unpacks as written, and pexaro.exe started in a
# folder whose path has a blank and an umlaut draws its menu and ends with "Beenden".
# Usage: zip.sh <pexaro-windows-x64.zip>
# Environment: WINE, the wine64 loader; WINEPREFIX.
set -euo pipefail
source "$(dirname "$0")/../lib/testlib.sh"
zip=$1
start_work_folder
shot="$work/screen.png"

folder="$work/Eigene Spiele/Gedächtnis Übung"
mkdir -p "$folder"
# Lists the entries, checks that every non-ASCII name carries the zip's UTF-8 flag, and unpacks.
python3 - "$zip" "$folder" >"$work/entries.txt" <<'PYTHON'
import sys, zipfile
with zipfile.ZipFile(sys.argv[1]) as archive:
    for info in archive.infolist():
        if not info.filename.isascii() and not info.flag_bits & 0x800:
            sys.exit(f"{info.filename}: no UTF-8 flag")
        print(info.filename)
    archive.extractall(sys.argv[2])
PYTHON
for entry in pexaro/pexaro.exe pexaro/settings.txt pexaro/info.txt pexaro/LICENSE.txt \
  pexaro/daten/pexaro.png pexaro/daten/font/vera/Vera.ttf pexaro/daten/font/vera/COPYRIGHT.txt \
  pexaro/daten/espeak-ng-data/phontab pexaro/daten/espeak-ng-data/de_dict \
  pexaro/daten/espeak-ng-data/lang/gmw/de pexaro/daten/espeak-ng-data/COPYRIGHT.txt \
  pexaro/daten/sounds/richtig.wav \
  pexaro/bilder/LIZENZ.txt "pexaro/bilder/Würfel/Fünf.png"; do
  grep -qxF "$entry" "$work/entries.txt" || fail "the zip lacks $entry"
done
outside=$(grep -v '^pexaro/' "$work/entries.txt" || true)
[[ -z $outside ]] || fail "entries outside pexaro/: $outside"

# As a double click starts it: in its own folder.
cd "$folder/pexaro"
"$WINE" pexaro.exe 2>"$work/game.log" &
pid=$!
wait_for_window "$game_window_title"
sleep 2
take_shot
expect_menu
quit_game_from_menu "$pid"
pid=""
echo "zip: ok"
