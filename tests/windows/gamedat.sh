#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A game.dat moves between Windows and Linux unchanged: each build's pexaro-gamedat writes the same
# bytes for the same tables and reads what the other wrote, umlauts and all.
# Usage: gamedat.sh <pexaro-gamedat.exe> <pexaro-gamedat of the Linux build>
# Environment: WINE, the wine64 loader; WINEPREFIX.
set -euo pipefail
source "$(dirname "$0")/../lib/testlib.sh"
windows_tool=$1
linux_tool=$2
start_work_folder
cd "$work"

cat >tables.txt <<'TABLES'
{(Vorlatec)|Playername}
Jürgen
{(Vorlatec)|Highscore}
{(Vorlatec)|HighscoreGameName}Tiere
Jürgen?10
Zoë Weiß?7
{(Vorlatec)|Highscore}
{(Vorlatec)|HighscoreGameName}Würfel
Ömer?0
TABLES

# The console's text mode ends Windows' lines with CR LF.
windows_show() { "$WINE" "$windows_tool" show "$1" | tr -d '\r'; }

"$linux_tool" write linux.dat <tables.txt
"$WINE" "$windows_tool" write windows.dat <tables.txt
cmp linux.dat windows.dat || fail "the two builds scramble the same tables differently"

diff -u tables.txt <(windows_show linux.dat) || fail "Windows reads the Linux game.dat otherwise"
diff -u tables.txt <("$linux_tool" show windows.dat) || fail "Linux reads the Windows game.dat otherwise"
echo "game.dat both ways: ok"
