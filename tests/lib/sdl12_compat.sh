# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
# Where Debian installs sdl12-compat, the SDL 1.2 interface over SDL2, beside the classic library.
# Sourced by the tests and by scripts/run.sh.

sdl12_compat_dir() {
  echo "/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/sdl12-compat"
}

have_sdl12_compat() {
  [[ -e "$(sdl12_compat_dir)/libSDL-1.2.so.0" ]]
}
