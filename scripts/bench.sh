#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the release benchmarks, runs them all in a virtual X display and rewrites the table in
# docs/PERFORMANCE.md (medians of several runs; ratios only within the run).
#
#   bash scripts/bench.sh [runs]     # runs: repetitions per figure, default 5
#
# Takes about ten minutes; the machine should be otherwise idle.
set -euo pipefail
source "$(dirname "$0")/lib/prelude.sh"
cd "$repo_root"
runs=${1:-5}
# Before anything of ours runs: a busy machine makes every figure noise.
start_load=$(cut -d ' ' -f 1 /proc/loadavg)

install_deps
build=build/release
configure_and_build release pexaro-bench pexaro-startup startup-reference run_folder

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The pictures of the picture pipeline, made here rather than kept in the repository: a camera
# photo (4000 x 3000), a large graphic (2310 x 1732), both with photo-like detail, the photo
# at 50 megapixels (8200 x 6100), and the photo with a camera's 160 x 120 preview in its EXIF
# block, which covers the menu's 120-pixel thumbnail box.
mkdir -p "$work/pictures"
echo "Making the test pictures ..."
convert -size 4000x3000 -seed 7 plasma:fractal -blur 0x1 -quality 90 "$work/pictures/foto.jpg"
convert "$work/pictures/foto.jpg" -resize 160x120! -quality 90 "$work/preview.jpg"
exif --create-exif --insert-thumbnail="$work/preview.jpg" \
  --output="$work/pictures/foto-vorschau.jpg" "$work/pictures/foto.jpg" >/dev/null
convert -size 2310x1732 -seed 8 plasma:fractal -blur 0x1 -depth 8 "$work/pictures/grafik.png"
convert "$work/pictures/foto.jpg" -resize 8200x6100! -quality 90 "$work/pictures/foto-50.jpg"
# The start-up runs in a copy of the run folder, so that the player's game.dat stays untouched.
mkdir -p "$work/run"
cp -r "$build/run/settings.txt" "$build/run/daten" "$build/run/bilder" "$work/run/"

PEXARO_BENCH_PICTURES="$work/pictures" in_virtual_display \
  python3 scripts/bench_report.py --build "$build" --run-folder "$work/run" --runs "$runs" \
  --start-load "$start_load" --doc docs/PERFORMANCE.md
