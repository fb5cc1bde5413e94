#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds the game, assembles its run folder (the executable,
# settings.txt, info.txt, daten/ with the font and the window icon, bilder/ with the sample
# sets) and starts it there.
set -euo pipefail
source "$(dirname "$0")/lib/prelude.sh"
source "$repo_root/tests/lib/sdl12_compat.sh"
cd "$repo_root"
install_deps
configure_and_build release pexaro pexaro-gamedat run_folder
cd build/release/run
# The maintained SDL 1.2 over SDL2 where it is installed, as the installed launcher does.
if have_sdl12_compat; then
  compat=$(sdl12_compat_dir)
  export LD_LIBRARY_PATH="$compat${LD_LIBRARY_PATH:+:$LD_LIBRARY_PATH}"
fi
exec ./pexaro
