#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the game for 64-bit Windows with MinGW-w64 and packs build/windows/pexaro-windows-x64.zip.
# The libraries it links are built first from Debian's source packages (fetched through apt, at
# the versions the archive offers) into a cache outside the clone, keyed by those versions, by the
# recipes below and by the toolchain; a later run with the same key skips that stage.
# Environment: PEXARO_WINDOWS_CACHE (default ~/.cache/pexaro-windows); PEXARO_WINDOWS_SOURCES, a
# folder of upstream tarballs for the source packages an apt mirror does not serve.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib/prelude.sh"

repo=$repo_root
host=x86_64-w64-mingw32
jobs=$(nproc)
cache=${PEXARO_WINDOWS_CACHE:-$HOME/.cache/pexaro-windows}
toolchain=$repo/cmake/windows-x64.cmake
started=$SECONDS

# Source packages in build order: each after those it links.
libraries=(fmtlib utf8proc googletest zlib libjpeg-turbo libpng1.6 libexif freetype libsdl1.2
  sdl-image1.2 sdl-ttf2.0 sdlgfx sdl-mixer1.2 espeak-ng)

# Upstream releases of the same libraries, taken when apt cannot fetch the source package.
declare -A upstream_tarballs=(
  [sdl-image1.2]="SDL_image-1.2.12.tar.gz 170d433c025ca16ddfa13e558563696118fb2e0675fcc2134605b962a97b4be1"
  [sdl-ttf2.0]="SDL_ttf-2.0.11.tar.gz e42b15668e68ddc191b0ab4114e9070b13e4e203f8682caaf4f7b27303683441"
  [sdlgfx]="SDL_gfx-2.0.27.tar.gz 9562518c593ab89e316c5cd3aaa5ade01647aa04dee778cafcb1cb4f12c907ca"
  [espeak-ng]="espeak-ng-1.51.tar.gz d0671bd6f45e0ab7a8c2dbd8ce9b9cd598d0f345a6f7057380f326308f5c22e6"
)
tarballs=${PEXARO_WINDOWS_SOURCES:-}
[[ -z $tarballs ]] || tarballs=$(cd "$tarballs" && pwd)

# --- Recipes: run inside the unpacked source (Debian's patches applied), install into $stage.

cross_env() {
  export CC=$host-gcc-posix CXX=$host-g++-posix AR=$host-ar RANLIB=$host-ranlib
  export PKG_CONFIG_LIBDIR=$stage/lib/pkgconfig PKG_CONFIG_PATH=
  export CPPFLAGS="-I$stage/include" LDFLAGS="-L$stage/lib"
}

# A recipe may set make_variables, such as noinst_PROGRAMS= to skip test programs, and
# make_goals and install_goals where the default goals build more than the library. Every library
# is static, so the checks that link a test program need the private libraries too (SDL's main).
configure_make() {
  PKG_CONFIG="pkg-config --static" ./configure --build="$(gcc -dumpmachine)" --host=$host \
    --prefix="$stage" --disable-shared --enable-static "$@" >configure.log 2>&1
  make -j"$jobs" "${make_variables[@]}" "${make_goals[@]}" >make.log 2>&1
  make "${install_goals[@]:-install}" "${make_variables[@]}" >install.log 2>&1
}
make_variables=()
make_goals=()
install_goals=()

