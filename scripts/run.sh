#!/usr/bin/env bash
# Installs what is missing, builds the game, assembles its run folder (the executable,
# settings.txt, daten/font/vera/Vera.ttf, bilder/ with the sample sets) and starts it there.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build build/release -j "$(nproc)" --target pexaro pexaro-gamedat run_folder
cd build/release/run
exec ./pexaro
