#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package: built with CPack, it depends on the packages of the libraries the game
# actually links (and on the font), recommends sdl12-compat, carries its copyright file, installs
# with apt, starts from its menu entry's command into the game's menu with the sample sets, on
# sdl12-compat where it is installed, with the icon and the window class of its menu entry, and
# leaves nothing behind when purged.
# Usage: package.sh <build folder>
set -euo pipefail
source "$(dirname "$0")/../lib/testlib.sh"
build=$1
work=$(mktemp -d)
chmod 755 "$work"  # apt reads the package as its own unprivileged user
pid=
installed=0

sudo=()
if [[ $(id -u) -ne 0 ]]; then
  sudo -n true 2>/dev/null || { echo "SKIP: installing a package needs root or sudo"; exit 77; }
  sudo=(sudo -n)
fi
apt_get() { "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=300 "$@"; }

state() { dpkg-query -W -f='${db:Status-Status}' pexaro 2>/dev/null || true; }
if [[ ! $(state) =~ ^(not-installed)?$ ]]; then
  echo "SKIP: pexaro is installed on this machine; the test would replace and remove it"
  exit 77
fi
cleanup() {
  [[ -n "$pid" ]] && kill "$pid" 2>/dev/null
  [[ $installed -eq 1 ]] && apt_get remove --purge -y -qq pexaro >/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

(cd "$build" && cpack -G DEB -B "$work/package" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; fail "cpack"; }
deb=$(find "$work/package" -maxdepth 1 -name 'pexaro_*.deb')
[[ -f "$deb" ]] || fail "no package was made"

# The dependencies are exactly the packages of the libraries the game loads directly, plus the
# font (a group of alternatives counts when one of them is such a package).
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
dpkg-deb -x "$deb" "$work/content"
multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
owners=ttf-bitstream-vera
for library in $(readelf -d "$work/content/usr/libexec/pexaro/pexaro" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p'); do
  owner=$(dpkg -S "*/$multiarch/$library" | sed -n '1s/:.*//p') || fail "$library belongs to no package"
  owners+=$'\n'$owner
done
names() { tr '|' '\n' <<<"$1" | sed 's/([^)]*)//; s/ //g'; }
while IFS= read -r owner; do
  grep -qxF "$owner" <<<"$(names "${depends//,/|}")" || fail "$owner is not among the dependencies"
done <<<"$owners"
while IFS= read -r group; do
  grep -qxF -f <(names "$group") <<<"$owners" || fail "the dependency $group is linked by nothing"
done < <(tr ',' '\n' <<<"$depends")

# sdl12-compat is recommended, which apt installs by default; the classic library, which
# SDL_image needs anyway, meets the dependency on SDL 1.2.
recommends=$(dpkg-deb -f "$deb" Recommends)
[[ "$recommends" == libsdl1.2-compat ]] || fail "Recommends: $recommends, expected libsdl1.2-compat"
[[ ", $depends," =~ ", libsdl1.2debian"( \([^\)]*\))?"," && "$depends" != *libsdl1.2-compat* ]] ||
  fail "the dependency on SDL 1.2 is not the classic library alone"
copyright=$(dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/doc/pexaro/copyright) ||
  fail "no copyright file in the package"
[[ "$copyright" == "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/"* &&
  "$copyright" == *"License: GPL-3+"* && "$copyright" == *"License: CC0-1.0"* &&
  "$copyright" == *"License: Bitstream-Vera"* ]] || fail "the copyright file lacks a licence"

apt_get install -y -qq "$deb" >"$work/apt.log" 2>&1 || { cat "$work/apt.log"; fail "apt-get install"; }
installed=1
[[ $(state) == installed ]] || fail "not installed"

# The menu entry's command, as a desktop starts it: with the player's own home.
entry=/usr/share/applications/org.pexaro.pexaro.desktop
command=$(sed -n '/^\[Desktop Entry\]$/,/^\[/s/^Exec=//p' "$entry")
[[ $(command -v "$command") == /usr/bin/pexaro ]] || fail "Exec=$command is not the installed launcher"
home="$work/home"
mkdir "$home"
(cd / && exec env -u XDG_DATA_HOME HOME="$home" "$command") >"$work/game.log" 2>&1 &
pid=$!
shot="$work/screen.png"
wait_for_window "$game_window_title"
sleep 2
take_shot
expect_menu
# The library: sdl12-compat whenever it is installed.
maps=$(cat "/proc/$pid/maps")
if have_sdl12_compat; then
  [[ "$maps" == *"$(sdl12_compat_dir)/libSDL-1.2.so"* ]] || fail "the installed game does not run on sdl12-compat"
  echo "The installed game runs on sdl12-compat."
else
  echo "The installed game runs on the classic SDL 1.2."
fi
# The icon and the class that groups the window with its menu entry.
properties=$(window_properties)
class=$(sed -n '/^\[Desktop Entry\]$/,/^\[/s/^StartupWMClass=//p' "$entry")
[[ -n "$class" && "$properties" == *"WM_CLASS(STRING) = \"$class\", \"$class\""* ]] ||
  fail "the window's class is not StartupWMClass=$class: $(head -n 1 <<<"$properties")"
# sdl12-compat sets it as _NET_WM_ICON, the classic library as a bitmap in WM_HINTS.
[[ "$properties" == *"_NET_WM_ICON(CARDINAL) = 48, 48"* || "$properties" == *"bitmap id # to use for icon"* ]] ||
  fail "the window has no icon"
for set in Farben Flaggen Formen Uhrzeiten Würfel; do
  [[ -d "$home/.local/share/pexaro/bilder/$set" ]] || fail "the sample set $set is missing"
done
fail_log="$work/game.log"
quit_game_from_menu "$pid"
pid=
fail_log=

# Purged, nothing of the package is left.
files=$(dpkg-deb --fsys-tarfile "$deb" | tar -t --quoting-style=literal | sed -n 's|^\./\(.*[^/]\)$|/\1|p')
[[ -n "$files" ]] || fail "no files in the package"
apt_get remove --purge -y -qq pexaro >"$work/apt.log" 2>&1 || { cat "$work/apt.log"; fail "apt-get remove"; }
installed=0
[[ $(state) =~ ^(not-installed)?$ ]] || fail "still known to dpkg as $(state)"
while IFS= read -r file; do
  [[ ! -e "$file" && ! -L "$file" ]] || fail "$file is left after the purge"
done <<<"$files"
[[ ! -e /usr/share/pexaro && ! -e /usr/libexec/pexaro ]] || fail "the package's folders are left"
echo "package: ok"
