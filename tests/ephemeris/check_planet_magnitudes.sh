#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs astronomy-engine from the npm registry into BUILD/npm (tests only;
# nothing of it goes into the program) and compares the planets' magnitudes.
#   check_planet_magnitudes.sh SOURCE-DIR BUILD-DIR DUMP-BINARY [STEP]
set -eu
src=$1 build=$2 dump=$3
mkdir -p "$build/npm"
cd "$build/npm"
[ -f package.json ] || npm init -y >/dev/null
[ -d node_modules/astronomy-engine ] || npm install --no-audit --no-fund astronomy-engine@2.1.19 >/dev/null
exec node "$src/tests/ephemeris/check_planet_magnitudes.mjs" "$build/npm/node_modules" "$dump" ${4:-37}
