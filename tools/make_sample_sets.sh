#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Draws the bundled sample picture sets with ImageMagick (and bc) into data/bilder/. Every picture is
# drawn here from scratch (shapes, colours, dice, clock faces, flags), so the sets need no
# download and carry no third-party artwork. The output is committed; run this again only to
# change the sets.
set -euo pipefail
cd "$(dirname "$0")/.."
out=data/bilder
W=512
H=384

rm -rf "$out"/Farben "$out"/Formen "$out"/Würfel "$out"/Uhrzeiten "$out"/Flaggen
mkdir -p "$out"/Farben "$out"/Formen "$out"/Würfel "$out"/Uhrzeiten "$out"/Flaggen

# Colours: each colour with a soft dark rim.
while IFS='|' read -r name colour; do
  convert -size ${W}x${H} "xc:${colour}" \
    \( -size ${W}x${H} "radial-gradient:rgba(0,0,0,0)-rgba(0,0,0,0.35)" \) -composite \
    -strip -quality 90 "$out/Farben/$name.jpg"
done <<'LIST'
Rot|#d62828
Grün|#2a9d3f
Blau|#1d4ed8
Gelb|#f5d000
Orange|#f77f00
Lila|#7b2cbf
Weiß|#f4f4f4
Schwarz|#151515
Türkis|#1abc9c
Rosa|#f4a3c0
LIST

# Shapes: white shapes on a dark blue background.
shape() {  # name, draw command
  convert -size ${W}x${H} xc:'#1b2a41' -fill '#f2f2f2' -stroke '#9ec5ff' -strokewidth 6 \
    -draw "$2" -strip "$out/Formen/$1.png"
}
shape Kreis "circle 256,192 256,62"
shape Quadrat "rectangle 141,77 371,307"
shape Dreieck "polygon 256,52 396,312 116,312"
shape Raute "polygon 256,42 376,192 256,342 136,192"
shape Fünfeck "polygon 256,52 389,149 338,306 174,306 123,149"
shape Sechseck "polygon 186,70 326,70 396,192 326,314 186,314 116,192"
shape Stern "polygon 256,42 291,150 405,150 313,217 348,325 256,258 164,325 199,217 107,150 221,150"
shape Kreuz "polygon 216,52 296,52 296,152 396,152 396,232 296,232 296,332 216,332 216,232 116,232 116,152 216,152"
shape Pfeil "polygon 96,162 286,162 286,92 416,192 286,292 286,222 96,222"

# Dice: two dice whose eyes add up to the answer.
pips() {  # value, left x of the die -> draw commands for its eyes
  local v=$1 x=$2 y=112 s=160 r=14 d=""
  local l=$((x + 40)) c=$((x + 80)) rr=$((x + 120)) t=$((y + 40)) m=$((y + 80)) b=$((y + 120))
  dot() { d="$d circle $1,$2 $(( $1 + r )),$2"; }
  case $v in
    1) dot $c $m ;;
    2) dot $l $t; dot $rr $b ;;
    3) dot $l $t; dot $c $m; dot $rr $b ;;
    4) dot $l $t; dot $rr $t; dot $l $b; dot $rr $b ;;
    5) dot $l $t; dot $rr $t; dot $c $m; dot $l $b; dot $rr $b ;;
    6) dot $l $t; dot $rr $t; dot $l $m; dot $rr $m; dot $l $b; dot $rr $b ;;
  esac
  echo "$d"
  : "$s"
}
dice() {  # name, first, second
  convert -size ${W}x${H} xc:'#0f5132' \
    -fill '#fafafa' -stroke '#333333' -strokewidth 4 \
    -draw "roundrectangle 56,112 216,272 22,22" -draw "roundrectangle 296,112 456,272 22,22" \
    -fill '#202020' -stroke none -draw "$(pips "$2" 56)" -draw "$(pips "$3" 296)" \
    -strip "$out/Würfel/$1.png"
}
dice Zwei 1 1
dice Drei 1 2
dice Vier 3 1
dice Fünf 2 3
dice Sechs 4 2
dice Sieben 3 4
dice Acht 6 2
dice Neun 4 5
dice Zehn 5 5
dice Elf 6 5
dice Zwölf 6 6

