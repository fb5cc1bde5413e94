#!/usr/bin/env bash
# The installed menu entry and AppStream metadata pass the Debian validators and agree with each
# other and with what is installed: the command, the icon in every size, the version.
# Usage: metadata.sh <build folder> <project version>
set -euo pipefail
build=$1
version=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null

fail() { echo "FAIL: $*"; exit 1; }

id=org.pexaro.pexaro
entry="$prefix/share/applications/$id.desktop"
metainfo="$prefix/share/metainfo/$id.metainfo.xml"

desktop-file-validate "$entry" || fail "desktop-file-validate"
appstreamcli validate --no-net --strict "$metainfo" || fail "appstreamcli validate"

key() { sed -n "s/^$1=//p" "$entry"; }
exec=$(key Exec)
[[ "$exec" == pexaro && -x "$prefix/bin/$exec" ]] || fail "Exec=$exec is not the installed launcher"
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
echo "metadata: ok"
