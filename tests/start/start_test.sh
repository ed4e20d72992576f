#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# scripts/start and the window program's command line, on the programs of one
# build: the fallback to the report when no display can be opened (none set,
# or one that nothing answers), the arguments reaching the window and the
# report, and the window's --help, --version and date errors, which need no
# display.
#
#   start_test.sh SOURCE-DIR BINARY-DIR VERSION
set -uo pipefail
source_dir=$1
bin=$2
version=$3
failures=0
checks=0

# expect NAME EXPECTED ACTUAL
expect() {
  checks=$((checks + 1))
  if [ "$2" != "$3" ]; then
    failures=$((failures + 1))
    printf 'FEHLER %s\n  erwartet: %q\n  erhalten: %q\n' "$1" "$2" "$3"
  fi
}

# A display number with no server behind it (other X servers may run here).
free_display=""
for n in $(seq 187 250); do
  if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
    free_display=":$n"
    break
  fi
done
[ -n "$free_display" ] || { echo "Keine freie Anzeigenummer gefunden."; exit 1; }

out=$(mktemp)
err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT

# run [VAR=value...] -- COMMAND...: status, stdout and stderr of one run, in an
# environment without any display unless one is given.
run() {
  local assignments=()
  while [ "$1" != "--" ]; do
    assignments+=("$1")
    shift
  done
  shift
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u TEMPULO_QUIT_AFTER_FIRST_PAINT \
    TEMPULO_START_BINARIES="$bin" "${assignments[@]}" "$@" >"$out" 2>"$err" </dev/null
  status=$?
}
start=("$source_dir/scripts/start")

# --- the fallback: which German line, and the report with the arguments.
fallback_cases=(
  "|Keine grafische Anzeige vorhanden – hier ist der heutige Bericht von tempulo-report:"
  "DISPLAY=$free_display|Die grafische Anzeige DISPLAY=$free_display lässt sich nicht öffnen – hier ist der heutige Bericht von tempulo-report:"
  "WAYLAND_DISPLAY=tempulo-none|Die grafische Anzeige lässt sich nicht öffnen – hier ist der heutige Bericht von tempulo-report:"
)
for case in "${fallback_cases[@]}"; do
  display=${case%%|*}
  line=${case#*|}
  assignments=()
  [ -n "$display" ] && assignments=("$display")
  # today's report, once with no arguments and once with a date
  run "${assignments[@]}" -- "${start[@]}"
  expect "[$display] Status ohne Argumente" 0 "$status"
  expect "[$display] erste Zeile" "$line" "$(head -n 1 "$out")"
  today=$("$bin/tempulo-report" | head -n 1)
  expect "[$display] der heutige Bericht" "$today" "$(sed -n 2p "$out")"

  run "${assignments[@]}" -- "${start[@]}" --date 2000-01-01
  expect "[$display] Status mit --date" 0 "$status"
  expect "[$display] erste Zeile mit --date" "${line/der heutige Bericht/der Bericht}" "$(head -n 1 "$out")"
  expect "[$display] --date erreicht den Bericht" "$(printf 'Datum\t1.Januar 2000')" "$(sed -n 2p "$out")"
  expect "[$display] Zeilen des Berichts" "$("$bin/tempulo-report" --date 2000-01-01 | wc -l)" \
    "$(($(wc -l <"$out") - 1))"

  run "${assignments[@]}" -- "${start[@]}" --date 2000-13-01
  expect "[$display] falsches Datum: Status des Berichts" 2 "$status"
  expect "[$display] falsches Datum: Meldung" "tempulo-report: Den Monat 13 gibt es nicht." "$(cat "$err")"
done

# --- with a display the arguments reach the window, and nothing falls back.
run QT_QPA_PLATFORM=offscreen TEMPULO_QUIT_AFTER_FIRST_PAINT=1 -- "${start[@]}" --date 2000-01-01
expect "Fenster mit --date: Status" 0 "$status"
expect "Fenster mit --date: kein Bericht" "" "$(cat "$out")"
run QT_QPA_PLATFORM=offscreen -- "${start[@]}" --version
expect "Fenster --version über scripts/start" "Tempulo $version" "$(cat "$out")"
run QT_QPA_PLATFORM=offscreen -- "${start[@]}" --days 3
expect "Fenster kennt --days nicht: Status" 2 "$status"
expect "Fenster kennt --days nicht: Meldung" 'Unbekannte Angabe "--days" (Hilfe: tempulo --help).' "$(cat "$err")"

# --- the window program itself, without any display.
run -- "$bin/tempulo" --version
expect "tempulo --version" "0|Tempulo $version|" "$status|$(cat "$out")|$(cat "$err")"
for help in --help -h; do
  run -- "$bin/tempulo" "$help"
  expect "tempulo $help: Status" 0 "$status"
  expect "tempulo $help: erste Zeile" "Aufruf: tempulo [--date JJJJ-MM-TT]" "$(head -n 1 "$out")"
  expect "tempulo $help: nennt --date" 1 "$(grep -c -- '^  --date JJJJ-MM-TT' "$out")"
done
window_errors=(
  "--date 2000-02-30|Den 30. Februar 2000 gibt es nicht."
  "--date|Nach --date fehlt das Datum."
  "--frobnicate|Unbekannte Angabe \"--frobnicate\" (Hilfe: tempulo --help)."
  "2000-01-01|Unbekannte Angabe \"2000-01-01\" (Hilfe: tempulo --help)."
)
for case in "${window_errors[@]}"; do
  read -r -a arguments <<<"${case%%|*}"
  run -- "$bin/tempulo" "${arguments[@]}"
  expect "tempulo ${case%%|*}" "2||${case#*|}" "$status|$(cat "$out")|$(cat "$err")"
done

# An unreachable display: a German line and status 3, not the toolkit's abort.
run DISPLAY="$free_display" -- "$bin/tempulo"
expect "tempulo ohne erreichbare Anzeige: Status" 3 "$status"
expect "tempulo ohne erreichbare Anzeige: Meldung" \
  "Die grafische Anzeige lässt sich nicht öffnen (DISPLAY=$free_display)." "$(tail -n 1 "$err")"
run DISPLAY="$free_display" -- "$bin/tempulo" --check-display
expect "tempulo --check-display ohne Anzeige" 3 "$status"
run QT_QPA_PLATFORM=offscreen -- "$bin/tempulo" --check-display
expect "tempulo --check-display offscreen" "0|" "$status|$(cat "$out")"

echo "$((checks - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