# The .pc files of the SDL extensions name no libraries of their own, which static linking needs.
add_private_requirements() {  # .pc name, modules
  echo "Requires.private: ${*:2}" >>"$stage/lib/pkgconfig/$1.pc"
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

# Its build takes a relative library folder as relative to the source.
build_libjpeg-turbo() {
  cmake_install -DENABLE_SHARED=OFF -DWITH_TURBOJPEG=OFF -DWITH_JAVA=OFF \
    -DCMAKE_INSTALL_LIBDIR="$stage/lib"
}

build_libpng1.6() { cmake_install -DPNG_SHARED=OFF -DPNG_EXECUTABLES=OFF -DPNG_TESTS=OFF; }

build_libexif() {
  autoreconf -fi >autoreconf.log 2>&1
  configure_make --disable-docs --disable-nls
}

# With the zlib above: its own copy would define zlib's functions a second time.
build_freetype() {
  configure_make --enable-freetype-config --with-zlib=yes --without-bzip2 --without-png \
    --without-harfbuzz --without-brotli
}

# Video and audio, which is all the engine initialises: sound through Windows' waveOut, or into a
# file through the disk driver (SDL_AUDIODRIVER=disk) for the tests. No DirectX: OpenGL draws, and
# waveOut plays. Its log goes to the console's stderr, not to stdout.txt/stderr.txt beside the
# executable; no -mwindows, the game is a console program.
build_libsdl1.2() {
  configure_make --disable-stdio-redirect --disable-cdrom --disable-joystick --disable-directx
  sed -i 's/ -mwindows//' "$stage/lib/pkgconfig/sdl.pc" "$stage/bin/sdl-config"
}

# Their test programs want SDL's WinMain, which the game does not link: libraries only.
build_sdl-image1.2() {
  local make_variables=(noinst_PROGRAMS=)
  SDL_CONFIG=$stage/bin/sdl-config configure_make --disable-jpg-shared --disable-png-shared \
    --disable-tif --disable-webp
  grep -q 'define LOAD_JPG' config.log || { echo "SDL_image without JPEG" >&2; return 1; }
  add_private_requirements SDL_image libpng16 libjpeg
}

build_sdl-ttf2.0() {
  local make_variables=(noinst_PROGRAMS=)
  SDL_CONFIG=$stage/bin/sdl-config FREETYPE_CONFIG=$stage/bin/freetype-config configure_make \
    --without-x
  add_private_requirements SDL_ttf freetype2
}

build_sdlgfx() { SDL_CONFIG=$stage/bin/sdl-config configure_make --disable-mmx; }

# WAV only: with every other music format off it links SDL alone, which its .pc file requires.
# Its default goal also links the test programs playwave and playmus: the library alone, whose
# objects' folder that goal would make.
build_sdl-mixer1.2() {
  local make_goals=(build/libSDL_mixer.la) install_goals=(install-hdrs install-lib)
  mkdir build
  SDL_CONFIG=$stage/bin/sdl-config configure_make --disable-music-cmd --disable-music-mod \
    --disable-music-midi --disable-music-ogg --disable-music-flac --disable-music-mp3
}

# The library alone: its default goal also compiles the voice data, whose sources the tarball
# lacks (the zip takes Debian's compiled data). No audio output, MBROLA, sonic, speechPlayer or
# worker thread of its own: the engine takes the samples synchronously and mixes them itself.
build_espeak-ng() {
  local make_goals=(src/libespeak-ng.la)
  local install_goals=(install-libLTLIBRARIES install-espeak_ng_includeHEADERS
    install-pkgconfigDATA)
  ./autogen.sh >autoreconf.log 2>&1
  configure_make --without-pcaudiolib --without-mbrola --without-sonic --without-speechplayer \
    --without-async
  # Its headers declare every function dllimport on Windows unless this is defined, and a static
  # library has no import stubs.
  sed -i 's/^Cflags: .*/& -DLIBESPEAK_NG_EXPORT/' "$stage/lib/pkgconfig/espeak-ng.pc"
}

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

# Downloads the newest offered version that the archive serves and prints its .dsc; otherwise
# prints the upstream tarball from $tarballs, once its checksum is right.
fetch_source() {
  local package=$1 version name sum
  mkdir -p "$cache/sources"
  for version in $(offered_versions "$package"); do
    if (cd "$cache/sources" && apt-get source --download-only -qq "$package=$version" \
      >/dev/null 2>&1); then
      echo "$cache/sources/${package}_${version#*:}.dsc"
      return 0
    fi
  done
  [[ -n $tarballs && -n ${upstream_tarballs[$package]:-} ]] || return 1
  read -r name sum <<<"${upstream_tarballs[$package]}"
  if [[ ! -f $tarballs/$name ]]; then
    echo "$package: $tarballs/$name is missing" >&2
    return 1
  fi
  if ! echo "$sum  $tarballs/$name" | sha256sum --check --status; then
    echo "$package: $tarballs/$name does not have the SHA-256 sum $sum" >&2
    return 1
  fi
  echo "$tarballs/$name"
}

# Unpacks a source package (Debian's patches applied) or an upstream tarball into $2.
unpack_source() {
  local source=$1 work=$2
  if [[ $source == *.dsc ]]; then
    dpkg-source --no-check -x "$source" "$work" >/dev/null
  else
    mkdir -p "$work"
    tar -xzf "$source" -C "$work" --strip-components=1
  fi
}

library_key() {
  {
    for library in "${libraries[@]}"; do echo "$library $(offered_versions "$library" | xargs)"; done
    declare -p upstream_tarballs
    declare -f cross_env configure_make add_private_requirements cmake_install
    for library in "${libraries[@]}"; do declare -f "build_$library"; done
    cat "$toolchain"
    $host-g++-posix --version | head -1
  } | sha256sum | cut -c1-16
}

build_libraries() {
  local stage=$1 timings=$1/timings.txt blocked=() library source name work began
  mkdir -p "$stage/.built"
  for library in "${libraries[@]}"; do
    [[ -f $stage/.built/$library ]] && continue
    if ! source=$(fetch_source "$library"); then
      blocked+=("$library")
      continue
    fi
    name=$(basename "$source" .dsc)
    name=${name%.tar.gz}
    echo "=== $library: $name"
    began=$SECONDS
    work=$cache/work/$library
    rm -rf "$cache/work"
    mkdir -p "$cache/work"
    unpack_source "$source" "$work"
    # Started on its own, not as a condition, so that errexit stops the recipe at its first failure.
    (cd "$work" && cross_env && "build_$library") &
    if ! wait $!; then
      tail -n 30 "$(ls -t "$work"/*.log | head -1)" >&2
      echo "$library failed to build; its logs are in $work" >&2
      exit 1
    fi
    echo "$name $((SECONDS - began)) s" >>"$timings"
    touch "$stage/.built/$library"
    rm -rf "$cache/work"
  done
  if [[ ${#blocked[@]} -gt 0 ]]; then
    echo "The archive served no source of: ${blocked[*]} (apt-get source --download-only failed" \
      "for every offered version), and PEXARO_WINDOWS_SOURCES ('$tarballs') held no upstream" \
      "tarball of them; the libraries built so far stay in $stage" >&2
    exit 1
  fi
}

install_deps windows
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
# Libraries found in an earlier prefix stay in CMake's cache: a new prefix configures afresh.
fresh=(--fresh)
[[ $(cat build/windows/configured-prefix 2>/dev/null) == "$prefix" ]] && fresh=()
PEXARO_WINDOWS_PREFIX=$prefix configure_preset windows "${fresh[@]}"
echo "$prefix" >build/windows/configured-prefix
build_preset windows

bash tests/windows/imports.sh "$host-objdump" build/windows/run/pexaro.exe \
  build/windows/tools/pexaro-gamedat.exe
zip=build/windows/pexaro-windows-x64.zip
echo "=== $zip ($(du -h "$zip" | cut -f1)) in $((SECONDS - started)) s"
