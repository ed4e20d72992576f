// SPDX-License-Identifier: GPL-3.0-or-later
// The first day of every Chinese month of 1901-2100 against the month table
// of the npm package solarlunar (lengths of months and leap months per year,
// the table the Hong Kong Observatory publishes for 1901-2100).
//
//   node check_chinese_months.cjs DUMP-BINARY PEERS-DIR
//
// DUMP-BINARY is tempulo_instants_dump, PEERS-DIR the folder
// tests/peers/install-npm-peers prints. Every difference is printed with the
// almanac's new moon in the time of China; the known ones are listed below
// with their reason, and a difference that is not listed, or a listed one
// that no longer occurs, fails the run.
'use strict';
const { execFileSync } = require('child_process');
const path = require('path');

// Month starts the almanac and the table put on different days, each with its
// reason (PyEphem's new moons, in the time of China, agree with the almanac's
// day every time but one: the new moon of 2057-09-29 00:00:04 in the
// almanac is 2057-09-28 23:59:50 in PyEphem (their Delta T differ by some
// 14 s then), and the table begins the month on the 29th, with the almanac).
const TIME_ZONE = 'the table reckons UT+8 before 1929 too; the almanac takes the mean time of ' +
  'Beijing (UT+7:45:40), and the new moon at 23:52:58 there is 00:07:18 at UT+8';
const OLD_THEORY = 'the table keeps the calendar as issued then; the new moon fell 3 min 21 s after ' +
  'midnight (PyEphem: 00:03:02)';
const MIDNIGHT = 'the new moon falls 19 s before midnight (PyEphem: 23:59:18); ' +
  'the table puts it after midnight, within the uncertainty of Delta T that far ahead';
const KNOWN = new Map([
  ['1906-04-23', TIME_ZONE], ['1906-04-24', TIME_ZONE],
  ['1933-07-22', OLD_THEORY], ['1933-07-23', OLD_THEORY],
  ['2097-08-07', MIDNIGHT], ['2097-08-08', MIDNIGHT],
]);

const [binary, peers] = process.argv.slice(2);
const first = '1901';
const last = '2100';
const sl = require(path.resolve(peers, 'node_modules/solarlunar'));
const table = sl.default || sl;

const ours = new Map();
for (const line of execFileSync(binary, ['chinese', first, last], { encoding: 'utf8' }).trim().split('\n')) {
  const [date, month, leap, newMoon] = line.split('\t');
  ours.set(date, { month: Number(month), leap: leap === '1', newMoon });
}
const theirs = new Map();
for (let d = new Date(Date.UTC(Number(first), 0, 1)); d.getUTCFullYear() <= Number(last); d.setUTCDate(d.getUTCDate() + 1)) {
  const l = table.solar2lunar(d.getUTCFullYear(), d.getUTCMonth() + 1, d.getUTCDate());
  if (l.lDay === 1) {
    theirs.set(d.toISOString().slice(0, 10), { month: l.lMonth, leap: Boolean(l.isLeap) });
  }
}

const differences = [];
const name = (m) => (m ? `${m.month}${m.leap ? ' (Schaltmonat)' : ''}` : '-');
for (const date of new Set([...ours.keys(), ...theirs.keys()])) {
  const a = ours.get(date);
  const b = theirs.get(date);
  if (!a || !b || a.month !== b.month || a.leap !== b.leap) {
    differences.push({ date, text: `${date}: Almanach Monat ${name(a)}, Tabelle ${name(b)}` +
      (a ? `, Neumond ${a.newMoon} Zeit Chinas` : '') });
  }
}
differences.sort((x, y) => x.date.localeCompare(y.date));
let failed = false;
for (const d of differences) {
  const reason = KNOWN.get(d.date);
  console.log(`${reason ? 'bekannt' : 'FEHLER'}: ${d.text}${reason ? ` – ${reason}` : ''}`);
  failed = failed || !reason;
}
for (const date of KNOWN.keys()) {
  if (!differences.some((d) => d.date === date)) {
    console.log(`FEHLER: ${date} steht in der Liste, weicht aber nicht mehr ab`);
    failed = true;
  }
}
console.log(`${ours.size} Monatsanfänge ${first}-${last} verglichen, ${differences.length} Abweichungen`);
process.exit(failed || ours.size === 0 ? 1 : 0);
