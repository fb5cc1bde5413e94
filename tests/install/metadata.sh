#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The installed menu entry and AppStream metadata pass the Debian validators and agree with each
# other and with what is installed: the command, the action that opens the player's picture sets,
# the icon in every size, the window's class, the version and the licences (the metadata's, the
# source's LICENSE and SPDX lines, the Debian copyright file).
# Usage: metadata.sh <build folder> <project version> <source folder>
set -euo pipefail
source "$(dirname "$0")/../lib/testlib.sh"
build=$1
version=$2
source=$3
start_work_folder
install_build "$build" prefix

id=org.pexaro.pexaro
entry="$prefix/share/applications/$id.desktop"
metainfo="$prefix/share/metainfo/$id.metainfo.xml"

desktop-file-validate "$entry" || fail "desktop-file-validate"
appstreamcli validate --no-net --strict "$metainfo" || fail "appstreamcli validate"

group_key() { sed -n "/^\[$1\]\$/,/^\[/s/^$2=//p" "$entry"; }  # group key
key() { group_key "Desktop Entry" "$1"; }
exec=$(key Exec)
[[ "$exec" == pexaro && -x "$prefix/bin/$exec" ]] || fail "Exec=$exec is not the installed launcher"

# The action that opens the player's picture sets, a hidden folder: its command prepares the
# game folder and hands bilder/ to xdg-open (a stand-in here that records its argument).
[[ $(key Actions) == "open-sets;" ]] || fail "Actions=$(key Actions)"
action="Desktop Action open-sets"
[[ $(group_key "$action" Name) == "Eigene Bildersammlungen öffnen" ]] ||
  fail "the action is named $(group_key "$action" Name)"
stand_in="$work/stand-in"
mkdir "$stand_in"
printf '#!/bin/sh\nprintf "%%s\\n" "$@" >"%s/opened"\n' "$work" >"$stand_in/xdg-open"
chmod +x "$stand_in/xdg-open"
data="$work/data"
# Split on purpose: the command and its arguments.
PATH="$stand_in:$prefix/bin:$PATH" XDG_DATA_HOME="$data" $(group_key "$action" Exec) ||
  fail "the action's command failed"
[[ $(cat "$work/opened") == "$data/pexaro/bilder" ]] || fail "xdg-open was given $(cat "$work/opened")"
[[ -f "$data/pexaro/settings.txt" && -d "$data/pexaro/bilder/Farben" ]] ||
  fail "the action did not prepare the game folder"
[[ $(key Icon) == "$id" ]] || fail "Icon=$(key Icon), expected $id"
for icon in scalable/apps/$id.svg 48x48/apps/$id.png 128x128/apps/$id.png; do
  [[ -f "$prefix/share/icons/hicolor/$icon" ]] || fail "no icon $icon"
done
for size in 48 128; do
  [[ $(identify -format '%wx%h' "$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png") == "${size}x${size}" ]] ||
    fail "the ${size}x${size} icon has another size"
done

element() { sed -n "s|.*<$1[^>]*>\(.*\)</$1>.*|\1|p" "$metainfo" | head -n 1; }
[[ $(element id) == "$id" ]] || fail "the metadata's id is $(element id)"
[[ $(element launchable) == "$id.desktop" ]] || fail "the metadata launches $(element launchable)"
[[ $(element binary) == "$exec" ]] || fail "the metadata provides $(element binary)"
newest=$(sed -n 's|.*<release version="\([^"]*\)".*|\1|p' "$metainfo" | head -n 1)
[[ "$newest" == "$version" ]] || fail "the newest release is $newest, the project is $version"
# The game's binary names its window's class; docks group the window with the entry by it.
[[ $(key StartupWMClass) == pexaro && -x "$prefix/libexec/pexaro/$(key StartupWMClass)" ]] ||
  fail "StartupWMClass=$(key StartupWMClass) is not the game's class"

# Code GPL-3.0-or-later, sample sets CC0, the font under its own licence.
[[ $(element project_license) == GPL-3.0-or-later ]] || fail "project_license is $(element project_license)"
[[ $(element metadata_license) == CC0-1.0 ]] || fail "metadata_license is $(element metadata_license)"
cmp "$source/LICENSE" /usr/share/common-licenses/GPL-3 || fail "LICENSE is not the GPL 3 text"
copyright="$prefix/share/doc/pexaro/copyright"
[[ -f "$copyright" ]] || fail "no copyright file"
[[ $(head -n 1 "$copyright") == "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" ]] ||
  fail "the copyright file is not machine-readable"
# Every Files paragraph names a licence that a standalone paragraph spells out.
stanzas=$(awk -v RS= '/^Files:/ { for (i = 1; i <= NF; i++) if ($i == "License:") print $(i + 1) }' "$copyright")
[[ $(tr '\n' ' ' <<<"$stanzas") == "GPL-3+ CC0-1.0 Bitstream-Vera " ]] ||
  fail "the copyright file's Files paragraphs name: $stanzas"
for license in $stanzas; do
  awk -v RS= -v want="License: $license" 'index($0, want "\n") == 1 && NF > 3 { found = 1 } END { exit !found }' \
    "$copyright" || fail "the licence $license is not spelled out"
done
copyright_text=$(cat "$copyright")
[[ "$copyright_text" == *"Files: data/bilder/*"* && "$copyright_text" == *"/usr/share/common-licenses/GPL-3"* &&
  "$copyright_text" == *"Bitstream Vera is a trademark"* ]] || fail "the copyright file lacks the sets, the GPL or the font"
# Every source file names the code's licence.
unlabelled=$(cd "$source" && grep -L -r "SPDX-License-Identifier: GPL-3.0-or-later" \
  --include='*.cpp' --include='*.h' --include='*.sh' --include='*.py' --include=CMakeLists.txt \
  Common ZudeRezede2D Pexaro tests tools bench examples fuzz scripts desktop) || true
[[ -z "$unlabelled" ]] || fail "source files without an SPDX line: $unlabelled"
echo "metadata: ok"
