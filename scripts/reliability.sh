#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The long reliability runs, on demand: thirty games in one process (live textures and resident
# memory after each game) and a thousand kills while game.dat is being saved. Builds the release
# build, runs both under a virtual display and writes their figures into docs/RELIABILITY.md.
# Usage: scripts/reliability.sh [games] [kills]
set -euo pipefail
source "$(dirname "$0")/lib/prelude.sh"
cd "$repo_root"
games=${1:-30}
kills=${2:-1000}

install_deps
configure_and_build release pexaro pexaro-gamedat pexaro-save-loop run_folder
build=$repo_root/build/release
block=$(mktemp)
trap 'rm -f "$block"' EXIT

soak=$(bash tests/robust/soak.sh "$games" "$build/run/pexaro" "$build/tools/pexaro-gamedat" \
  "$build/run/daten/font/vera/Vera.ttf" | grep -E '^(soak:|FAIL)')
echo "$soak"
kill=$(bash tests/robust/kill_save.sh "$build/tests/robust/pexaro-save-loop" \
  "$build/tools/pexaro-gamedat" "$kills" | tail -n 1)
echo "$kill"

# The figures go between the markers of docs/RELIABILITY.md.
{
  echo "Run of $(date -u +%Y-%m-%d) on $(nproc) cores ($(sed -n 's/^model name\s*: //p' /proc/cpuinfo | head -n 1)), release build:"
  echo
  echo '```'
  echo "$soak"
  echo "$kill"
  echo '```'
} >"$block"
python3 - "$block" docs/RELIABILITY.md <<'PY'
import re, sys
block = open(sys.argv[1]).read()
path = sys.argv[2]
text = open(path).read()
text = re.sub(r"(<!-- figures:start -->\n).*?(<!-- figures:end -->)",
              lambda m: m.group(1) + block + m.group(2), text, flags=re.S)
open(path, "w").write(text)
PY
echo "Figures written to docs/RELIABILITY.md"
