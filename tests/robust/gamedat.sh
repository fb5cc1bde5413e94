#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Bad or unwritable game.dat: a game is played to its end, and afterwards every table that could
# be read is still there, what could not be read is kept as a copy, and a save that cannot
# happen is logged while the old file stays as it was.
source "$(dirname "$0")/lib.sh"

make_picture "$work/bilder/Tiere/Hund.png"
save="$work/game.dat"
marker="{(Vorlatec)|HighscoreGameName}"

write_tables() {  # lines on standard input, written with the game's key
  "$gamedat" write "$save"
}

# Plain lines scrambled with another key, the way the game scrambles with its own.
write_with_other_key() {
  python3 -c '
import sys
key = b"ein anderer Schluessel"
plain = sys.stdin.buffer.read().rstrip(b"\n")
sys.stdout.buffer.write(bytes(b ^ key[i % len(key)] for i, b in enumerate(plain)))' >"$save"
}

tables_of_sets() {  # count
  printf '{(Vorlatec)|Playername}\nCleo\n'
  for n in $(seq "$1"); do
    printf '{(Vorlatec)|Highscore}\n%sSatz %s\nAnna?%s\nBen?%s\n' "$marker" "$n" $((n % 90 + 10)) $((n % 7))
  done
}

player="Cleo"        # the name stored in game.dat comes back into the name field
saved_expected=yes   # the new total reaches game.dat
kept_copy=no         # the unreadable original is kept as game.dat.beschaedigt-1
tables_expected=1    # tables in game.dat afterwards
case "$robust_case" in
  missing) player="Spieler 1" ;;
  empty) : >"$save"; kept_copy=yes; player="Spieler 1" ;;
  random-bytes) head -c 4096 /dev/urandom >"$save"; kept_copy=yes; player="Spieler 1" ;;
  truncated)
    tables_of_sets 3 | write_tables
    # Cut inside the third table's first row: that table is kept in the copy, the first two
    # stay readable.
    cut_at=$(($(stat -c %s "$save") - 10))
    head -c "$cut_at" "$save" >"$scratch/cut" && mv "$scratch/cut" "$save"
    tables_expected=3
    kept_copy=yes
    ;;
  other-key) tables_of_sets 3 | write_with_other_key; kept_copy=yes; player="Spieler 1" ;;
  no-markers) printf '{(Vorlatec)|Playername}\nCleo\nAnna?57\nBen?3\n' | write_tables; kept_copy=yes ;;
  500-tables) tables_of_sets 500 | write_tables; tables_expected=501 ;;
  long-name)
    {
      printf '{(Vorlatec)|Playername}\nCleo\n{(Vorlatec)|Highscore}\n%sTiere\n' "$marker"
      printf '%s?50\n' "$(printf 'Langer Name %.0s' $(seq 850))"
    } | write_tables
    ;;
  read-only-file)
    tables_of_sets 2 | write_tables
    chmod 444 "$save"
    saved_expected=no
    ;;
  read-only-folder)
    tables_of_sets 2 | write_tables
    chmod 555 "$work"
    saved_expected=no
    ;;
  full-disk)
    tables_of_sets 500 | write_tables
    saved_expected=no
    ;;
  linked)
    # Kept in a synchronised folder: the save must go there, and the link stay.
    mkdir "$work/sync"
    tables_of_sets 2 | "$gamedat" write "$work/sync/game.dat"
    ln -s sync/game.dat "$save"
    tables_expected=3
    ;;
  *) fail "unknown case" ;;
esac
[[ -e "$save" ]] && cp -p "$save" "$scratch/before"

if [[ "$robust_case" == full-disk ]]; then
  # At most 20 KB per written file, far less than the game.dat of 500 tables.
  start_game ulimit -f 20
else
  start_game
fi
wait_for_game_window
wait_for_log "Menü geöffnet"
play_first_set
answer "Hund"
for _ in $(seq $((30 * slow))); do
  grep -q '| SAVE$' "$log" && break
  sleep 0.5
done
expect_log '\| SAVE$'
pause 1
quit_from_menu

if [[ $saved_expected == yes ]]; then
  tables=$(gamedat_show)
  grep -qxF "${marker}Tiere" <<<"$tables" || fail "no table for the set played"
  grep -qxF "$player?10" <<<"$tables" || fail "the total of $player was not entered: $(tail -n 4 <<<"$tables")"
  count=$(grep -c "^{(Vorlatec)|HighscoreGameName}" <<<"$tables")
  [[ $count -eq $tables_expected ]] || fail "$count tables in game.dat, expected $tables_expected"
  case "$robust_case" in
    truncated | 500-tables)
      grep -qxF "${marker}Satz 2" <<<"$tables" && grep -qx "Anna?12" <<<"$tables" ||
        fail "a readable table was lost"
      ;;
    long-name)
      [[ $(grep -c '^Langer Name' <<<"$tables") -eq 1 ]] || fail "the long name was lost"
      ;;
  esac
else
  cmp -s "$save" "$scratch/before" || fail "game.dat was changed although it could not be saved"
  expect_log "^Warn .*game\.dat"
  if compgen -G "$work/game.dat.*" >/dev/null; then fail "a partial file was left behind"; fi
fi
if [[ "$robust_case" == linked ]]; then
  [[ -L "$save" && $(readlink "$save") == sync/game.dat ]] || fail "the link game.dat was replaced"
fi
if [[ $kept_copy == yes ]]; then
  cmp -s "$work/game.dat.beschaedigt-1" "$scratch/before" || fail "the unreadable original was not kept"
  expect_log "^Warn .*game\.dat (ist|war) beschädigt"
fi
expect_tidy
echo "game.dat $robust_case: ok"
