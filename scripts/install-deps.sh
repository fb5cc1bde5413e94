#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages the build, the game and the tests need; only what is missing.
# With the argument "windows", also what the Windows cross-build needs (scripts/build-windows.sh).
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  libsdl1.2-dev libsdl-image1.2-dev libsdl-ttf2.0-dev libsdl-gfx1.2-dev libgl-dev libglu1-mesa-dev
  libfmt-dev libutf8proc-dev ttf-bitstream-vera libexif-dev libjpeg-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth x11-xkb-utils libgl1-mesa-dri xdotool imagemagick exif python3 bc procps valgrind
  libassimp-dev assimp-testmodels
  desktop-file-utils appstream dpkg-dev librsvg2-bin
  libsdl1.2-compat jwm x11-utils
  libsdl-mixer1.2-dev libespeak-ng-dev espeak-ng-data espeak-ng sox python3-numpy
  clang-14 libclang-rt-14-dev
)
if [[ "${1:-}" == windows ]]; then
  packages+=(
    g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
    mingw-w64-x86-64-dev mingw-w64-tools wine64 nasm autoconf automake libtool autopoint
  )
fi

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)
echo "Installing: ${missing[*]}"
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
  "${missing[@]}" >/dev/null
