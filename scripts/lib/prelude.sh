# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
# What the scripts share before their own work: the packages, a preset configured and built, a
# virtual display. Sourced by scripts run from the repository's root (where the presets are);
# every function returns non-zero on failure, for the scripts without errexit.

repo_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

install_deps() {  # [windows]
  bash "$repo_root/scripts/install-deps.sh" "$@"
}

configure_preset() {  # preset [cmake options]
  cmake --preset "$@" >/dev/null
}

build_preset() {  # preset [target...]
  local folder="build/$1"
  shift
  cmake --build "$folder" -j "$(nproc)" ${1:+--target "$@"}
}

configure_and_build() {  # preset [target...]
  configure_preset "$1" || return 1
  build_preset "$@"
}

# One virtual X server for the command; window tests need it, the others ignore it.
# -noreset: by default the server resets when its last client leaves, and a window opened
# during the reset fails to connect.
in_virtual_display() {  # command...
  xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" "$@"
}
