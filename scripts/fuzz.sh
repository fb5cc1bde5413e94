#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets in build/fuzz (clang-14) and runs each for a bounded time on a
# scratch copy of its corpus in fuzz/corpus/. Fails if any target crashes, hangs or leaks; the
# input that did it is kept in build/fuzz/crashes/.
#   scripts/fuzz.sh [seconds-per-target] [--merge]
# --merge adds the new inputs that reach more code to the repository's corpus.
set -uo pipefail
source "$(dirname "$0")/lib/prelude.sh"
cd "$repo_root" || exit 1
root=$repo_root

seconds=20
merge=0
for argument in "$@"; do
  case $argument in
    --merge) merge=1 ;;
    *[!0-9]* | '') echo "usage: scripts/fuzz.sh [seconds-per-target] [--merge]" >&2; exit 2 ;;
    *) seconds=$argument ;;
  esac
done

dir=build/fuzz
echo "=== fuzz: configure and build"
configure_and_build fuzz || exit 1

mkdir -p "$dir/crashes"
tmpdir=/dev/shm
[[ -d $tmpdir && -w $tmpdir ]] || { tmpdir="$root/$dir/tmp"; mkdir -p "$tmpdir"; }
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
status=0
for corpus in fuzz/corpus/*/; do
  target=$(basename "$corpus")
  work="$dir/work/$target"
  rm -rf "$work"
  mkdir -p "$work"
  # The targets' temporary input files land here, so that a crash leaves nothing elsewhere; in
  # memory when possible, since the file readers spend most of their time on the disk.
  scratch=$(mktemp -d "$tmpdir/pexaro-fuzz-$target.XXXXXX") || exit 1
  cp -r "$corpus". "$work/"
  options=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1
           -artifact_prefix="$root/$dir/crashes/$target-")
  [[ -f fuzz/dict/$target.dict ]] && options+=(-dict="fuzz/dict/$target.dict")
  echo "=== fuzz: $target for ${seconds} s"
  if TMPDIR="$scratch" "$dir/fuzz/$target" "${options[@]}" "$work" >"$dir/$target.log" 2>&1; then
    grep -E "^stat::(number_of_executed_units|new_units_added)" "$dir/$target.log"
    if [[ $merge -eq 1 ]]; then
      TMPDIR="$scratch" "$dir/fuzz/$target" -merge=1 "$corpus" "$work" >>"$dir/$target.log" 2>&1 ||
        { echo "merge into $corpus FAILED"; status=1; }
    fi
  else
    echo "$target FAILED; its log is $dir/$target.log, the input is in $dir/crashes/"
    tail -n 40 "$dir/$target.log"
    status=1
  fi
  rm -rf "$scratch"
done

if [[ $status -eq 0 ]]; then
  echo "All fuzz targets ran ${seconds} s without a finding."
fi
exit $status
