#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Messy picture folders: missing, odd names, huge counts, broken pictures. The game lists what it
# can, plays what loads, skips the rest with a warning, and never crashes or hangs.
source "$(dirname "$0")/lib.sh"

bilder="$work/bilder"
play_set=""          # set name whose game is played to the end with the answer "Hund"
expect_table=""      # table name expected in game.dat afterwards
expect_warning=""    # log line expected

# A set holding one broken "picture" besides nothing else: the game cannot start with it.
broken_set() {  # how to make Kaputt/Hund.<ext>, given as a command
  mkdir -p "$bilder/Kaputt"
  "$@"
}

# A PNG whose header claims 20000 x 20000 pixels, followed by only a little picture data.
huge_header_png() {
  python3 - "$1" <<'EOF'
import struct, sys, zlib
def chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
header = struct.pack(">IIBBBBB", 20000, 20000, 8, 2, 0, 0, 0)
rows = zlib.compress(b"\0" + b"\x80" * 60000 * 3)
with open(sys.argv[1], "wb") as out:
    out.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", rows) + chunk(b"IEND", b""))
EOF
}

case "$robust_case" in
  missing) rmdir "$bilder"; expect_warning="bilder" ;;
  empty) ;;
  file-not-folder) rmdir "$bilder"; echo "kein Ordner" >"$bilder"; expect_warning="bilder" ;;
  many-sets)
    make_picture "$scratch/one.png" 160x120
    for n in $(seq -w 1 200); do
      mkdir "$bilder/Satz $n"
      cp "$scratch/one.png" "$bilder/Satz $n/Hund.png"
    done
    ;;
  many-pictures)
    make_picture "$scratch/one.png" 160x120
    mkdir "$bilder/Viele"
    for n in $(seq -w 1 3000); do cp "$scratch/one.png" "$bilder/Viele/Bild$n.png"; done
    ;;
  name-umlauts) play_set="Äpfel und Öl über Straße"; expect_table=$play_set ;;
  name-blanks) play_set="  zwei   Leerzeichen  "; expect_table=$play_set ;;
  name-emoji) play_set="Tiere 🐶🐱"; expect_table=$play_set ;;
  name-250-bytes) play_set=$(printf 'L%.0s' $(seq 250)); expect_table=$play_set ;;
  name-dot) play_set="Urlaub.2009"; expect_table="Urlaub" ;;
  name-line-break) play_set=$'Zeilen\nUmbruch\r'; expect_table="Zeilen Umbruch " ;;
  picture-1x1) play_set="Klein" ;;
  picture-truncated-jpeg) play_set="Abgeschnitten" ;;
  picture-not-an-image)
    broken_set sh -c "echo 'Das ist Text.' >'$bilder/Kaputt/Hund.jpg'"
    expect_warning="Hund.jpg|_tmpFilePexaro"
    ;;
  picture-zero-bytes) broken_set touch "$bilder/Kaputt/Hund.png"; expect_warning="_tmpFilePexaro" ;;
  picture-truncated-png)
    make_picture "$scratch/whole.png" 640x480 plasma:
    broken_set sh -c "head -c 2000 '$scratch/whole.png' >'$bilder/Kaputt/Hund.png'"
    expect_warning="_tmpFilePexaro"
    ;;
  picture-huge-header) broken_set huge_header_png "$bilder/Kaputt/Hund.png"; expect_warning="_tmpFilePexaro" ;;
  picture-unreadable)
    broken_set make_picture "$bilder/Kaputt/Hund.png"
    chmod 000 "$bilder/Kaputt/Hund.png"
    expect_warning="Hund.png"
    ;;
  picture-link-loop)
    broken_set ln -s Katze.png "$bilder/Kaputt/Hund.png"
    ln -s Hund.png "$bilder/Kaputt/Katze.png"
    ;;
  picture-folder) broken_set mkdir "$bilder/Kaputt/Hund.png" ;;
  set-unreadable)
    make_picture "$bilder/Gesperrt/Hund.png"
    chmod 000 "$bilder/Gesperrt"
    expect_warning="Fehler beim Initialisieren des Spieles"
    ;;
  set-deleted) make_picture "$bilder/Weg/Hund.png"; expect_warning="Fehler beim Initialisieren des Spieles" ;;
  *) fail "unknown case" ;;
esac

if [[ -n "$play_set" ]]; then
  case "$robust_case" in
    picture-1x1) make_picture "$bilder/$play_set/Hund.png" 1x1 ;;
    picture-truncated-jpeg)
      make_picture "$scratch/whole.jpg" 800x600 plasma:
      mkdir -p "$bilder/$play_set"
      head -c "$(($(stat -c %s "$scratch/whole.jpg") / 2))" "$scratch/whole.jpg" >"$bilder/$play_set/Hund.jpg"
      ;;
    *) make_picture "$bilder/$play_set/Hund.png" ;;
  esac
fi

start_game
wait_for_game_window
wait_for_log "Menü geöffnet"

case "$robust_case" in
  many-sets)
    # To the last of 50 pages, then its first set, "Satz 197".
    for _ in $(seq 49); do click next_page_button; done
    play_set="Satz 197"
    expect_table=$play_set
    ;;
  many-pictures)
    play_first_set
    expect_blue_picture picture_middle
    click game_quit_button
    pause 1.5
    ;;
  picture-* | missing | empty | file-not-folder)
    # Nothing playable: "Spiel starten" leaves the menu where it is.
    [[ -n "$play_set" ]] || start_first_set
    ;;
  set-*)
    # Listed when the menu opened, unreadable when chosen: the menu stays and lists again.
    if [[ "$robust_case" == set-deleted ]]; then rm -rf "$bilder/Weg"; fi
    start_first_set
    kill -0 "$game_pid" 2>/dev/null || fail "the game ended instead of staying in the menu"
    expect_log "Verzeichnisses bilder//(Gesperrt|Weg) ist fehlerhaft"
    ;;
esac

if [[ -n "$play_set" ]]; then
  play_first_set
  answer "Hund"
  wait_for_file "$work/game.dat" $((20 * slow)) || fail "the game's total was not saved"
  tables=$(gamedat_show)
  if [[ -n "$expect_table" ]]; then
    grep -qxF "{(Vorlatec)|HighscoreGameName}$expect_table" <<<"$tables" ||
      fail "no table \"$expect_table\" in game.dat: $tables"
  fi
  grep -qx "Spieler 1?10" <<<"$tables" || fail "the total 10 was not entered: $tables"
fi

quit_from_menu
[[ -z "$expect_warning" ]] || expect_log "^Warn .*($expect_warning)"
[[ "$robust_case" != file-not-folder ]] || [[ $(cat "$bilder") == "kein Ordner" ]] ||
  fail "the file named bilder was changed"
expect_tidy
echo "bilder $robust_case: ok"
