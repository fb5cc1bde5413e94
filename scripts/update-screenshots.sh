#!/usr/bin/env bash
# Refreshes the README's screenshots: plays the game with the end-to-end test in a virtual
# display and copies the game window's part of its screenshots to docs/screenshots/.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build build/release -j "$(nproc)" --target pexaro pexaro-gamedat run_folder
xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" \
  ctest --test-dir build/release -R '^e2e\.Game$' --output-on-failure
mkdir -p docs/screenshots
for shot in menu game; do
  convert "build/release/artifacts/e2e-$shot.png" -crop 1024x768+0+0 +repage \
    "docs/screenshots/$shot.png"
done
