#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Refreshes the README's screenshots: plays the game with the end-to-end test in a virtual
# display and copies its screenshots of the game window to docs/screenshots/.
set -euo pipefail
source "$(dirname "$0")/lib/prelude.sh"
cd "$repo_root"
install_deps
configure_and_build release pexaro pexaro-gamedat run_folder
in_virtual_display ctest --test-dir build/release -R '^e2e\.Game$' --output-on-failure
mkdir -p docs/screenshots
for shot in menu game; do
  cp "build/release/artifacts/e2e-$shot.png" "docs/screenshots/$shot.png"
done
