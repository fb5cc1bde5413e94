#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the game for 64-bit Windows with MinGW-w64 and packs build/windows/pexaro-windows-x64.zip.
# The libraries it links are built first from Debian's source packages (fetched through apt, at
# the versions the archive offers) into a cache outside the clone, keyed by those versions, by the
# recipes below and by the toolchain; a later run with the same key skips that stage.
# Environment: PEXARO_WINDOWS_CACHE (default ~/.cache/pexaro-windows).
set -euo pipefail

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
host=x86_64-w64-mingw32
jobs=$(nproc)
cache=${PEXARO_WINDOWS_CACHE:-$HOME/.cache/pexaro-windows}
toolchain=$repo/cmake/windows-x64.cmake
started=$SECONDS

# Source packages in build order: each after those it links.
libraries=(fmtlib utf8proc googletest zlib libjpeg-turbo libpng1.6 libexif freetype libsdl1.2
  sdl-image1.2 sdl-ttf2.0 sdlgfx)

# --- Recipes: run inside the unpacked source (Debian's patches applied), install into $stage.

cross_env() {
  export CC=$host-gcc-posix CXX=$host-g++-posix AR=$host-ar RANLIB=$host-ranlib
  export PKG_CONFIG_LIBDIR=$stage/lib/pkgconfig PKG_CONFIG_PATH=
  export CPPFLAGS="-I$stage/include" LDFLAGS="-L$stage/lib"
}

configure_make() {
  ./configure --build="$(gcc -dumpmachine)" --host=$host --prefix="$stage" --disable-shared \
    --enable-static "$@" >configure.log 2>&1
  make -j"$jobs" >make.log 2>&1
  make install >install.log 2>&1
}

cmake_install() {
  cmake -S . -B _build -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DPEXARO_WINDOWS_PREFIX="$stage" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$stage" -DBUILD_SHARED_LIBS=OFF \
    -DCMAKE_INSTALL_LIBDIR=lib "$@" >configure.log 2>&1
  cmake --build _build -j"$jobs" >make.log 2>&1
  cmake --install _build >install.log 2>&1
}

build_fmtlib() { cmake_install -DFMT_DOC=OFF -DFMT_TEST=OFF; }

# Its .pc file names the define for building the DLL; users of the static library need another.
build_utf8proc() {
  cmake_install -DUTF8PROC_ENABLE_TESTING=OFF
  sed -i 's/-DUTF8PROC_EXPORTS/-DUTF8PROC_STATIC/' "$stage/lib/pkgconfig/libutf8proc.pc"
}

build_googletest() { cmake_install -DBUILD_GMOCK=ON -DINSTALL_GTEST=ON; }

# Debian's source has no win32/ folder: zlib's own configure, told the target.
build_zlib() {
  CHOST=$host ./configure --static --prefix="$stage" >configure.log 2>&1
  make -j"$jobs" libz.a >make.log 2>&1
  make install >install.log 2>&1
}

build_libjpeg-turbo() { cmake_install -DENABLE_SHARED=OFF -DWITH_TURBOJPEG=OFF -DWITH_JAVA=OFF; }

build_libpng1.6() { cmake_install -DPNG_SHARED=OFF -DPNG_EXECUTABLES=OFF -DPNG_TESTS=OFF; }

build_libexif() {
  autoreconf -fi >autoreconf.log 2>&1
  configure_make --disable-docs --disable-nls
}

build_freetype() {
  configure_make --enable-freetype-config --without-zlib --without-bzip2 --without-png \
    --without-harfbuzz --without-brotli
}

# Only video: the engine initialises nothing else. Its log goes to the console's stderr, not to
# stdout.txt/stderr.txt beside the executable; no -mwindows, the game is a console program.
build_libsdl1.2() {
  configure_make --disable-stdio-redirect --disable-audio --disable-cdrom --disable-joystick \
    --disable-directx
  sed -i 's/ -mwindows//' "$stage/lib/pkgconfig/sdl.pc" "$stage/bin/sdl-config"
}

build_sdl-image1.2() {
  SDL_CONFIG=$stage/bin/sdl-config configure_make --disable-jpg-shared --disable-png-shared \
    --disable-tif --disable-webp
}

build_sdl-ttf2.0() {
  SDL_CONFIG=$stage/bin/sdl-config FT2_CONFIG=$stage/bin/freetype-config configure_make --without-x
}

build_sdlgfx() { SDL_CONFIG=$stage/bin/sdl-config configure_make --disable-mmx; }

# --- End of the recipes.

