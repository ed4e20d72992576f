#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The set-up scripts' own logic: the README table written from a fresh-root
# run's figures (and refused for an incomplete or failed run), the step
# times kept for the next run, and the German line for a build/ that belongs
# to someone else.
#
#   setup_scripts_test.sh SOURCE-DIR
set -uo pipefail
source_dir=$1
failures=0
checks=0
expect() {
  checks=$((checks + 1))
  if [ "$2" != "$3" ]; then
    failures=$((failures + 1))
    printf 'FEHLER %s\n  erwartet: %q\n  erhalten: %q\n' "$1" "$2" "$3"
  fi
}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# ---------------------------------------------------------------- readme-figures
cat >"$work/figures.tsv" <<'FIGURES'
base_mb	130
cores	2
date	2026-12-09
user_hint_lines	1
user_hint_status	1
user_hint_wall_s	0.4
run_named	2
run_named_list	g++ cmake
run_all	222
run_download	171 MB
run_installed	719 MB
run_lists_mb	80
run_archives_mb	165
run_disk_mb	900
run_wall_s	142
run_cpu_s	61
build_wall_s	139.4
build_cpu_s	82
build_release_mb	8
build_lines	4
again_wall_s	1
readme_build_wall_s	150
readme_build_cpu_s	90
install-readme_files	17
test_named	7
test_all	16
test_download	1,234 kB
test_installed	6,144 kB
test_builds_mb	940
test_wall_s	902
test_cpu_s	1500
test_build_s	240
test_run_s	230
sanitize_build_s	300
sanitize_run_s	120
test_count	388
sanitize_count	384
check_named	0
check_named_list	
lint_named	1
lint_named_list	clang-tidy
lint_all	14
lint_download	50 MB
lint_installed	267 MB
shots_named	2
shots_named_list	xvfb imagemagick
shots_all	40
shots_download	20 MB
shots_installed	80 MB
load_min	2.1
load_max	3.6
tests_run	true
failures	0
FIGURES
begin='<!-- set-up figures: written by scripts/readme-figures -->'
end='<!-- end of set-up figures -->'
printf '# Title\n\nbefore\n%s\nold table\n%s\nafter\n' "$begin" "$end" >"$work/README.md"

figures() { "$source_dir/scripts/readme-figures" --figures "$1" --readme "$work/README.md" "${@:2}" >/dev/null 2>"$work/err"; }
figures "$work/figures.tsv"
expect "Tabelle geschrieben: Status" 0 $?
readme=$(cat "$work/README.md")
row() { grep -F -- "$1" <<<"$readme" | head -n 1; }
rows=(
  "| that command as root@@| that command as root (\`scripts/install-dependencies run\`) | 2 named (g++, cmake), 222 in all | 171 MB | 719 MB installed, 80 MB package lists, 165 MB apt's package cache | 2 min 22 s (processor 1 min 01 s) |"
  "| \`scripts/start\` again@@| \`scripts/start\` again as the user | none | none | \`build/release\` 8 MB | 2 min 19 s (processor 1 min 22 s), 4 progress lines, then the German line and the report |"
  "| \`scripts/test\` as@@| \`scripts/test\` as the user, after root ran \`scripts/install-dependencies test\` | 7 named, 16 in all | 1,234 kB | 6,144 kB installed, \`build/test\` and \`build/sanitize\` 940 MB | 15 min 02 s (processor 25 min 00 s): build 4 min 00 s, 388 tests 3 min 50 s, sanitizer build 5 min 00 s, 384 sanitizer tests 2 min 00 s |"
  "| \`scripts/package\`@@| \`scripts/package\` (counted, not run) | none missing | — | — | — |"
  "| \`scripts/lint\`@@| \`scripts/lint\` (counted, not run) | 1 named (clang-tidy), 14 in all | 50 MB | 267 MB installed | — |"
)
for case in "${rows[@]}"; do
  expect "Zeile ${case%%@@*}" "${case#*@@}" "$(row "${case%%@@*}")"
done
expect "Last im Vorspann" 1 "$(grep -c '^2.1 to 3.6); the processor times' <<<"$readme")"
expect "Text vor und nach den Marken bleibt" "# Title||before||after" \
  "$(sed -n '1p;3p;$p' "$work/README.md" | paste -sd'|' | sed 's/|/||/g')"
expect "alte Tabelle ersetzt" 0 "$(grep -c 'old table' "$work/README.md")"
figures "$work/figures.tsv"
expect "ein zweiter Lauf ändert nichts" "$readme" "$(cat "$work/README.md")"

