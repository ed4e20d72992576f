#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs astronomy-engine from the npm registry into BUILD/npm (tests only;
# nothing of it goes into the program) and compares the planets' magnitudes.
# Without the registry (offline) the check is skipped (status 77).
#   check_planet_magnitudes.sh SOURCE-DIR BUILD-DIR DUMP-BINARY [STEP]
set -eu
src=$1 build=$2 dump=$3
mkdir -p "$build/npm"
cd "$build/npm"
[ -f package.json ] || npm init -y >/dev/null
if [ ! -d node_modules/astronomy-engine ] &&
   ! npm install --no-audit --no-fund astronomy-engine@2.1.19 >/dev/null 2>&1; then
  echo "astronomy-engine could not be installed from the npm registry: check skipped" >&2
  exit 77
fi
exec node "$src/tests/ephemeris/check_planet_magnitudes.mjs" "$build/npm/node_modules" "$dump" ${4:-37}
