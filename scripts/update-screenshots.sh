#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Refreshes the README's screenshots: plays the game with the end-to-end test in a virtual
# display and copies its screenshots of the game window to docs/screenshots/.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build build/release -j "$(nproc)" --target pexaro pexaro-gamedat run_folder
xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" \
  ctest --test-dir build/release -R '^e2e\.Game$' --output-on-failure
mkdir -p docs/screenshots
for shot in menu game; do
  cp "build/release/artifacts/e2e-$shot.png" "docs/screenshots/$shot.png"
done
