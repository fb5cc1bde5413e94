#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the Wine server of the tests' prefix and makes the prefix, once, before the tests that
# would race to make it; or stops the server after them. Started apart from CTest's output pipes:
# a server that a test started would hold that test's pipes open until the last Wine program ends.
# Usage: wine.sh start|stop. Environment: WINE, the wine64 loader; WINEPREFIX.
set -euo pipefail
server=${WINE%/*}/wineserver
case ${1:-} in
  start)
    mkdir -p "$WINEPREFIX"
    "$server" -p </dev/null >/dev/null 2>&1
    "$WINE" wineboot --init </dev/null >/dev/null 2>&1
    ;;
  stop) "$server" -k || true ;;
  *) echo "usage: wine.sh start|stop" >&2; exit 2 ;;
esac
