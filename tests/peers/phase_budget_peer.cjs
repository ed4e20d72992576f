// SPDX-License-Identifier: GPL-3.0-or-later
// The astronomy-engine side of the phase error budget (phase_budget.py):
//
//   node phase_budget_peer.cjs BUDGET-FILE PEERS-DIR
//
// BUDGET-FILE holds the lines of "tempulo_instants_dump phase-budget". For
// each line one line out: the peer's phase instant nearest the almanac's
// (Julian Day, universal time), the peer's Delta T there (seconds), and at
// the almanac's root of its own elongation (dynamical time) the peer's
// apparent ecliptic longitude and latitude of the moon, apparent longitude
// of the sun (degrees, true equinox of date) and its own phase angle
// (MoonPhase, the quantity its search solves for).
'use strict';
const fs = require('fs');
const path = require('path');

const [budget, peers] = process.argv.slice(2);
const A = require(path.resolve(peers, 'node_modules/astronomy-engine'));
const J2000 = 2451545.0;

const out = [];
for (const line of fs.readFileSync(budget, 'utf8').split('\n')) {
  if (!line) continue;
  const f = line.split('\t');
  const kind = Number(f[0]);
  const oursUt = Number(f[1]);
  const rootTt = Number(f[3]);
  const found = A.SearchMoonPhase(kind * 45, new A.AstroTime(oursUt - J2000 - 2), 4);
  const at = A.AstroTime.FromTerrestrialTime(rootTt - J2000);
  const moon = A.EclipticGeoMoon(at);
  const sun = A.SunPosition(at);
  const phase = A.MoonPhase(at);
  out.push([found ? (found.ut + J2000).toFixed(9) : 'NaN', ((found.tt - found.ut) * 86400).toFixed(4),
            moon.lon.toFixed(9), moon.lat.toFixed(9), sun.elon.toFixed(9), phase.toFixed(9)].join('\t'));
}
process.stdout.write(out.join('\n') + '\n');
