#!/usr/bin/env bash
# Installs what is missing and builds the game. Starting it on the bundled picture sets comes
# with the menu; until then this stops after the build.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/release -j "$(nproc)"
echo "Built. The game cannot be started yet: its menu and entry point are still being written."
