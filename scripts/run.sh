#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds the game, assembles its run folder (the executable,
# settings.txt, info.txt, daten/ with the font and the window icon, bilder/ with the sample
# sets) and starts it there.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build build/release -j "$(nproc)" --target pexaro pexaro-gamedat run_folder
cd build/release/run
# The maintained SDL 1.2 over SDL2 where it is installed, as the installed launcher does.
compat=/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/sdl12-compat
if [[ -e "$compat/libSDL-1.2.so.0" ]]; then
  export LD_LIBRARY_PATH="$compat${LD_LIBRARY_PATH:+:$LD_LIBRARY_PATH}"
fi
exec ./pexaro
