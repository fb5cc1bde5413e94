#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every library is linked in: the executables import Windows' own DLLs only, so the unpacked
# folder runs on any Windows without installing anything.
# Usage: imports.sh <objdump> <executable>...
set -euo pipefail
source "$(dirname "$0")/../lib/testlib.sh"
objdump=$1
shift
system='(kernel32|user32|gdi32|winmm|opengl32|glu32|msvcrt|advapi32|shell32|ole32|imm32|version|ws2_32)\.dll'
for executable in "$@"; do
  imports=$("$objdump" -p "$executable" | awk '/DLL Name:/ { print $3 }')
  [[ -n $imports ]] || fail "objdump lists no imported DLL of $executable"
  foreign=$(grep -v -i -x -E "$system" <<<"$imports" || true)
  # Split on purpose: one line.
  [[ -z $foreign ]] || fail "$(basename "$executable") needs DLLs that are not part of Windows:" $foreign
  echo "$(basename "$executable") imports only:" $imports
done
