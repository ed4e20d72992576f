#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# cmake --install of this build and its uninstall.cmake: every file lands,
# the uninstall removes the files and exactly the folders the installs made
# (one that was there before stays, with what else it holds), installing
# twice changes nothing for the uninstall, and a prefix the user may not
# write ends the install before anything is copied.
#
#   install_uninstall_test.sh BINARY-DIR
set -uo pipefail
build=$1
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
# The manifest and folder list belong to the build; the test leaves none.
trap 'rm -rf "$work"; rm -f "$build/install_manifest.txt" "$build/install_directories.txt"' EXIT
listing() { (cd "$1" 2>/dev/null && find . | sort); }
install_to() { cmake --install "$build" --prefix "$1" >/dev/null 2>"$work/err"; }
uninstall() { cmake -P "$build/uninstall.cmake" >/dev/null 2>"$work/err"; }

# case: NAME | folders made before the install | files placed before it
cases=(
  "neues Präfix||"
  "Präfix mit eigenem man1|share/man/man1 bin|share/man/man1/other.1.gz"
  "Präfix mit leerem share|share|"
)
for case in "${cases[@]}"; do
  IFS='|' read -r name dirs files <<<"$case"
  prefix=$work/$RANDOM/prefix
  mkdir -p "$(dirname "$prefix")"
  for dir in $dirs; do mkdir -p "$prefix/$dir"; done
  for file in $files; do echo x >"$prefix/$file"; done
  before=$(listing "$prefix")
  install_to "$prefix"
  expect "$name: Status" 0 $?
  expect "$name: installierte Dateien wie im Manifest" "$(grep -c . "$build/install_manifest.txt")" \
    "$(cd "$prefix" && find . -type f ! -name other.1.gz | wc -l)"
  install_to "$prefix"
  expect "$name: zweites Installieren, Status" 0 $?
  uninstall
  expect "$name: uninstall, Status" 0 $?
  expect "$name: danach wie vorher" "$before" "$(listing "$prefix")"
  expect "$name: Manifest und Ordnerliste entfernt" "" "$(ls "$build"/install_manifest.txt "$build"/install_directories.txt 2>/dev/null)"
done

uninstall
expect "uninstall ohne Installation: Status" 1 $?
expect "uninstall ohne Installation: Meldung" 1 "$(grep -c 'keine Installation aus diesem Build' "$work/err")"

# A prefix the user may not write: needs root to run as another user.
if [ "$(id -u)" -eq 0 ] && command -v runuser >/dev/null && id nobody >/dev/null 2>&1; then
  mkdir -p "$work/system"
  chmod 755 "$work"
  runuser -u nobody -- cmake --install "$build" --prefix "$work/system/local" >/dev/null 2>"$work/err"
  expect "fremdes Präfix: Status" 1 $?
  expect "fremdes Präfix: deutsche Meldung mit dem Ordner" 1 "$(grep -c "$work/system\$" "$work/err")"
  expect "fremdes Präfix: nichts angelegt" "" "$(ls "$work/system")"
  expect "fremdes Präfix: kein Manifest" "" "$(ls "$build"/install_manifest.txt 2>/dev/null)"
else
  echo "(übersprungen: ein fremdes Präfix braucht root und den Benutzer nobody)"
fi

echo "$((checks - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
