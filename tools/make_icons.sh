#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the menu icon's bitmap sizes from desktop/org.pexaro.pexaro.svg with rsvg-convert
# (librsvg2-bin). The output is committed; run this again only after changing the drawing.
set -euo pipefail
cd "$(dirname "$0")/../desktop"
for size in 48 128; do
  rsvg-convert -w "$size" -h "$size" org.pexaro.pexaro.svg -o "org.pexaro.pexaro-$size.png"
done
