#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the kinds of picture files players bring, from phones, cameras and editors, with
# ImageMagick: JPEG encodings and the eight orientations (one also in Intel byte order), camera
# previews, PNG and BMP variants, a truncated JPEG and a 50-megapixel photo.
# Usage: picture_corpus.sh <folder>
set -euo pipefail

out=$1
mkdir -p "$out"
cd "$out"

# Photo-like detail: smooth areas, edges, no symmetry that would hide a wrong turn.
convert -size 400x250 -seed 11 plasma:fractal -blur 0x1 -resize 1600x1000! -depth 8 photo.ppm
convert -size 200x150 -seed 12 plasma:fractal -blur 0x1 -depth 8 small.ppm
# An opaque spot in a half-transparent field, for the formats with alpha.
convert -size 640x480 -seed 13 plasma:fractal -blur 0x1 \
  \( -size 640x480 xc:'gray(50%)' -fill white -draw 'circle 200,200 200,320' \) \
  -alpha off -compose copy_opacity -composite -depth 8 clear.png

convert photo.ppm -quality 90 -interlace none -sampling-factor 2x2 jpeg-baseline-420.jpg
convert photo.ppm -quality 90 -interlace plane jpeg-progressive.jpg
convert photo.ppm -quality 90 -sampling-factor 1x1 jpeg-444.jpg
convert photo.ppm -quality 90 -colorspace gray jpeg-grey.jpg
convert photo.ppm -quality 90 -colorspace cmyk jpeg-cmyk.jpg
convert small.ppm -quality 90 -colorspace cmyk jpeg-cmyk-small.jpg
convert small.ppm -quality 90 jpeg-small.jpg

# Stored turned the other way, with the tag that tells viewers how to turn it back.
orient() {  # source orientation output
  # shellcheck disable=SC2086  # the turn is one or two words
  convert "$1" ${turns[$2]} -quality 90 untagged.jpg
  exif --create-exif --ifd=0 --tag=Orientation --set-value="$2" --output="$3" untagged.jpg >/dev/null
}
turns=(["1"]=-noop ["2"]=-flop ["3"]="-rotate 180" ["4"]=-flip ["5"]=-transpose ["6"]="-rotate -90"
  ["7"]=-transverse ["8"]="-rotate 90" ["9"]=-noop)
for o in 1 2 3 4 5 6 7 8; do
  orient photo.ppm "$o" "jpeg-orientation-$o.jpg"
  orient small.ppm "$o" "jpeg-small-orientation-$o.jpg"
done
# A value no camera writes: shown as stored.
orient photo.ppm 9 jpeg-orientation-nonsense.jpg
# The exif tool writes Motorola (big-endian) order; many phones write Intel order.
orient_intel() {  # source orientation output
  # shellcheck disable=SC2086  # the turn is one or two words
  convert "$1" ${turns[$2]} -quality 90 untagged.jpg
  python3 - untagged.jpg "$2" "$3" <<'EOF'
import struct, sys
jpeg = open(sys.argv[1], "rb").read()
# One SHORT in IFD0, its value left-aligned in the entry's four bytes, no next IFD.
tiff = b"II*\0" + struct.pack("<IHHHIHHI", 8, 1, 0x0112, 3, 1, int(sys.argv[2]), 0, 0)
app1 = b"Exif\0\0" + tiff
at = 4 + struct.unpack(">H", jpeg[4:6])[0] if jpeg[2:4] == b"\xff\xe0" else 2  # after JFIF
segment = b"\xff\xe1" + struct.pack(">H", len(app1) + 2) + app1
open(sys.argv[3], "wb").write(jpeg[:at] + segment + jpeg[at:])
EOF
}
orient_intel photo.ppm 6 jpeg-orientation-6-intel.jpg

# Camera previews in the EXIF block, negated so that a test can tell which of the two it got: one
# that matches its photo, one in a photo stored sideways, one that an editor kept when it cropped
# the photo, and one cut short.
convert photo.ppm -resize 320x200! -negate -quality 90 preview.jpg
convert photo.ppm -rotate -90 -resize 200x320! -negate -quality 90 preview-sideways.jpg
head -c "$(($(stat -c %s preview.jpg) * 2 / 3))" preview.jpg >preview-truncated.jpg
convert photo.ppm -crop 1000x1000+300+0 +repage -quality 90 cropped.jpg
with_preview() {  # photo preview output
  exif --create-exif --insert-thumbnail="$2" --output="$3" "$1" >/dev/null
}
with_preview jpeg-baseline-420.jpg preview.jpg jpeg-preview.jpg
with_preview jpeg-orientation-6.jpg preview-sideways.jpg jpeg-preview-orientation-6.jpg
with_preview cropped.jpg preview.jpg jpeg-preview-stale.jpg
with_preview jpeg-baseline-420.jpg preview-truncated.jpg jpeg-preview-truncated.jpg

head -c "$(($(stat -c %s jpeg-baseline-420.jpg) * 2 / 3))" jpeg-baseline-420.jpg >jpeg-truncated.jpg

convert photo.ppm -resize 8200x6100! -quality 85 jpeg-50-megapixel.jpg

convert photo.ppm -resize 900x600 -depth 8 png-8-bit.png
convert photo.ppm -resize 900x600 -depth 16 png-16-bit.png
convert clear.png -colors 64 PNG8:png-palette-transparent.png
convert clear.png -colorspace gray -depth 8 PNG32:png-grey-alpha.png
convert clear.png -colorspace gray -depth 8 -type GrayscaleAlpha png-grey-alpha.png
convert photo.ppm -resize 900x600 -interlace PNG png-interlaced.png

convert photo.ppm -resize 900x600 -type TrueColor BMP3:bmp-24-bit.bmp
convert clear.png -type TrueColorAlpha BMP:bmp-32-bit.bmp
convert photo.ppm -resize 900x600 -colors 200 -type Palette BMP3:bmp-8-bit-palette.bmp

rm -f photo.ppm small.ppm clear.png untagged.jpg preview.jpg preview-sideways.jpg \
  preview-truncated.jpg cropped.jpg
