#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, checks the includes across layers, builds, and runs every test twice:
# in a normal build and under AddressSanitizer + UndefinedBehaviorSanitizer; then the worker tests
# under ThreadSanitizer, a short run of every fuzz target, and the Windows build's tests under Wine.
# Exits non-zero if anything fails.
set -uo pipefail
source "$(dirname "$0")/lib/prelude.sh"
cd "$repo_root" || exit 1
root=$repo_root

install_deps || exit 1

jobs=$(nproc)
status=0

# Before anything is built: no file includes a header of a library its own does not link.
echo "=== layers: includes against what each library links"
python3 scripts/check-layers.py || status=1

build_and_test() {
  local name=$1
  local dir="build/$name"
  echo "=== $name: configure and build"
  configure_and_build "$name" || return 1
  echo "=== $name: tests"
  in_virtual_display ctest --test-dir "$dir" --output-on-failure -j "$jobs" --timeout 600
}

build_and_test release || status=1

# verify_asan_link_order=0: window tests preload the Mesa driver (see tests/Support/CMakeLists.txt).
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1:verify_asan_link_order=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
build_and_test sanitize || status=1

# The worker threads under ThreadSanitizer: only the tests of the background decoder and of the
# sound back end with its speech worker, which need no window, are built.
threads() {
  echo "=== tsan: configure and build the worker tests"
  configure_and_build tsan ZudeRezede2DPictureTests ZudeRezede2DAudioTests || return 1
  echo "=== tsan: tests"
  TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1" \
    ctest --test-dir build/tsan --output-on-failure -L threads --timeout 600
}
threads || status=1

# Its own build (clang-14) and sanitizer settings; about 20 s per target.
bash scripts/fuzz.sh || status=1

# The Windows build: its libraries (built once, then cached), pexaro.exe and the zip; its tests
# under Wine, the Linux build's pexaro-gamedat reading its game.dat.
windows() {
  echo "=== windows: libraries, build and zip"
  bash scripts/build-windows.sh || return 1
  echo "=== windows: tests under Wine"
  in_virtual_display \
    ctest --test-dir build/windows --output-on-failure -j "$jobs" --timeout 900 -L windows
}
windows || status=1

if [[ $status -eq 0 ]]; then
  echo "All tests passed in both builds and under Wine, and the fuzz targets found nothing."
else
  echo "Some builds or tests FAILED."
fi
exit $status