# Debian's source packages come from the same archive as its binary ones.
add_source_entry() {
  local entry=/etc/apt/sources.list.d/pexaro-src.sources
  local sudo=()
  [[ $(id -u) -eq 0 ]] || sudo=(sudo)
  if [[ ! -f $entry ]]; then
    sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources |
      "${sudo[@]}" tee "$entry" >/dev/null
  fi
  "${sudo[@]}" apt-get update -qq
}

# The versions the archive offers for a source package, newest first.
offered_versions() {
  apt-cache showsrc --only-source "$1" | awk '/^Version:/ { print $2 }' | sort -u -r -V
}

# Downloads the newest offered version that the archive serves; prints its .dsc.
fetch_source() {
  local package=$1 version
  mkdir -p "$cache/sources"
  for version in $(offered_versions "$package"); do
    if (cd "$cache/sources" && apt-get source --download-only -qq "$package=$version" \
      >/dev/null 2>&1); then
      echo "$cache/sources/${package}_${version#*:}.dsc"
      return 0
    fi
  done
  return 1
}

library_key() {
  {
    for library in "${libraries[@]}"; do echo "$library $(offered_versions "$library" | xargs)"; done
    declare -f cross_env configure_make cmake_install
    for library in "${libraries[@]}"; do declare -f "build_$library"; done
    cat "$toolchain"
    $host-g++-posix --version | head -1
  } | sha256sum | cut -c1-16
}

build_libraries() {
  local stage=$1 timings=$1/timings.txt blocked=() library dsc work began
  mkdir -p "$stage/.built"
  for library in "${libraries[@]}"; do
    [[ -f $stage/.built/$library ]] && continue
    if ! dsc=$(fetch_source "$library"); then
      blocked+=("$library")
      continue
    fi
    echo "=== $library: $(basename "$dsc" .dsc)"
    began=$SECONDS
    work=$cache/work/$library
    rm -rf "$cache/work"
    mkdir -p "$cache/work"
    dpkg-source --no-check -x "$dsc" "$work" >/dev/null
    # Started on its own, not as a condition, so that errexit stops the recipe at its first failure.
    (cd "$work" && cross_env && "build_$library") &
    if ! wait $!; then
      tail -n 30 "$(ls -t "$work"/*.log | head -1)" >&2
      echo "$library failed to build; its logs are in $work" >&2
      exit 1
    fi
    echo "$(basename "$dsc" .dsc) $((SECONDS - began)) s" >>"$timings"
    touch "$stage/.built/$library"
    rm -rf "$cache/work"
  done
  if [[ ${#blocked[@]} -gt 0 ]]; then
    echo "The archive served no source of: ${blocked[*]} (apt-get source --download-only failed" \
      "for every offered version); the libraries built so far stay in $stage" >&2
    exit 1
  fi
}

bash "$repo/scripts/install-deps.sh" windows
add_source_entry
key=$(library_key)
prefix=$cache/$key
if [[ -d $prefix ]]; then
  echo "=== Libraries: $prefix (cached)"
else
  # Built under another name and moved at the end: an interrupted build resumes, never counts as done.
  stage=$cache/$key.partial
  build_libraries "$stage"
  rm -rf "$stage/.built" "$stage/share/doc" "$stage/share/man"
  find "$stage/lib" -name '*.la' -delete
  mv "$stage" "$prefix"
  grep -rlI --null "$stage" "$prefix" | xargs -0 -r sed -i "s|$stage|$prefix|g"
  echo "=== Libraries: $prefix built in $((SECONDS - started)) s"
  cat "$prefix/timings.txt"
fi

cd "$repo"
PEXARO_WINDOWS_PREFIX=$prefix cmake --preset windows >/dev/null
cmake --build build/windows -j"$jobs"

# The run folder as the Linux build assembles it. Everything else is linked statically, so the
# executable imports Windows' own DLLs only, and those need nothing from us.
run=build/windows/run
imports=$($host-objdump -p "$run/pexaro.exe" | awk '/DLL Name:/ { print $3 }')
foreign=$(grep -v -i -x -E '(kernel32|user32|gdi32|winmm|opengl32|glu32|msvcrt|advapi32|shell32|ole32|imm32|version|ws2_32)\.dll' <<<"$imports" || true)
if [[ -n $foreign ]]; then
  echo "pexaro.exe needs DLLs that are not part of Windows: $foreign" >&2
  exit 1
fi
zip=build/windows/pexaro-windows-x64.zip
rm -rf build/windows/zip "$zip"
mkdir -p build/windows/zip
cp -r "$run" build/windows/zip/pexaro
(cd build/windows/zip && zip -q -r -9 ../pexaro-windows-x64.zip pexaro)
echo "=== $zip ($(du -h "$zip" | cut -f1)) in $((SECONDS - started)) s"