# Runs whose figures must not reach the README: the README stays as it is.
refused=(
  "failures|1|fehlgeschlagene Prüfungen"
  "tests_run|false|ohne Tests"
  "run_all||fehlen Zahlen: run_all"
)
for case in "${refused[@]}"; do
  IFS='|' read -r key value message <<<"$case"
  awk -F'\t' -v OFS='\t' -v key="$key" -v value="$value" '$1 == key { $2 = value } { print }' \
    "$work/figures.tsv" >"$work/bad.tsv"
  figures "$work/bad.tsv"
  expect "$key=$value: Status" 1 $?
  expect "$key=$value: Meldung" 1 "$(grep -c "$message" "$work/err")"
  expect "$key=$value: README unverändert" "$readme" "$(cat "$work/README.md")"
done
awk -F'\t' -v OFS='\t' '$1 == "tests_run" { $2 = "false" } { print }' "$work/figures.tsv" >"$work/partial.tsv"
figures "$work/partial.tsv" --partial
expect "--partial: Status" 0 $?
expect "--partial: Testzeile ohne Zahlen" 1 "$(grep -c '^| `scripts/test` | not measured in this run' "$work/README.md")"
printf 'no markers\n' >"$work/README.md"
figures "$work/figures.tsv"
expect "README ohne Marken: Status" 1 $?

# ---------------------------------------------------------------- step times
(
  failures=0
  cd "$work" || exit 1
  mkdir -p build
  source "$source_dir/scripts/lib/setup-log.sh"
  trap - EXIT
  for case in "0|0 s" "59|59 s" "60|1 min 00 s" "3725|62 min 05 s"; do
    expect "format_duration ${case%%|*}" "${case#*|}" "$(format_duration "${case%%|*}")"
  done
  expect "ohne früheren Lauf keine Dauer" "" "$(last_duration "Tests laufen")"
  remember_duration "Tests laufen" 200
  remember_duration "Tests werden gebaut (Protokoll: x)" 90
  remember_duration "Tests laufen" 230
  expect "die neueste Dauer gilt" 230 "$(last_duration "Tests laufen")"
  expect "andere Schritte bleiben" 90 "$(last_duration "Tests werden gebaut (Protokoll: x)")"
  expect "eine Zeile je Schritt" 2 "$(wc -l <build/step-times.txt)"
  expect "Zeile mit der letzten Dauer" "Tempulo: Tests laufen (zuletzt 3 min 50 s) … " "$(step_line "Tests laufen")"
  exit "$failures"
)
sub_failures=$?
failures=$((failures + sub_failures))
checks=$((checks + 9))

# ---------------------------------------------------------------- build/ of someone else
# Needs root to hand a file to another user; elsewhere the case is skipped.
if [ "$(id -u)" -eq 0 ] && command -v runuser >/dev/null && id nobody >/dev/null 2>&1; then
  tree=$work/tree
  mkdir -p "$tree/scripts/lib" "$tree/build/release"
  cp "$source_dir/scripts/lib/setup-log.sh" "$tree/scripts/lib/"
  printf '#!/usr/bin/env bash\ncd "$(dirname "$0")/.."\nsource scripts/lib/setup-log.sh\nexport TEMPULO_CALLER=scripts/start\nbuild_must_be_writable release\necho geschrieben >build/setup.log\n' \
    >"$tree/scripts/start"
  chmod 755 "$tree/scripts/start"
  chmod 755 "$work"
  chown -R nobody "$tree"
  chown root "$tree/build/release"
  group=$(id -gn nobody)
  runuser -u nobody -- "$tree/scripts/start" >"$work/out" 2>"$work/err"
  expect "fremdes build/: Status" 1 $?
  expect "fremdes build/: eine Zeile" \
    "Tempulo: $tree/build/release gehört root, nicht nobody. Bitte als root ausführen: chown -R nobody:$group $tree/build – danach noch einmal scripts/start." \
    "$(cat "$work/err")"
  expect "fremdes build/: nichts geschrieben" "" "$(ls "$tree/build" | grep -v release)"
  chown -R nobody "$tree/build"
  runuser -u nobody -- "$tree/scripts/start" >"$work/out" 2>"$work/err"
  expect "nach dem chown: Status" 0 $?
  # Root working in the user's tree hands build/ back on exit.
  (cd "$tree" && bash -c 'source scripts/lib/setup-log.sh; mkdir -p build/test; touch build/test/x')
  expect "root in fremdem Baum: build/ gehört danach dem Besitzer" "" "$(find "$tree/build" ! -user nobody)"
else
  echo "(übersprungen: fremdes build/ braucht root und den Benutzer nobody)"
fi

echo "$((checks - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