# Clock faces: the hour hand moves on with the minutes, as on a real clock.
clock() {  # name, hours, minutes
  local h=$2 m=$3
  local ma hm mx my hx hy
  ma=$(echo "$m * 6" | bc -l)
  hm=$(echo "($h % 12) * 30 + $m * 0.5" | bc -l)
  mx=$(printf '%.0f' "$(echo "256 + 130 * s($ma * 3.14159265 / 180)" | bc -l)")
  my=$(printf '%.0f' "$(echo "192 - 130 * c($ma * 3.14159265 / 180)" | bc -l)")
  hx=$(printf '%.0f' "$(echo "256 + 85 * s($hm * 3.14159265 / 180)" | bc -l)")
  hy=$(printf '%.0f' "$(echo "192 - 85 * c($hm * 3.14159265 / 180)" | bc -l)")
  local ticks=""
  for i in $(seq 0 11); do
    local a x1 y1 x2 y2
    a=$(echo "$i * 30 * 3.14159265 / 180" | bc -l)
    x1=$(printf '%.0f' "$(echo "256 + 150 * s($a)" | bc -l)")
    y1=$(printf '%.0f' "$(echo "192 - 150 * c($a)" | bc -l)")
    x2=$(printf '%.0f' "$(echo "256 + 170 * s($a)" | bc -l)")
    y2=$(printf '%.0f' "$(echo "192 - 170 * c($a)" | bc -l)")
    ticks="$ticks line $x1,$y1 $x2,$y2"
  done
  convert -size ${W}x${H} xc:'#e9e4d8' \
    -fill '#fffdf6' -stroke '#3b3b3b' -strokewidth 8 -draw "circle 256,192 256,10" \
    -strokewidth 8 -draw "$ticks" \
    -stroke '#1f1f1f' -strokewidth 14 -draw "line 256,192 $hx,$hy" \
    -stroke '#444444' -strokewidth 7 -draw "line 256,192 $mx,$my" \
    -fill '#c0392b' -stroke none -draw "circle 256,192 266,192" \
    -strip "$out/Uhrzeiten/$1.png"
}
clock "Drei Uhr" 3 0
clock "Sechs Uhr" 6 0
clock "Neun Uhr" 9 0
clock "Zwölf Uhr" 12 0
clock "Halb Zwei" 1 30
clock "Halb Fünf" 4 30
clock "Viertel nach Acht" 8 15
clock "Viertel vor Elf" 10 45

# Flags: three stripes, or a cross, or a disc.
across() {  # name, top, middle, bottom
  convert -size ${W}x128 xc:"$2" -size ${W}x128 xc:"$3" -size ${W}x128 xc:"$4" -append \
    -strip "$out/Flaggen/$1.png"
}
down() {  # name, left, middle, right
  convert -size 171x${H} xc:"$2" -size 170x${H} xc:"$3" -size 171x${H} xc:"$4" +append \
    -strip "$out/Flaggen/$1.png"
}
across Deutschland '#000000' '#dd0000' '#ffce00'
across Österreich '#c8102e' '#ffffff' '#c8102e'
across Niederlande '#ae1c28' '#ffffff' '#21468b'
across Ungarn '#ce2939' '#ffffff' '#477050'
down Frankreich '#0055a4' '#ffffff' '#ef4135'
down Italien '#009246' '#ffffff' '#ce2b37'
down Belgien '#000000' '#fdda24' '#ef3340'
down Irland '#169b62' '#ffffff' '#ff883e'
convert -size ${W}x192 xc:'#ffffff' -size ${W}x192 xc:'#dc143c' -append -strip "$out/Flaggen/Polen.png"
convert -size ${W}x${H} xc:'#ffffff' -fill '#bc002d' -draw "circle 256,192 256,77" -strip "$out/Flaggen/Japan.png"
convert -size ${W}x${H} xc:'#006aa7' -fill '#fecc00' \
  -draw "rectangle 144,0 208,384" -draw "rectangle 0,160 512,224" -strip "$out/Flaggen/Schweden.png"
convert -size ${W}x${H} xc:'#c8102e' -fill '#ffffff' \
  -draw "rectangle 144,0 200,384" -draw "rectangle 0,164 512,220" -strip "$out/Flaggen/Dänemark.png"

echo "Sample sets written to $out:"
for set in "$out"/*/; do echo "  $(basename "$set"): $(ls "$set" | wc -l) pictures"; done
