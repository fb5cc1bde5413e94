#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# `cmake --install` puts exactly the launcher, the game, its data and the desktop files into the
# prefix, nothing else, and the data are the shipped ones.
# Usage: files.sh <build folder> <source data folder>
set -euo pipefail
source "$(dirname "$0")/../lib/testlib.sh"
build=$1
data=$2
start_work_folder
install_build "$build" "pre fix"

expected() {
  printf '%s\n' \
    bin/pexaro \
    libexec/pexaro/pexaro \
    share/pexaro/settings.txt \
    share/pexaro/info.txt \
    share/pexaro/daten/font/vera/Vera.ttf \
    share/pexaro/daten/pexaro.png \
    share/pexaro/daten/sounds/{richtig,knapp,falsch,ende,klick}.wav \
    share/pexaro/daten/sounds/LICENSE.txt \
    share/doc/pexaro/copyright \
    share/applications/org.pexaro.pexaro.desktop \
    share/metainfo/org.pexaro.pexaro.metainfo.xml \
    share/icons/hicolor/scalable/apps/org.pexaro.pexaro.svg \
    share/icons/hicolor/48x48/apps/org.pexaro.pexaro.png \
    share/icons/hicolor/128x128/apps/org.pexaro.pexaro.png
  (cd "$data" && find bilder -type f -printf 'share/pexaro/%p\n')
}
if ! diff -u <(expected | LC_ALL=C sort) <(cd "$prefix" && find . ! -type d -printf '%P\n' | LC_ALL=C sort); then
  fail "the installed files differ from the expected ones (- expected, + installed)"
fi
empty=$(find "$prefix" -type d -empty)
[[ -z "$empty" ]] || fail "empty folders installed: $empty"

[[ -x "$prefix/bin/pexaro" ]] || fail "the launcher is not executable"
[[ -x "$prefix/libexec/pexaro/pexaro" && $(head -c 4 "$prefix/libexec/pexaro/pexaro") == $'\x7fELF' ]] ||
  fail "the game is no executable program"
! grep -n '@[A-Z_]*@' "$prefix/bin/pexaro" || fail "the launcher kept placeholders"

font="$prefix/share/pexaro/daten/font/vera/Vera.ttf"
[[ -L "$font" && $(readlink -e "$font") == /usr/share/fonts/truetype/ttf-bitstream-vera/Vera.ttf ]] ||
  fail "the font is no link to the Vera font of its Debian package"
cmp "$data/settings.txt" "$prefix/share/pexaro/settings.txt" || fail "settings.txt differs"
cmp "$data/info.txt" "$prefix/share/pexaro/info.txt" || fail "info.txt differs"
diff -r "$data/bilder" "$prefix/share/pexaro/bilder" || fail "the picture sets differ"
diff -r "$data/sounds" "$prefix/share/pexaro/daten/sounds" || fail "the sounds differ"
echo "files: ok"
